// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dictionary_editor/core/editor_word_lists.h"
#include "platform/core/program_files.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>

// The editor's lists and the per-length word files "3.TXT" to "10.TXT" of a folder.

// Writes every list to the file of its length, entries in list order, one per line.
// Returns what failed, empty when all eight files were written. Each file is replaced
// whole, so a failure leaves that file as it was.
QString ExportWordFiles(const EditorWordLists& lists, const ProgramFiles& files);

// The editor's word files as read: each existing file's entries, upper-cased.
struct WordFiles {
    std::array<std::optional<QStringList>, EditorWordLists::kListCount> entries;  // nothing: no file
    std::int64_t linesRead = 0;
    QStringList errors;  // files that exist but could not be read

    bool AnyRead() const;
};
// Reads "3.TXT" to "10.TXT" among `files` (any letter case). Files of lengths 2 and 11
// to 15 are not read.
WordFiles ReadWordFiles(const ProgramFiles& files);

// What an import does with the lists of the files it read: replace them (the lists
// become the files), or add to them the files' entries they lack (a harvest's files
// hold only new words, and replacing the lists with them would drop the lexicon).
enum class ImportMode { Replace, Add };

struct WordFileImport {
    std::array<bool, EditorWordLists::kListCount> read{};  // the lists replaced or added to
    std::int64_t linesRead = 0;
    std::int64_t added = 0;  // in Add mode, entries new to their lists
    QStringList errors;  // files that exist but could not be read; their lists stay
};

// Replaces (or adds to) each list whose file exists with the file's lines, sorted; a
// missing file leaves its list as it was. Lower-case letters are upper-cased (a file
// edited by hand keeps its words); anything else is taken as it stands (the rebuild
// leaves out what does not belong in the lexicon), but an empty line adds nothing.
// A list counts as changed when it differs from the lexicon file's words.
WordFileImport ApplyWordFiles(EditorWordLists& lists, const WordFiles& files, ImportMode mode);
WordFileImport ImportWordFiles(EditorWordLists& lists, const ProgramFiles& files,
                               ImportMode mode = ImportMode::Replace);

// What replacing the lists with the files would throw away: the entries of each list
// that its file lacks (by list; words added by hand among them), and the words
// deleted since the load, not yet rebuilt away, that the files would bring back.
// Entries lost, by list: what an import and an export both count.
struct ListLosses {
    std::array<qsizetype, EditorWordLists::kListCount> lost{};

    qsizetype Total() const;
};

struct ImportLosses : ListLosses {
    qsizetype deletionsUndone = 0;

    bool Any() const { return deletionsUndone > 0 || Total() > 0; }
};
ImportLosses LossesOfReplacing(const EditorWordLists& lists, const WordFiles& files);

// The entries of one word file as the editor takes them in: upper-cased.
QStringList ImportedEntries(QStringList lines);

// What an export would lose: the entries of each existing word file that its list
// lacks (the words a harvest appended, say), by length.
struct ExportLosses : ListLosses {
    QStringList errors;  // files that exist but could not be read
    std::array<bool, EditorWordLists::kListCount> unreadable{};  // by list: the file of an error
};
ExportLosses EntriesLostByExport(const EditorWordLists& lists, const ProgramFiles& files);
