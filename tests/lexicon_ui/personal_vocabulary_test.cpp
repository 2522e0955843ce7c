// SPDX-License-Identifier: GPL-3.0-or-later
#include "lexicon/core/personal_vocabulary.h"
#include "platform/core/program_folder.h"
#include "tests/support/temp_program_folder.h"
#include "tests/support/tiny_lexicon.h"
#include "lexicon/core/word_rules.h"
#include "platform/core/program_files.h"

#include <QDir>
#include <QFile>
#include <QFileDevice>

#include <gtest/gtest.h>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct ParseCase {
    const char* name;
    QByteArray bytes;
    QStringList entries;
};

TEST(PersonalVocabulary, LinesBecomeUpperCaseEntriesWhateverTheirLineEnds)
{
    const ParseCase cases[] = {
        {"crlf file", "CASA\r\nTRENO\r\n", {"CASA", "TRENO"}},
        {"lower case typed by hand", "casa\r\nTreno\r\n", {"CASA", "TRENO"}},
        {"last line without end", "CASA\r\nTRENO", {"CASA", "TRENO"}},
        {"lone cr and lf", "CASA\rTRENO\nPANE", {"CASA", "TRENO", "PANE"}},
        {"empty lines are no entries", "\r\nCASA\r\n\r\n", {"CASA"}},
        {"latin-1 letter", "citt\xe0\r\n", {QStringLiteral("CITTÀ")}},
        {"empty file", "", {}},
    };
    for (const ParseCase& c : cases)
        EXPECT_EQ(PersonalVocabulary::ParseEntries(c.bytes), c.entries) << c.name;
}

TEST(PersonalVocabulary, SaveRewritesTheWholeFileInListOrder)
{
    TempProgramFolder folder;
    folder.Write("uservoca.1", "VECCHIA\r\nPAROLA\r\n");
    const ProgramFiles files(folder.Path());
    const PersonalVocabulary vocabulary(1, files);

    ASSERT_TRUE(vocabulary.Save({"ZETA", "ALFA"}));
    EXPECT_EQ(folder.Read("uservoca.1"), QByteArray("ZETA\r\nALFA\r\n"));
    EXPECT_FALSE(folder.Exists("USERVOCA.1")) << "the file keeps the name it had";
    EXPECT_EQ(vocabulary.Read(), QStringList({"ZETA", "ALFA"}));

    ASSERT_TRUE(vocabulary.Save({}));
    EXPECT_TRUE(folder.Exists("uservoca.1"));
    EXPECT_EQ(folder.Read("uservoca.1"), QByteArray());
}

TEST(PersonalVocabulary, EnsureExistsCreatesAnEmptyFileAndKeepsAnExistingOne)
{
    TempProgramFolder folder;
    ASSERT_TRUE(PersonalVocabulary(2, ProgramFiles(folder.Path())).EnsureExists());
    EXPECT_TRUE(folder.Exists("USERVOCA.2"));
    EXPECT_EQ(folder.Read("USERVOCA.2"), QByteArray());

    folder.Write("USERVOCA.3", "WORD\r\n");
    ASSERT_TRUE(PersonalVocabulary(3, ProgramFiles(folder.Path())).EnsureExists());
    EXPECT_EQ(folder.Read("USERVOCA.3"), QByteArray("WORD\r\n"));
}

struct AppendCase {
    const char* name;
    std::optional<QByteArray> before;  // nothing: no file
    QByteArray after;
};

TEST(PersonalVocabulary, AppendedWordAlwaysStartsALineOfItsOwn)
{
    const AppendCase cases[] = {
        {"no file yet", std::nullopt, "TRENO\r\n"},
        {"empty file", QByteArray(), "TRENO\r\n"},
        {"file ending in crlf", "CASA\r\n", "CASA\r\nTRENO\r\n"},
        {"file ending in lf", "casa\n", "casa\nTRENO\r\n"},
        {"last line left open", "CASA", "CASA\r\nTRENO\r\n"},
    };
    for (const AppendCase& c : cases) {
        TempProgramFolder folder;
        if (c.before)
            folder.Write("USERVOCA.1", *c.before);
        EXPECT_TRUE(PersonalVocabulary(1, ProgramFiles(folder.Path())).AppendWord(QStringLiteral(" treno ")));
        EXPECT_EQ(folder.Read("USERVOCA.1"), c.after) << c.name;
    }
}

