// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary_editor/core/word_file_exchange.h"

#include "model/language.h"
#include "tests/support/temp_program_folder.h"
#include "platform/core/program_files.h"

#include <QDir>

#include <map>

#include <gtest/gtest.h>

namespace {

EditorWordLists Lists(const std::map<int, QStringList>& byList)
{
    EditorWordLists lists(TableOf(Language::Italian).Alphabet);
    for (const auto& [k, words] : byList)
        lists.List(k).SetWords(words, false);
    return lists;
}

TEST(WordFileExchange, ExportWritesEightCrLfFilesThatImportGivesBack)
{
    TempProgramFolder folder;
    EditorWordLists lists = Lists({{0, {"ASI", "BUE"}}, {1, {"CASA"}}, {7, {"ABCDEFGHIL"}}});
    lists.InsertWord("ZERO");
    ASSERT_EQ(ExportWordFiles(lists, ProgramFiles(folder.Path())), QString());
    EXPECT_EQ(folder.Read("3.TXT"), "ASI\r\nBUE\r\n");
    EXPECT_EQ(folder.Read("4.TXT"), "CASA\r\nZERO\r\n");
    EXPECT_EQ(folder.Read("5.TXT"), "") << "an empty list gives an empty file";
    EXPECT_EQ(folder.Read("10.TXT"), "ABCDEFGHIL\r\n");

    EditorWordLists back = Lists({});
    const WordFileImport import = ImportWordFiles(back, ProgramFiles(folder.Path()));
    EXPECT_TRUE(import.errors.isEmpty());
    EXPECT_EQ(import.linesRead, 5);
    for (int k = 0; k < EditorWordLists::kListCount; ++k) {
        EXPECT_TRUE(import.read[k]);
        EXPECT_EQ(back.List(k).Words(), lists.List(k).Words()) << k;
    }
    EXPECT_TRUE(back.AnyChanged()) << "the imported words are not in the (empty) lexicon yet";
}

TEST(WordFileExchange, ImportTakesEachLineAsItStandsInSortedOrder)
{
    struct Row {
        const char* what;
        QByteArray fiveTxt;
        QStringList expected;
    };
    const Row rows[] = {
        {"out of order", "ZUPPA\r\nALBUM\r\nMARMO\r\n", {"ALBUM", "MARMO", "ZUPPA"}},
        {"another length and a lower-case word", "PESTO\r\nCASTELLO\r\nbarca\r\n", {"BARCA", "CASTELLO", "PESTO"}},
        {"a word edited by hand", "rama\r\nBaco\r\n", {"BACO", "RAMA"}},
        {"other characters stay", "ra1a\r\nb co\r\n", {"B CO", "RA1A"}},
        {"an empty line", "PESTO\r\n\r\nALBUM", {"", "ALBUM", "PESTO"}},
        {"LF ends", "PESTO\nALBUM\n", {"ALBUM", "PESTO"}},
        {"an empty file", "", {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        TempProgramFolder folder;
        folder.Write("5.TXT", row.fiveTxt);
        EditorWordLists lists = Lists({{2, {"OLD"}}});
        ImportWordFiles(lists, ProgramFiles(folder.Path()));
        EXPECT_EQ(lists.List(2).Words(), row.expected);
    }
}

TEST(WordFileExchange, OnlyTheFilesPresentReplaceTheirLists)
{
    TempProgramFolder folder;
    folder.Write("5.txt", "PESTO\r\nALBUM\r\n");  // Gleaner's spelling of the name
    folder.Write("2.txt", "RE\r\n");
    folder.Write("11.txt", "ABCDEFGHILM\r\n");
    EditorWordLists lists = Lists({{1, {"CASA", "ZERO"}}, {2, {"MARMO"}}, {3, {"ALBERO"}}});
    const WordFileImport import = ImportWordFiles(lists, ProgramFiles(folder.Path()));
    EXPECT_EQ(import.linesRead, 2) << "lengths 2 and 11 are never read";
    EXPECT_EQ(lists.List(2).Words(), QStringList({"ALBUM", "PESTO"}));
    EXPECT_EQ(lists.List(1).Words(), QStringList({"CASA", "ZERO"}));
    EXPECT_EQ(lists.List(3).Words(), QStringList({"ALBERO"}));
    EXPECT_EQ(lists.TotalWords(), 5) << "the total counts every list, not only the lines read";
    for (int k = 0; k < EditorWordLists::kListCount; ++k)
        EXPECT_EQ(import.read[k], k == 2);
}

TEST(WordFileExchange, AnUnreadableFileIsReportedAndItsListKept)
{
    TempProgramFolder folder;
    ASSERT_TRUE(QDir(folder.Path()).mkdir("6.TXT"));
    folder.Write("4.TXT", "LUPO\r\n");
    EditorWordLists lists = Lists({{3, {"ALBERO"}}});
    const WordFileImport import = ImportWordFiles(lists, ProgramFiles(folder.Path()));
    ASSERT_EQ(import.errors.size(), 1);
    EXPECT_TRUE(import.errors.first().contains("6.TXT"));
    EXPECT_EQ(lists.List(3).Words(), QStringList({"ALBERO"}));
    EXPECT_EQ(lists.List(1).Words(), QStringList({"LUPO"}));
}

TEST(WordFileExchange, ExportReplacesAFileNamedInAnotherCaseAndReportsAFailure)
{
    TempProgramFolder folder;
    folder.Write("3.txt", "OLD\r\n");
    EditorWordLists lists = Lists({{0, {"ASI"}}});
    ASSERT_EQ(ExportWordFiles(lists, ProgramFiles(folder.Path())), QString());
    EXPECT_EQ(folder.Read("3.txt"), "ASI\r\n");
    EXPECT_FALSE(folder.Exists("3.TXT"));

    const QString error = ExportWordFiles(lists, ProgramFiles(folder.FilePath("no/such/folder")));
    EXPECT_TRUE(error.startsWith("Impossibile scrivere il file 3.TXT")) << error.toStdString();
}

TEST(WordFileExchange, CountsTheEntriesOfEachFileThatAnExportWouldLose)
{
    struct Row {
        const char* what;
        std::map<QString, QByteArray> files;
        std::array<qsizetype, EditorWordLists::kListCount> lost;
    };
    const Row rows[] = {
        {"the lists' own words", {{"4.TXT", "CASA\r\nZERO\r\n"}}, {}},
        {"a harvest's words at the end", {{"4.TXT", "CASA\r\nZERO\r\nRAMA\r\nBACO\r\n"}, {"5.txt", "PESTO\r\n"}},
         {0, 2, 1}},
        {"a word edited in lower case is the list's", {{"4.TXT", "casa\r\n\r\n"}}, {}},
        {"a word the lists deleted", {{"3.TXT", "ASI\r\nRE\r\n"}}, {1}},
        {"no files at all", {}, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        TempProgramFolder folder;
        for (const auto& [name, bytes] : row.files)
            folder.Write(name, bytes);
        const EditorWordLists lists = Lists({{0, {"ASI"}}, {1, {"CASA", "ZERO"}}});
        const ExportLosses losses = EntriesLostByExport(lists, ProgramFiles(folder.Path()));
        EXPECT_TRUE(losses.errors.isEmpty());
        EXPECT_EQ(losses.lost, row.lost);
    }
}

}  // namespace
