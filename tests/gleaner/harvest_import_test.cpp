// SPDX-License-Identifier: GPL-3.0-or-later
#include "gleaner/core/harvest.h"
#include "tests/support/harvest_folders.h"
#include "model/language.h"
#include "dictionary_editor/core/lexicon_rebuild.h"
#include "lexicon/core/lexicon_words.h"
#include "dictionary_editor/core/word_file_exchange.h"
#include "lexicon/core/word_lookup.h"
#include "platform/core/program_files.h"

#include <QStringList>

#include <gtest/gtest.h>


namespace {

// The dictionary editor's own import of the word folder (the files of 3 to 10
// letters that exist replace their lists, which sort themselves), then its rebuild.
std::shared_ptr<const LexiconWords> ImportAndRebuild(const QString& folder)
{
    EditorWordLists lists(TableOf(Language::Italian).Alphabet);
    const WordFileImport import = ImportWordFiles(lists, ProgramFiles(folder));
    EXPECT_TRUE(import.errors.isEmpty()) << import.errors.join(' ').toStdString();
    const EditorLexicon lexicon = ComposeEditorLexicon(lists, Language::Italian);
    EXPECT_TRUE(lexicon.image.error.isEmpty()) << lexicon.image.error.toStdString();
    return LexiconWords::FromFileBytes(lexicon.image.bytes);
}

struct ValidCase {
    const char* word;
    bool valid;
};

TEST(HarvestImport, EditorImportAndRebuildMakeHarvestedWordsValid)
{
    HarvestFolders folders;
    // As the editor exported them: sorted, capitals, CR LF.
    folders.WriteWords(QStringLiteral("4.TXT"), "CASA\r\nMARE\r\n");
    folders.WriteWords(QStringLiteral("5.TXT"), "GATTO\r\n");
    Harvest harvest(folders.WriteText(QStringLiteral("t.txt"),
                                      "Il gatto sul tetto, la città e il mare\r\nla luna sopra l'orizzonte\r\n"),
                    ProgramFiles(folders.words.path()), false);
    ASSERT_EQ(harvest.RunToEnd(), Harvest::State::Finished);

    const std::shared_ptr<const LexiconWords> lexicon = ImportAndRebuild(folders.words.path());
    ASSERT_NE(lexicon, nullptr);

    const std::vector<ValidCase> expected{
        {"CASA", true},  {"MARE", true},  {"GATTO", true}, {"SUL", true},         {"TETTO", false},
        {"CITTA", true}, {"LUNA", true},  {"SOPRA", true}, {"ORIZZONTE", false},  {"LA", false},
        {"IL", false},   {"TETTO,", false}};
    for (const ValidCase& row : expected)
        EXPECT_EQ(WordLookup::InLexicon(*lexicon, QString::fromLatin1(row.word)), row.valid) << row.word;
    // "TETTO," kept its comma and was never harvested; "l'orizzonte" neither; words
    // of 2 letters go to 2.txt, which the editor does not read.
    EXPECT_EQ(lexicon->Count(4), 3);
    EXPECT_EQ(lexicon->Count(5), 3);
}

}  // namespace