TEST(PersonalVocabulary, AppendRefusesWhatCannotBeOneLineOfOneBytePerLetter)
{
    TempProgramFolder folder;
    folder.Write("USERVOCA.1", "CASA\r\n");
    const QString refused[] = {QString(), QStringLiteral("   "), QStringLiteral("CA\nSA"),
                               QStringLiteral("ŁÓDŹ")};
    for (const QString& word : refused)
        EXPECT_FALSE(PersonalVocabulary(1, ProgramFiles(folder.Path())).AppendWord(word)) << word.toStdString();
    EXPECT_EQ(folder.Read("USERVOCA.1"), QByteArray("CASA\r\n"));
}

TEST(PersonalVocabulary, AppendGoesToTheFileWhateverTheCaseOfItsName)
{
    TempProgramFolder folder;
    folder.Write("uservoca.1", "CASA\r\n");
    ASSERT_TRUE(PersonalVocabulary(1, ProgramFiles(folder.Path())).AppendWord(QStringLiteral("PANE")));
    EXPECT_EQ(folder.Read("uservoca.1"), QByteArray("CASA\r\nPANE\r\n"));
    EXPECT_FALSE(folder.Exists("USERVOCA.1"));
}

TEST(MainLexicon, OnlyAnExactMatchInTheSectionOfTheWordsLengthCounts)
{
    TempProgramFolder folder;
    ASSERT_TRUE(WriteTinyLexicon(folder.Path(), 1, {"ORA", "CASA", "MARE", "TRENO", "ALBERO"}));

    EXPECT_EQ(FindInMainLexicon(ProgramFiles(folder.Path()), 1, "CASA"), MainLexiconMatch::Found);
    EXPECT_EQ(FindInMainLexicon(ProgramFiles(folder.Path()), 1, "MARE"), MainLexiconMatch::Found);
    EXPECT_EQ(FindInMainLexicon(ProgramFiles(folder.Path()), 1, "ALBERO"), MainLexiconMatch::Found);
    EXPECT_EQ(FindInMainLexicon(ProgramFiles(folder.Path()), 1, "casa"), MainLexiconMatch::NotFound);
    EXPECT_EQ(FindInMainLexicon(ProgramFiles(folder.Path()), 1, "CAS"), MainLexiconMatch::NotFound);
    EXPECT_EQ(FindInMainLexicon(ProgramFiles(folder.Path()), 1, "TRENI"), MainLexiconMatch::NotFound);
    EXPECT_EQ(FindInMainLexicon(ProgramFiles(folder.Path()), 1, "PRECIPITEVOLISSIMEVOLMENTE"), MainLexiconMatch::NotFound);
    EXPECT_EQ(FindInMainLexicon(ProgramFiles(folder.Path()), 2, "CASA"), MainLexiconMatch::FileMissing);
}

struct VerdictCase {
    const char* word;
    int language;
    NewWordVerdict verdict;
};

TEST(NewWord, ChecksComeInOrderAlphabetLengthLexiconList)
{
    TempProgramFolder folder;
    ASSERT_TRUE(WriteTinyLexicon(folder.Path(), 1, {"CASA", "TRENO"}));
    const QStringList listed = {"PIPPO"};
    const VerdictCase cases[] = {
        {"CASA1", 1, NewWordVerdict::OutsideAlphabet},
        {"JAZZ", 1, NewWordVerdict::OutsideAlphabet},
        {"CA SA", 1, NewWordVerdict::OutsideAlphabet},
        {"J1", 1, NewWordVerdict::OutsideAlphabet},  // the alphabet comes before the length
        {"", 1, NewWordVerdict::Empty},
        {"AB", 1, NewWordVerdict::TooShort},
        {"CASA", 1, NewWordVerdict::InMainLexicon},
        {"PIPPO", 1, NewWordVerdict::AlreadyListed},
        {"PLUTO", 1, NewWordVerdict::Accepted},
        {"JAZZ", 2, NewWordVerdict::LexiconMissing},  // J is a letter in English
    };
    for (const VerdictCase& c : cases) {
        const QString alphabet = TableOf(static_cast<Language>(c.language)).Alphabet;
        EXPECT_EQ(CheckNewWord(ProgramFiles(folder.Path()), c.word, alphabet, c.language, listed), c.verdict) << c.word;
    }
}

