// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary_editor/core/editor_messages.h"
#include "dictionary_editor/core/lexicon_list_load.h"
#include "dictionary_editor/core/lexicon_rebuild.h"

#include "model/language.h"
#include "lexicon/core/lexicon_index.h"
#include "tests/support/temp_program_folder.h"
#include "tests/support/tiny_lexicon.h"
#include "dictionary_editor/core/word_file_exchange.h"
#include "platform/core/program_files.h"

#include <QFile>

#include <csignal>
#include <sys/resource.h>

#include <gtest/gtest.h>

namespace {

// The editor's rebuild of "SLESSICO.1" of `folder` over the file as it stands now.
RebuildResult RebuildHere(const TempProgramFolder& folder, const EditorWordLists& lists)
{
    const ProgramFiles files(folder.Path());
    const QString name = QStringLiteral("SLESSICO.1");
    return RebuildLexicon(lists, Language::Italian, files, name, LexiconFileStamp::Of(files.Resolve(name)));
}

QByteArray Field(const QByteArray& file, int length, int which)
{
    return file.mid(200 + 16 * (length - 3) + 8 * which, 8);
}

// The lists as the editor loads them from SLESSICO.1 in `folder`.
EditorWordLists Loaded(const TempProgramFolder& folder)
{
    EditorWordLists lists(TableOf(Language::Italian).Alphabet);
    const LexiconFileBytes file = ReadLexiconFile(folder.FilePath(QStringLiteral("SLESSICO.1")));
    LexiconListLoad(lists, file.bytes).RunToEnd();
    return lists;
}

TEST(LexiconListLoad, FillsEachListFromItsSectionAndLeavesAnEmptySectionEmpty)
{
    TempProgramFolder folder;
    ASSERT_TRUE(WriteTinyLexicon(folder.Path(), 1, {"ASI", "CASA", "ZERO", "ALBERO", "ABCDEFGHIL"}));
    EditorWordLists lists = Loaded(folder);
    EXPECT_EQ(lists.List(0).Words(), QStringList({"ASI"}));
    EXPECT_EQ(lists.List(1).Words(), QStringList({"CASA", "ZERO"}));
    EXPECT_EQ(lists.List(2).Count(), 0) << "no 5-letter section";
    EXPECT_EQ(lists.List(3).Words(), QStringList({"ALBERO"}));
    EXPECT_EQ(lists.List(7).Words(), QStringList({"ABCDEFGHIL"}));
    EXPECT_EQ(lists.TotalWords(), 5);
    EXPECT_FALSE(lists.AnyChanged());
}

TEST(LexiconListLoad, StepsThroughTheLengthsAPieceAtATime)
{
    TempProgramFolder folder;
    ASSERT_TRUE(WriteTinyLexicon(folder.Path(), 1, {"ASI", "BUE", "CASA", "ALBERO", "ZUCCHERO"}));
    EditorWordLists lists(TableOf(Language::Italian).Alphabet);
    lists.InsertWord("LUPO");
    LexiconListLoad load(lists, ReadLexiconFile(folder.FilePath(QStringLiteral("slessico.1"))).bytes);
    EXPECT_EQ(lists.TotalWords(), 0) << "the lists are emptied first";
    EXPECT_TRUE(load.Step(1));
    EXPECT_EQ(load.Length(), 3);
    EXPECT_EQ(load.DoneInLength(), 1);
    EXPECT_EQ(load.CountInLength(), 2);
    EXPECT_EQ(lists.List(0).Count(), 0) << "a list gets its words when its length is done";
    EXPECT_TRUE(load.Step(1));
    EXPECT_EQ(lists.List(0).Words(), QStringList({"ASI", "BUE"}));
    int steps = 0;
    while (load.Step(1))
        ++steps;
    EXPECT_EQ(steps, 2) << "one step per remaining word, empty lengths cost nothing";
    EXPECT_TRUE(load.Finished());
    EXPECT_EQ(lists.TotalWords(), 5);
}

TEST(LexiconListLoad, ReadsATruncatedFileWithoutGoingPastItsEnd)
{
    TempProgramFolder folder;
    ASSERT_TRUE(WriteTinyLexicon(folder.Path(), 1, {"CASA", "ZERO", "LUPO"}));
    const QByteArray whole = folder.Read("SLESSICO.1");
    folder.Write("SLESSICO.1", whole.left(439 + 6));
    EditorWordLists lists = Loaded(folder);
    EXPECT_EQ(lists.List(1).Words(), QStringList({"CASA"})) << "only the whole words the file holds";
}

TEST(ReadLexiconFile, ReportsAMissingOrUnreadableFileInItalian)
{
    TempProgramFolder folder;
    const LexiconFileBytes missing = ReadLexiconFile(folder.FilePath(QStringLiteral("SLESSICO.2")));
    EXPECT_EQ(missing.status, LexiconFileBytes::Status::Missing);
    EXPECT_EQ(missing.error, QStringLiteral("Errore 0002: Non trovato file di vocabolario SLESSICO.2"));
    ASSERT_TRUE(QDir(folder.Path()).mkdir("SLESSICO.3"));
    const LexiconFileBytes folderNamed = ReadLexiconFile(folder.FilePath(QStringLiteral("SLESSICO.3")));
    EXPECT_EQ(folderNamed.status, LexiconFileBytes::Status::Unreadable);
    EXPECT_TRUE(folderNamed.error.contains("SLESSICO.3"));
}

TEST(RebuildLexicon, WritesTheListsInTheLexiconLayout)
{
    struct Row {
        const char* what;
        QStringList fiveLetters;
        qint64 size;
        QByteArray start, end;
        qint64 written;
    };
    const Row rows[] = {
        {"all lists empty", {}, 455, QByteArray(8, '\0'), QByteArray(8, '\0'), 0},
        {"two 5-letter words", {"CASTA", "MARMO"}, 455, "     440", "     450", 2},
        {"a 6-letter word in the 5-letter list", {"CASTA", "MARMOS", "PESTO"}, 455, "     440", "     450", 2},
        {"a lower-case line from a file", {"CASTA", "marmo"}, 455, "     440", "     445", 1},
        {"a blank inside", {"CA TA", "PESTO"}, 455, "     440", "     445", 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        TempProgramFolder folder;
        EditorWordLists lists(TableOf(Language::Italian).Alphabet);
        lists.List(2).SetWords(row.fiveLetters, true);
        const RebuildResult result = RebuildHere(folder, lists);
        ASSERT_TRUE(result.written) << result.error.toStdString();
        const QByteArray file = folder.Read("SLESSICO.1");
        EXPECT_EQ(file.size(), row.size);
        EXPECT_EQ(Field(file, 5, 0), row.start);
        EXPECT_EQ(Field(file, 5, 1), row.end);
        EXPECT_EQ(result.lexicon.image.totalWritten, row.written);
        EXPECT_EQ(lists.List(2).Count(), row.fiveLetters.size()) << "the list keeps every entry";
        const std::optional<LexiconIndex> index = LexiconIndex::Load(folder.FilePath("SLESSICO.1"));
        ASSERT_TRUE(index);
        EXPECT_EQ(index->WordCount(), row.written);
        EXPECT_EQ(index->SectionCount[11], 0);
    }
}

TEST(RebuildLexicon, ALoadedLexiconWithAnInsertedWordReadsBackWithIt)
{
    TempProgramFolder folder;
    ASSERT_TRUE(WriteTinyLexicon(folder.Path(), 1, {"CASA", "ZERO", "ALBERO"}));
    EditorWordLists lists = Loaded(folder);
    lists.InsertWord("lupo");
    lists.RemoveWord(3, 0);
    ASSERT_TRUE(RebuildHere(folder, lists).written);
    EditorWordLists again = Loaded(folder);
    EXPECT_EQ(again.List(1).Words(), QStringList({"CASA", "LUPO", "ZERO"}));
    EXPECT_EQ(again.List(3).Count(), 0);
    EXPECT_EQ(folder.Read("SLESSICO.1").left(199), LexiconBanner(Language::Italian));
}

TEST(RebuildLexicon, WordsEditedByHandInLowerCaseReachTheLexiconAndTheRestAreNamed)
{
    TempProgramFolder folder;
    ASSERT_TRUE(WriteTinyLexicon(folder.Path(), 1, {"CASA", "ZERO"}));
    folder.Write("4.TXT", "CASA\r\nrama\r\nZERO\r\nbaco\r\nra1a\r\n");
    folder.Write("5.TXT", "a vel\r\n1\u00e8ore\r\nb!bbb\r\nc,ccc\r\nd.ddd\r\ne-eee\r\nMARMO\r\n");
    EditorWordLists lists = Loaded(folder);
    ImportWordFiles(lists, ProgramFiles(folder.Path()));
    const RebuildResult result = RebuildHere(folder, lists);
    ASSERT_TRUE(result.written);
    EditorWordLists again = Loaded(folder);
    EXPECT_EQ(again.List(1).Words(), QStringList({"BACO", "CASA", "RAMA", "ZERO"}));
    EXPECT_EQ(again.List(2).Words(), QStringList({"MARMO"}));

    EXPECT_EQ(result.lexicon.skippedLetters, 7);
    const QString status =
        EditorMessages::Rewritten(result.lexicon.skippedLetters, result.lexicon.skippedExamples);
    EXPECT_TRUE(status.startsWith("Dizionario riscritto correttamente (7 voci con caratteri non validi"))
        << status.toStdString();
    EXPECT_TRUE(status.contains("'RA1A'")) << status.toStdString();
    EXPECT_TRUE(status.endsWith(" e altre 2)")) << status.toStdString();
    EXPECT_EQ(EditorMessages::Rewritten(0, {}), QStringLiteral("Dizionario riscritto correttamente"));
}

TEST(RebuildLexicon, ReplacesALeftoverTemporaryFileAndAnyCaseOfTheName)
{
    TempProgramFolder folder;
    folder.Write("SLESSICO.new", QByteArray(5000, 'X'));
    folder.Write("slessico.1", QByteArray("old"));
    EditorWordLists lists(TableOf(Language::Italian).Alphabet);
    lists.InsertWord("CASA");
    ASSERT_TRUE(RebuildHere(folder, lists).written);
    EXPECT_FALSE(folder.Exists("SLESSICO.new"));
    EXPECT_EQ(folder.Read("slessico.1").size(), 455) << "the lexicon keeps its own name";
    EXPECT_FALSE(folder.Exists("SLESSICO.1"));
    EXPECT_EQ(folder.Read("slessico.1").mid(439, 4), "CASA");
}

// A file-size limit makes every write past it fail as a full disk does.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }

private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};

TEST(RebuildLexicon, AFailedWriteSaysSoAndLeavesTheOldFileByteForByte)
{
    TempProgramFolder folder;
    ASSERT_TRUE(WriteTinyLexicon(folder.Path(), 1, {"CASA", "ZERO"}));
    const QByteArray before = folder.Read("SLESSICO.1");
    EditorWordLists lists(TableOf(Language::Italian).Alphabet);
    QStringList many;
    for (int i = 0; i < 2000; ++i)
        many.append(QStringLiteral("CA") + QChar('A' + i % 21) + QChar('A' + i / 21 % 21) + QChar('A' + i / 441) +
                    QChar('A'));
    lists.List(3).SetWords(many, true);
    RebuildResult result;
    {
        FileSizeLimit limit(4096);
        result = RebuildHere(folder, lists);
    }
    EXPECT_FALSE(result.written);
    EXPECT_TRUE(result.error.startsWith("Impossibile scrivere il dizionario SLESSICO.1")) << result.error.toStdString();
    EXPECT_EQ(folder.Read("SLESSICO.1"), before);
    EXPECT_EQ(QDir(folder.Path()).entryList(QDir::Files), QStringList({"SLESSICO.1"})) << "no temporary file left";
}

}  // namespace
