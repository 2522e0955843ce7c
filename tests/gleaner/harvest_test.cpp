// SPDX-License-Identifier: GPL-3.0-or-later
#include "gleaner/core/harvest.h"
#include "tests/support/harvest_folders.h"
#include "platform/core/program_files.h"
#include "platform/core/program_folder.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QString>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <map>

namespace {

using Files = std::map<QString, QByteArray>;

struct HarvestCase {
    const char* name;
    QByteArray text;
    Files before;  // word files already there
    bool foreignLetters;
    Files after;  // every word file afterwards
    qint64 tokens;
    qint64 appended;
};

class HarvestText : public ::testing::TestWithParam<HarvestCase> {};

TEST_P(HarvestText, AppendsEveryNewWordToTheFileOfItsLength)
{
    const HarvestCase& row = GetParam();
    HarvestFolders folders;
    for (const auto& [name, bytes] : row.before)
        folders.WriteWords(name, bytes);
    Harvest harvest(folders.WriteText(QStringLiteral("testo.txt"), row.text), ProgramFiles(folders.words.path()),
                    row.foreignLetters);

    ASSERT_EQ(harvest.RunToEnd(), Harvest::State::Finished) << harvest.Error().toStdString();

    EXPECT_EQ(folders.WordFiles(), row.after) << Describe(folders.WordFiles());
    EXPECT_EQ(harvest.Counts().tokens, row.tokens);
    EXPECT_EQ(harvest.Counts().appended, row.appended);
    EXPECT_EQ(harvest.Counts().appended + harvest.Counts().Dropped(), harvest.Counts().tokens);
    EXPECT_EQ(harvest.BytesRead(), row.text.size());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, HarvestText,
    ::testing::Values(
        HarvestCase{"three_words_one_accented", "città casa mare\r\n", {}, false,
                    {{"5.txt", "CITTA\r\n"}, {"4.txt", "CASA\r\nMARE\r\n"}}, 3, 3},
        HarvestCase{"word_followed_by_a_comma", "casa, mare\r\n", {}, false, {{"4.txt", "MARE\r\n"}}, 2, 1},
        HarvestCase{"two_blanks", "casa  mare", {}, false, {{"4.txt", "CASA\r\nMARE\r\n"}}, 2, 2},
        HarvestCase{"leading_blank", " casa", {}, false, {{"4.txt", "CASA\r\n"}}, 2, 1},
        HarvestCase{"repeated_word_once", "mare Mare MARE\r\nmare", {}, false, {{"4.txt", "MARE\r\n"}}, 4, 1},
        HarvestCase{"lower_case_line_is_another_word", "casa", {{"4.txt", "casa\r\n"}}, false,
                    {{"4.txt", "casa\r\nCASA\r\n"}}, 1, 1},
        HarvestCase{"known_word_not_appended", "casa mare", {{"4.txt", "CASA\r\n"}}, false,
                    {{"4.txt", "CASA\r\nMARE\r\n"}}, 2, 1},
        HarvestCase{"line_with_a_blank_is_another_word", "casa", {{"4.txt", "CASA \r\n"}}, false,
                    {{"4.txt", "CASA \r\nCASA\r\n"}}, 1, 1},
        HarvestCase{"editor_file_name_in_capitals", "casa mare", {{"4.TXT", "CASA\r\n"}}, false,
                    {{"4.TXT", "CASA\r\nMARE\r\n"}}, 2, 1},
        HarvestCase{"target_without_last_line_end", "casa", {{"4.txt", "MARE"}}, false,
                    {{"4.txt", "MARE\r\nCASA\r\n"}}, 1, 1},
        HarvestCase{"target_with_lf_lines", "casa mare sole", {{"4.txt", "CASA\nMARE\n"}}, false,
                    {{"4.txt", "CASA\nMARE\nSOLE\r\n"}}, 3, 1},
        HarvestCase{"empty_target", "casa", {{"4.txt", ""}}, false, {{"4.txt", "CASA\r\n"}}, 1, 1},
        HarvestCase{"foreign_letters_without_box", "whisky kiwi jazz xilofono yoga mare", {}, false,
                    {{"4.txt", "MARE\r\n"}}, 6, 1},
        HarvestCase{"foreign_letters_with_box", "whisky kiwi jazz xilofono yoga mare", {}, true,
                    {{"6.txt", "WHISKY\r\n"},
                     {"4.txt", "KIWI\r\nJAZZ\r\nYOGA\r\nMARE\r\n"},
                     {"8.txt", "XILOFONO\r\n"}},
                    6, 6},
        HarvestCase{"windows_1252_accents", "citt\xE0 perch\xE9 PERCH\xC9\r\n", {}, false,
                    {{"5.txt", "CITTA\r\n"}, {"6.txt", "PERCHE\r\n"}}, 3, 2},
        HarvestCase{"decomposed_accent", "citta\xCC\x80\n", {}, false, {{"5.txt", "CITTA\r\n"}}, 1, 1},
        HarvestCase{"lengths_two_and_fifteen", "io abcdefghilmnopq", {}, false,
                    {{"2.txt", "IO\r\n"}, {"15.txt", "ABCDEFGHILMNOPQ\r\n"}}, 2, 2},
        HarvestCase{"lengths_zero_one_and_sixteen_dropped", " a abcdefghilmnopqr\r\n\r\n", {}, false, {}, 3, 0},
        HarvestCase{"punctuation_digits_and_tabs", "l'acqua 2024 casa\tmare (sole) fine.", {}, false, {}, 5,
                    0},
        HarvestCase{"every_kind_of_line_end", "casa\nmare\rsole\r\nvela", {}, false,
                    {{"4.txt", "CASA\r\nMARE\r\nSOLE\r\nVELA\r\n"}}, 4, 4},
        HarvestCase{"utf8_byte_order_mark", "\xEF\xBB\xBF" "casa", {}, false, {{"4.txt", "CASA\r\n"}}, 1, 1},
        HarvestCase{"empty_text", "", {}, false, {}, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Harvest, Utf8AndWindows1252TextsLeaveTheSameFiles)
{
    HarvestFolders utf8;
    HarvestFolders singleByte;
    Harvest fromUtf8(utf8.WriteText(QStringLiteral("t.txt"), "perché la città è là\r\nÈ così\r\n"),
                     ProgramFiles(utf8.words.path()), false);
    Harvest fromSingleByte(
        singleByte.WriteText(QStringLiteral("t.txt"), "perch\xE9 la citt\xE0 \xE8 l\xE0\r\n\xC8 cos\xEC\r\n"),
        ProgramFiles(singleByte.words.path()), false);

    ASSERT_EQ(fromUtf8.RunToEnd(), Harvest::State::Finished);
    ASSERT_EQ(fromSingleByte.RunToEnd(), Harvest::State::Finished);

    EXPECT_EQ(utf8.WordFiles(), singleByte.WordFiles());
    EXPECT_EQ(utf8.WordFiles(),
              (Files{{"2.txt", "LA\r\n"}, {"4.txt", "COSI\r\n"}, {"5.txt", "CITTA\r\n"}, {"6.txt", "PERCHE\r\n"}}))
        << Describe(utf8.WordFiles());
}

// An installed copy: the words go to the user's copies of the word files, a shipped
// file's lines first; the shipped files stay as they were.
TEST(Harvest, AnInstalledCopyHarvestsIntoTheUsersFolder)
{
    HarvestFolders folders;
    folders.WriteWords(QStringLiteral("4.TXT"), "CASA\r\n");
    folders.WriteWords(QString::fromLatin1(ProgramFolder::kInstalledMarker), "");
    const Files shipped = folders.WordFiles();
    QTemporaryDir userRoot;
    const QString user = QDir(userRoot.path()).filePath(QStringLiteral("letterama"));
    const ProgramFiles installed = ProgramFiles::Of(folders.words.path(), user);
    ASSERT_TRUE(installed.HasUserFolder());

    Harvest harvest(folders.WriteText(QStringLiteral("t.txt"), "casa mare sole\r\n"), installed, false);
    ASSERT_EQ(harvest.RunToEnd(), Harvest::State::Finished) << harvest.Error().toStdString();

    EXPECT_EQ(folders.WordFiles(), shipped);
    EXPECT_EQ(HarvestFolders::FilesOf(user), (Files{{"4.TXT", "CASA\r\nMARE\r\nSOLE\r\n"}}))
        << Describe(HarvestFolders::FilesOf(user));
}

TEST(Harvest, SameTextTwiceAppendsNothingTheSecondTime)
{
    HarvestFolders folders;
    const QString text = folders.WriteText(QStringLiteral("t.txt"), "il mare è blu, il cielo è blu\r\n");
    Harvest first(text, ProgramFiles(folders.words.path()), false);
    ASSERT_EQ(first.RunToEnd(), Harvest::State::Finished);
    const Files afterFirst = folders.WordFiles();

    Harvest second(text, ProgramFiles(folders.words.path()), false);
    ASSERT_EQ(second.RunToEnd(), Harvest::State::Finished);

    EXPECT_EQ(second.Counts().appended, 0);
    EXPECT_EQ(second.Counts().known, first.Counts().appended + first.Counts().known);
    EXPECT_EQ(folders.WordFiles(), afterFirst);
}

TEST(Harvest, StepsReadTheTextInPiecesAndReportEachAppendedWord)
{
    HarvestFolders folders;
    QByteArray text;
    for (int i = 0; i < 200; ++i)
        text += "una riga di testo con parole\r\n";
    Harvest harvest(folders.WriteText(QStringLiteral("t.txt"), text), ProgramFiles(folders.words.path()), false);
    QStringList appended;
    harvest.onAppended = [&appended](const QString& word) { appended.append(word); };

    int steps = 0;
    qint64 lastRead = 0;
    while (harvest.Step(100) == Harvest::State::Running) {
        ++steps;
        EXPECT_GT(harvest.BytesRead(), lastRead);
        lastRead = harvest.BytesRead();
        ASSERT_LT(steps, 10000);
    }

    EXPECT_EQ(harvest.CurrentState(), Harvest::State::Finished);
    EXPECT_GE(steps, 50);
    EXPECT_EQ(harvest.BytesRead(), harvest.SourceBytes());
    EXPECT_EQ(appended, (QStringList{"UNA", "RIGA", "DI", "TESTO", "CON", "PAROLE"}));
}

TEST(Harvest, NoiseWithoutNulBytesEndsWithoutHangingAndWritesOnlyWords)
{
    HarvestFolders folders;
    QByteArray bytes;
    for (qint64 i = 0; i < 600 * 1024; ++i)
        bytes.append(static_cast<char>((i * 7919) % 251 + 1));
    Harvest harvest(folders.WriteText(QStringLiteral("image.bin"), bytes), ProgramFiles(folders.words.path()), true);

    ASSERT_EQ(harvest.RunToEnd(), Harvest::State::Finished);

    EXPECT_EQ(harvest.BytesRead(), bytes.size());
    for (const auto& [name, content] : folders.WordFiles()) {
        for (const QByteArray& line : content.split('\n')) {
            const QByteArray word = line.chopped(line.endsWith('\r') ? 1 : 0);
            EXPECT_TRUE(std::all_of(word.begin(), word.end(), [](char c) { return c >= 'A' && c <= 'Z'; }))
                << name.toStdString() << ": " << word.toStdString();
        }
    }
}

TEST(Harvest, TextWithoutLineEndsIsReadInBoundedPieces)
{
    HarvestFolders folders;
    const QByteArray text = QByteArray("casa ").repeated(40000) + QByteArray("a").repeated(200000) + " mare";
    Harvest harvest(folders.WriteText(QStringLiteral("t.txt"), text), ProgramFiles(folders.words.path()), false);

    ASSERT_EQ(harvest.RunToEnd(), Harvest::State::Finished);

    EXPECT_EQ(folders.WordFiles(), (Files{{"4.txt", "CASA\r\nMARE\r\n"}})) << Describe(folders.WordFiles());
    EXPECT_EQ(harvest.Counts().known, 39999);
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// The start of an executable: its header, then names of letters only, far from the
// NUL bytes of the header.
QByteArray ProgramBytes()
{
    QByteArray bytes("\x7f" "ELF\x02\x01\x01", 7);
    bytes.append(QByteArray(9, '\0'));
    bytes.append(QByteArray(" GLIBC printf malloc ").repeated(4000));
    return bytes;
}

struct BadSource {
    const char* name;
    const char* file;  // in the text folder
    void (*make)(const QString& path);
    const char* message;
};

class UnreadableSource : public ::testing::TestWithParam<BadSource> {};

TEST_P(UnreadableSource, FailsWithAMessageNamingTheFile)
{
    HarvestFolders folders;
    const QString path = folders.TextPath(QString::fromLatin1(GetParam().file));
    if (GetParam().make)
        GetParam().make(path);
    Harvest harvest(path, ProgramFiles(folders.words.path()), false);

    EXPECT_EQ(harvest.RunToEnd(), Harvest::State::Failed);

    EXPECT_TRUE(harvest.Error().contains(QString::fromUtf8(GetParam().message))) << harvest.Error().toStdString();
    EXPECT_TRUE(harvest.Error().contains(QString::fromLatin1(GetParam().file))) << harvest.Error().toStdString();
    EXPECT_TRUE(folders.WordFiles().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Sources, UnreadableSource,
    ::testing::Values(
        BadSource{"missing", "manca.txt", nullptr, "Il file"},
        BadSource{"folder", "cartella.txt", [](const QString& path) { QDir().mkpath(path); },
                  "Il file"},
        BadSource{"fifo", "tubo.txt", [](const QString& path) { ::mkfifo(QFile::encodeName(path), 0600); },
                  "Il file"},
        // A program whose strings hold words ("ELF", "GLIBC"), and a text in UTF-16.
        BadSource{"program", "ls", [](const QString& path) { WriteBytes(path, ProgramBytes()); },
                  "contiene dati binari"},
        BadSource{"utf16_text", "utf16.txt",
                  [](const QString& path) { WriteBytes(path, QByteArray("c\0a\0s\0a\0 \0m\0a\0r\0e\0", 18)); },
                  "contiene dati binari"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Harvest, UnwritableTargetStopsTheRunKeepingEarlierWords)
{
    HarvestFolders folders;
    QDir(folders.words.path()).mkdir(QStringLiteral("4.txt"));
    Harvest harvest(folders.WriteText(QStringLiteral("t.txt"), "io tu casa mare sole\r\n"), ProgramFiles(folders.words.path()),
                    false);

    EXPECT_EQ(harvest.RunToEnd(), Harvest::State::Failed);

    EXPECT_TRUE(harvest.Error().contains(QStringLiteral("4.txt"))) << harvest.Error().toStdString();
    EXPECT_EQ(folders.WordFiles(), (Files{{"2.txt", "IO\r\nTU\r\n"}}));
    EXPECT_EQ(harvest.Counts().appended, 2);
}

TEST(Harvest, UnreadableTextByPermissionFails)
{
    HarvestFolders folders;
    const QString path = folders.WriteText(QStringLiteral("chiuso.txt"), "casa\r\n");
    QFile::setPermissions(path, QFileDevice::Permissions());
    if (QFile file(path); file.open(QIODevice::ReadOnly))
        GTEST_SKIP() << "running as a user that reads any file";
    Harvest harvest(path, ProgramFiles(folders.words.path()), false);

    EXPECT_EQ(harvest.RunToEnd(), Harvest::State::Failed);
    EXPECT_TRUE(harvest.Error().contains(QStringLiteral("chiuso.txt")));
}

TEST(HarvestAsReader, TakesExactlyTheWordsAReaderWould)
{
    // A short paragraph: commas, full stops, an apostrophe, a name inside a sentence,
    // a word at the line's end before a full stop, and a word already known.
    const QByteArray text = "Quella sera Renzo tornò a casa, stanchi.\r\n"
                            "Dell'anno passato, disse, resta poco: il mare\r\n"
                            "e la casa.\r\n";
    HarvestFolders folders;
    folders.WriteWords(QStringLiteral("2.txt"), "IL\r\n");
    Harvest harvest(folders.WriteText(QStringLiteral("testo.txt"), text), ProgramFiles(folders.words.path()), false,
                    Harvest::Cutting::AsReader);
    ASSERT_EQ(harvest.RunToEnd(), Harvest::State::Finished) << harvest.Error().toStdString();
    EXPECT_EQ(folders.WordFiles(), (Files{
                                       {"2.txt", "IL\r\nLA\r\n"},
                                       {"4.txt", "SERA\r\nCASA\r\nANNO\r\nPOCO\r\nMARE\r\n"},
                                       {"5.txt", "TORNO\r\nDISSE\r\nRESTA\r\n"},
                                       {"6.txt", "QUELLA\r\n"},
                                       {"7.txt", "STANCHI\r\nPASSATO\r\n"},
                                   }))
        << Describe(folders.WordFiles());
    EXPECT_EQ(harvest.Counts().appended, 12) << "one-letter words are no words of the files";

    // The same text cut at blanks only keeps the words' punctuation and so drops them.
    HarvestFolders plain;
    Harvest atBlanks(plain.WriteText(QStringLiteral("testo.txt"), text), ProgramFiles(plain.words.path()), false);
    ASSERT_EQ(atBlanks.RunToEnd(), Harvest::State::Finished);
    EXPECT_FALSE(plain.WordFiles().count("7.txt")) << Describe(plain.WordFiles());
    EXPECT_TRUE(plain.WordFiles().count("5.txt")) << "RENZO, the name, is taken";
}

}  // namespace