TEST(WordRules, MissingFileGivesTheNumberedErrorAndTheBoxNotice)
{
    TempProgramFolder folder;
    EXPECT_FALSE(WordRules::ReadLines(ProgramFiles(folder.Path())).has_value());
    EXPECT_EQ(WordRules::MessageText(ProgramFiles(folder.Path())),
              QStringLiteral("ERRORE 0001: File contenente le regole sulle parole non trovato: REGPAROL.TXT"));
    EXPECT_EQ(WordRules::BoxText(ProgramFiles(folder.Path())), QStringLiteral("File REGPAROL.txt non trovato"));
}

TEST(WordRules, LinesAreShownOneUnderAnotherFromAFileOfAnyNameCase)
{
    TempProgramFolder folder;
    folder.Write("regparol.txt", "Regola uno\r\n\r\nRegola due\r\n");
    EXPECT_EQ(WordRules::ReadLines(ProgramFiles(folder.Path())).value_or(QStringList()), QStringList({"Regola uno", "", "Regola due"}));
    EXPECT_EQ(WordRules::MessageText(ProgramFiles(folder.Path())), QStringLiteral("Regola uno\n\nRegola due"));
    EXPECT_EQ(WordRules::BoxText(ProgramFiles(folder.Path())), WordRules::MessageText(ProgramFiles(folder.Path())));
}

TEST(WordRules, TextIsReadAsUtf8WhenItIsElseAsTheWindowsCodePage)
{
    EXPECT_EQ(WordRules::DecodeText("perch\xc3\xa9 l\xe2\x80\x99"), QStringLiteral("perché l’"));
    EXPECT_EQ(WordRules::DecodeText("\xef\xbb\xbfnome"), QStringLiteral("nome"));
    EXPECT_EQ(WordRules::DecodeText("perch\xe9 l\x92 \x80"), QStringLiteral("perché l’ €"));
}

