// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QTemporaryDir>

// A fresh, empty program folder for the life of the object, removed afterwards. It is
// not made current: hand its Path() to whatever reads or writes the programs' files.
class TempProgramFolder {
public:
    TempProgramFolder() = default;
    TempProgramFolder(const TempProgramFolder&) = delete;
    TempProgramFolder& operator=(const TempProgramFolder&) = delete;

    QString Path() const { return dir_.path(); }
    QString FilePath(const QString& name) const { return QDir(dir_.path()).filePath(name); }
    void Write(const QString& name, const QByteArray& bytes) const;
    QByteArray Read(const QString& name) const;
    bool Exists(const QString& name) const;

private:
    QTemporaryDir dir_;
};
