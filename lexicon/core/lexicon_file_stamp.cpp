// SPDX-License-Identifier: GPL-3.0-or-later
#include "lexicon/core/lexicon_file_stamp.h"

#include "platform/core/program_folder.h"

#include <QFile>

#include <sys/stat.h>

LexiconFileStamp LexiconFileStamp::Of(const QString& name)
{
    LexiconFileStamp stamp;
    struct stat info {};
    if (::stat(QFile::encodeName(ProgramFolder::Resolve(name)).constData(), &info) != 0)
        return stamp;
    stamp.exists = true;
    stamp.device = std::uint64_t(info.st_dev);
    stamp.inode = std::uint64_t(info.st_ino);
    stamp.size = std::int64_t(info.st_size);
    stamp.modifiedNs = std::int64_t(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec;
    return stamp;
}