TEST(WordRules, AFileThatCannotBeShownIsToldAndNeverHoldsTheWindow)
{
    struct Row {
        const char* label;
        int kind;  // 0 folder, 1 FIFO, 2 one line over the size limit
        const char* said;
    };
    const Row rows[] = {
        {"folder", 0, "non è un file normale"},
        {"fifo", 1, "non è un file normale"},
        {"one-line file over the limit", 2, "troppo grande"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        TempProgramFolder folder;
        const QString path = folder.FilePath(QStringLiteral("REGPAROL.TXT"));
        if (row.kind == 0) {
            ASSERT_TRUE(QDir(folder.Path()).mkdir(QStringLiteral("REGPAROL.TXT")));
        } else if (row.kind == 1) {
            ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else {
            folder.Write(QStringLiteral("REGPAROL.TXT"), QByteArray(WordRules::kMaxFileBytes + 1, 'x'));
        }
        QString failure;
        EXPECT_FALSE(WordRules::ReadLines(ProgramFiles(folder.Path()), &failure).has_value());
        EXPECT_TRUE(failure.contains(QString::fromUtf8(row.said))) << failure.toStdString();
        EXPECT_EQ(WordRules::MessageText(ProgramFiles(folder.Path())), failure);
        EXPECT_EQ(WordRules::BoxText(ProgramFiles(folder.Path())), failure);
    }
}

TEST(PersonalVocabulary, EveryByteOfTheCodePageSurvivesReadAndSave)
{
    struct Row {
        const char* label;
        QByteArray file;
        QByteArray saved;
    };
    const Row rows[] = {
        {"y with diaeresis has its capital at 0x9F", "\xFF\xFF\xFF\r\n", "\x9F\x9F\x9F\r\n"},
        {"micro sign has no capital: kept", "\xB5\xB5\xB5\r\n", "\xB5\xB5\xB5\r\n"},
        {"accented lower case", "citt\xE0\r\n", "CITT\xC0\r\n"},
        {"letters of 0x80 to 0x9F", "\x9A\x9C\x9E\r\n", "\x8A\x8C\x8E\r\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        TempProgramFolder folder;
        folder.Write("USERVOCA.1", row.file);
        const ProgramFiles files(folder.Path());
        const PersonalVocabulary vocabulary(1, files);
        ASSERT_TRUE(vocabulary.Save(vocabulary.Read()));
        EXPECT_EQ(folder.Read("USERVOCA.1"), row.saved);
    }

    TempProgramFolder folder;
    QByteArray everyByte;
    for (int byte = 0x20; byte <= 0xFF; ++byte)
        everyByte.append(static_cast<char>(byte));
    folder.Write("USERVOCA.1", everyByte + "\r\n");
    const ProgramFiles files(folder.Path());
    const PersonalVocabulary vocabulary(1, files);
    ASSERT_TRUE(vocabulary.Save(vocabulary.Read()));
    const QByteArray once = folder.Read("USERVOCA.1");
    EXPECT_EQ(once.size(), everyByte.size() + 2);
    EXPECT_EQ(once.count('?'), 1);
    ASSERT_TRUE(vocabulary.Save(vocabulary.Read()));
    EXPECT_EQ(folder.Read("USERVOCA.1"), once);
}

}  // namespace

namespace {

// A FIFO named `name` in the program folder (or reached through a link of that name),
// with a reader held open so that a writer opening it by mistake goes through instead
// of waiting for ever: the test then fails on what reached the pipe, never hangs.
struct PipeInTheWay {
    PipeInTheWay(const TempProgramFolder& folder, const QString& name, bool throughLink)
    {
        const QString fifo = folder.FilePath(throughLink ? QStringLiteral("pipe") : name);
        made = ::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0 &&
               (!throughLink || QFile::link(fifo, folder.FilePath(name)));
        reader = ::open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK);
    }
    ~PipeInTheWay()
    {
        if (reader >= 0)
            ::close(reader);
    }
    QByteArray Piped() const
    {
        char buffer[64];
        const ssize_t got = ::read(reader, buffer, sizeof buffer);
        return got > 0 ? QByteArray(buffer, got) : QByteArray();
    }
    bool made = false;
    int reader = -1;
};

}  // namespace

TEST(PersonalVocabulary, CreateAndAppendNeverOpenAPipeAndSaySo)
{
    struct Row {
        const char* label;
        bool throughLink;
        bool append;  // else the window's "make sure it exists"
        const char* said;
    };
    const Row rows[] = {
        {"create, fifo", false, false, "USERVOCA.1 è una pipe (FIFO), non un file normale"},
        {"create, link to a fifo", true, false, "USERVOCA.1 è un collegamento a una pipe (FIFO)"},
        {"append, fifo", false, true, "USERVOCA.1 è una pipe (FIFO), non un file normale"},
        {"append, link to a fifo", true, true, "USERVOCA.1 è un collegamento a una pipe (FIFO)"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        TempProgramFolder folder;
        const PipeInTheWay pipe(folder, QStringLiteral("USERVOCA.1"), row.throughLink);
        ASSERT_TRUE(pipe.made && pipe.reader >= 0);

        QString error;
        const bool done = row.append ? PersonalVocabulary(1, ProgramFiles(folder.Path())).AppendWord(QStringLiteral("PIPPO"), &error)
                                     : PersonalVocabulary(1, ProgramFiles(folder.Path())).EnsureExists(&error);

        EXPECT_FALSE(done);
        EXPECT_TRUE(error.contains(QString::fromUtf8(row.said))) << error.toStdString();
        EXPECT_EQ(pipe.Piped(), QByteArray());
    }
}

TEST(PersonalVocabulary, AnAppendCutShortByAFullDiskLeavesNoHalfWord)
{
    struct Row {
        const char* label;
        QByteArray before;
    };
    const Row rows[] = {{"whole lines", "PIPPO\r\n"}, {"last line left open", "PIPP"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        TempProgramFolder folder;
        folder.Write("USERVOCA.1", row.before);
        const ProgramFiles fullDisk =
            ProgramFiles(folder.Path()).WithWriteStep([](QFileDevice& file, const QByteArray& bytes) {
                file.write(bytes.left(bytes.size() - 3));
                errno = ENOSPC;
                return false;
            });
        QString error;
        const bool appended = PersonalVocabulary(1, fullDisk).AppendWord(QStringLiteral("IRIDE"), &error);

        EXPECT_FALSE(appended);
        EXPECT_EQ(error, QStringLiteral("Spazio esaurito sul dispositivo"));
        EXPECT_EQ(folder.Read("USERVOCA.1"), row.before);
    }
}
