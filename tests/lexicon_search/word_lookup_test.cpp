// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/language.h"
#include "lexicon/core/lexicon_scan.h"
#include "tests/lexicon_search/search_fixture.h"
#include "tests/support/temp_program_folder.h"
#include "lexicon/core/word_lookup.h"
#include "platform/core/program_files.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <random>

namespace {

// The verdict over the words in memory, checked against the verdict of a single
// query read straight from the file; "<error>" when the lexicon cannot be read.
QString Judge(const TempProgramFolder& folder, const char* word, const char* excluded, const char* drawn, int language = 1)
{
    const QString vocabulary = folder.FilePath(QStringLiteral("USERVOCA.%1").arg(language));
    const WordLookup::Query query{QString::fromLatin1(word), QString::fromLatin1(excluded), QString::fromLatin1(drawn)};
    const ProgramFiles files(folder.Path());
    const LexiconResult<QString> verdict =
        WordLookup::Judge(LexiconSource::ForLanguage(files, static_cast<Language>(language)), vocabulary, query);
    const LexiconResult<LexiconScan> file = LexiconScan::Open(folder.FilePath(TableOf(static_cast<Language>(language)).LexiconFileName()));
    EXPECT_EQ(verdict.HasValue(), file.HasValue());
    if (!verdict)
        return QStringLiteral("<error>");
    EXPECT_EQ(WordLookup::JudgeWith([&](const QString& w) { return file->Contains(w); }, vocabulary, query), *verdict)
        << word;
    return *verdict;
}

}  // namespace

TEST(WordLookup, VerdictsFollowLettersLengthLexiconAndVocabulary)
{
    TempProgramFolder folder;
    folder.Write(QStringLiteral("SLESSICO.1"), LexiconBytes({"CASA", "CASTA", "ORO", "casa", "PORTA", "CAS\xC8", "ROSA"}));
    folder.Write(QStringLiteral("uservoca.1"), "pasta\r\nTACCO\r\nSPORCA \r\nROSA\r\nCAPO\r\n");
    struct Row {
        const char* word;
        const char* excluded;
        const char* drawn;
        const char* verdict;
    };
    const Row rows[] = {
        {"CASTA", "", "CASTAPOROX", "SI"},
        {"CASTE", "", "CASTAPOROX", "NO2"},      // E was not drawn
        {"AAA", "", "CASTAPOROX", "NO2"},        // three A, two drawn
        {"TACCO", "", "CASTAPOROX", "NO2"},      // in the vocabulary, but one C drawn
        {"CA", "", "CASTAPOROX", "NO2"},         // under three letters, every letter drawn
        {"", "", "CASTAPOROX", "NO2"},
        {"PASTA", "", "CASTAPOROX", "SI"},       // a lower-case vocabulary line counts
        {"PASTA", "PASTA", "CASTAPOROX", "NO"},  // unless it is the excluded entry
        {"ROSA", "ROSA", "CASTAPOROX", "SI"},    // the lexicon knows it whatever the vocabulary says
        {"SPORCA", "", "CASTAPOROX", "NO"},      // a line with a trailing blank is another word
        {"CAPO", "", "CASTAPOROX", "SI"},        // an empty length: only the vocabulary decides
        {"CAPRA", "", "CASTAPOROX", "NO"},
        {"casa", "", "casaCASTA", "SI"},         // lexicon words compare byte for byte
        {"CaSA", "", "casaCASTA", "NO"},
        {"CAS\xC8", "", "CAS\xC8TA", "SI"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(Judge(folder, row.word, row.excluded, row.drawn), QString::fromLatin1(row.verdict))
            << row.word << " excluded " << row.excluded;
    }
}

TEST(WordLookup, VocabularyLinesEndInCrLfOrAloneAndTheLastMayLackAnEnd)
{
    TempProgramFolder folder;
    folder.Write(QStringLiteral("SLESSICO.1"), LexiconBytes({"ORO"}));
    const std::pair<QByteArray, const char*> rows[] = {
        {"CAPO\r\nTOPO\r\n", "SI"}, {"CAPO\nTOPO", "SI"},  {"CAPO\rTOPO\r", "SI"}, {"CAPO\r\n\r\ntopo", "SI"},
        {"CAPOTOPO\r\n", "NO"},     {"TOPO S\r\n", "NO"}, {"", "NO"},
    };
    for (const auto& [file, verdict] : rows) {
        folder.Write(QStringLiteral("USERVOCA.1"), file);
        EXPECT_EQ(Judge(folder, "TOPO", "", "CAPOTOPO"), QString::fromLatin1(verdict)) << file.toStdString();
    }
    folder.Write(QStringLiteral("USERVOCA.1"), "\xe0rco\r\n");
    EXPECT_EQ(Judge(folder, "\xC0RCO", "", "\xC0RCO"), QStringLiteral("SI")) << "upper case beyond ASCII";
    QFile::remove(folder.FilePath(QStringLiteral("USERVOCA.1")));
    EXPECT_EQ(Judge(folder, "TOPO", "", "TOPO"), QStringLiteral("NO")) << "a missing vocabulary holds no words";
}

TEST(WordLookup, MissingLexiconGivesItsErrorWhateverTheWord)
{
    TempProgramFolder folder;
    folder.Write(QStringLiteral("USERVOCA.3"), "CASA\r\n");
    for (const char* word : {"CASA", "XY"}) {
        const auto verdict = WordLookup::Judge(LexiconSource::ForLanguage(ProgramFiles(folder.Path()), Language::Latin), folder.FilePath(QStringLiteral("USERVOCA.3")),
                                               {QString::fromLatin1(word), {}, QStringLiteral("CASA")});
        ASSERT_FALSE(verdict) << word;
        EXPECT_EQ(verdict.Error().Message(), QStringLiteral("Errore 0002: Non trovato file di vocabolario SLESSICO.3"));
    }
}

TEST(WordLookup, LexiconMatchEqualsAByteScanOfTheSection)
{
    std::mt19937 random(11);
    QByteArrayList words = RandomWords(random, 3000, 3, 14);
    for (qsizetype i = 0; i < words.size(); i += 9)
        words[i][0] = "a1 \xC8"[i % 4];
    const auto lexicon = LoadedWords(words);
    TempProgramFolder folder;
    folder.Write(QStringLiteral("SLESSICO.1"), LexiconBytes(words));
    const LexiconResult<LexiconScan> file = LexiconScan::Open(folder.FilePath(QStringLiteral("SLESSICO.1")));
    ASSERT_TRUE(file);

    QByteArrayList probes = words.mid(0, 600);
    for (QByteArray word : words.mid(600, 600)) {
        probes << word.left(word.size() - 1);
        std::swap(word[0], word[word.size() - 1]);  // often an anagram that is no word
        probes << word;
    }
    probes << "" << "AB" << QByteArray(16, 'A');
    for (const QByteArray& probe : probes) {
        EXPECT_EQ(WordLookup::InLexicon(*lexicon, QString::fromLatin1(probe)), words.contains(probe)) << probe.data();
        EXPECT_EQ(file->Contains(QString::fromLatin1(probe)), words.contains(probe)) << probe.data();
    }
    // A character no byte stands for matches nothing, not even where its low byte would.
    const auto casa = LoadedWords({"CASA"});
    for (const QString& probe : {QStringLiteral("CAS") + QChar(0x0141), QStringLiteral("CAS") + QChar(0x0100 + 'A')}) {
        EXPECT_FALSE(WordLookup::InLexicon(*casa, probe));
        EXPECT_FALSE(file->Contains(probe));
    }
}
