// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/temp_program_folder.h"

#include <QFile>

void TempProgramFolder::Write(const QString& name, const QByteArray& bytes) const
{
    QFile file(FilePath(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QByteArray TempProgramFolder::Read(const QString& name) const
{
    QFile file(FilePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool TempProgramFolder::Exists(const QString& name) const
{
    return QFile::exists(FilePath(name));
}
