// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdint>

// What tells one state of a lexicon file from the next without reading it: where it
// is (device and inode, which a rebuild changes, as it renames a new file into
// place), its size and its modification time to the nanosecond. A reader keeps the
// stamp of the file it read and compares it later: a different stamp means that
// someone else wrote the file meanwhile.
struct LexiconFileStamp {
    bool exists = false;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedNs = 0;

    // The stamp of the lexicon file `name` (resolved as ProgramFolder::Resolve does);
    // a missing file has the stamp of no file.
    static LexiconFileStamp Of(const QString& name);

    bool operator==(const LexiconFileStamp&) const = default;
};
