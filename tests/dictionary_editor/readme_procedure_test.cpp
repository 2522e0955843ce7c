// SPDX-License-Identifier: GPL-3.0-or-later
// The README's "Keeping the word lists", followed word for word on a copy of the
// shipped Italian lexicon: harvest a chapter with Gleaner, import, review, rebuild.
// The lexicon ends with every word it shipped with plus the harvest's new ones.
#include "dictionary_editor/ui/dictionary_editor_window.h"
#include "tests/support/fake_platform.h"
#include "tests/support/fake_spell_checker.h"
#include "gleaner/ui/folder_browser.h"
#include "gleaner/ui/gleaner_window.h"
#include "model/language.h"
#include "dictionary_editor/core/lexicon_rebuild.h"
#include "lexicon/core/lexicon_words.h"
#include "lexicon/core/per_length_files.h"
#include "tests/support/temp_program_folder.h"
#include "lexicon/core/word_lookup.h"
#include "platform/core/program_files.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QListView>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A chapter of our own: a name at the start of a sentence (harvested, to be deleted
// in the review), names inside sentences (skipped), elisions, and a few words no
// dictionary holds.
const QByteArray kChapter =
    "Zarvolia \xC3\xA8 una citt\xC3\xA0 che non esiste. Il viaggiatore vi giunse con Marco, dell'anno scorso,\r\n"
    "portando gnappoli e trumboli per il mercato; nessuno parlava di Dante Alighieri.\r\n"
    "\r\n"
    "Le strade erano strette e la sbrindola del porto suonava ogni sera.\r\n";

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class ReadmeProcedure : public ::testing::TestWithParam<bool> {};

TEST_P(ReadmeProcedure, EndsWithEveryShippedWordPlusTheHarvestsNewOnes)
{
    const bool skipKnown = GetParam();
    const QString shipped = QDir(qEnvironmentVariable("LETTERAMA_PROGRAM_DIR")).filePath(QStringLiteral("SLESSICO.1"));
    const QByteArray original = ReadFile(shipped);
    ASSERT_GT(original.size(), 1'000'000) << shipped.toStdString();
    TempProgramFolder folder;  // the game's folder, which Gleaner shares
    folder.Write(QStringLiteral("SLESSICO.1"), original);
    QTemporaryDir texts;
    QFile chapter(QDir(texts.path()).filePath(QStringLiteral("capitolo.txt")));
    ASSERT_TRUE(chapter.open(QIODevice::WriteOnly));
    chapter.write(kChapter);
    chapter.close();
    FakePlatform fakes;

    // 1. Harvest: both boxes ticked, one click on the file.
    GleanerWindow gleaner(fakes.platform(), ProgramFiles(folder.Path()));
    gleaner.findChild<QCheckBox*>(QStringLiteral("readerWords"))->setChecked(true);
    gleaner.findChild<QCheckBox*>(QStringLiteral("skipKnown"))->setChecked(skipKnown);
    ASSERT_TRUE(gleaner.Browser().ShowFolder(texts.path()));
    gleaner.StartHarvest(chapter.fileName());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !gleaner.Harvesting(); }, 20000));
    ASSERT_TRUE(fakes.dialogs.asked.empty()) << fakes.dialogs.LastText().toStdString();
    QStringList harvested;
    for (int length = 3; length <= 10; ++length) {
        const PerLengthFiles::ReadResult file = PerLengthFiles::Read(ProgramFiles(folder.Path()), length);
        if (file.status == PerLengthFiles::ReadResult::Status::Read)
            harvested += file.words;
    }
    ASSERT_TRUE(harvested.contains(QStringLiteral("ZARVOLIA")));
    ASSERT_TRUE(harvested.contains(QStringLiteral("GNAPPOLI")));
    EXPECT_FALSE(harvested.contains(QStringLiteral("ALIGHIERI"))) << "a name inside a sentence";

    // 2. Import: the default answer adds the harvest to the lists.
    FakeSpellChecker spelling;
    DictionaryEditorWindow editor(DictionaryEditorSetup{Language::Italian, TableOf(Language::Italian).LexiconFileName(), ProgramFiles(folder.Path()),
                                   fakes.dialogs, fakes.http, spelling, {}});
    editor.Open();
    editor.FinishLoad();
    QTest::mouseClick(editor.findChild<QPushButton*>(QStringLiteral("importFiles")), Qt::LeftButton);
    EXPECT_EQ(fakes.dialogs.asked.size(), 2u) << "the question, then what was added";
    if (!fakes.dialogs.asked.empty()) {
        EXPECT_EQ(fakes.dialogs.asked.front().kind, QStringLiteral("yesno-default-no"));
    }

    // 3. Review: the name is selected among the novelties and deleted.
    editor.findChild<QCheckBox*>(QStringLiteral("reviewChanges"))->setChecked(true);
    QListView* eight = editor.findChild<QListView*>(QStringLiteral("list8"));
    const QModelIndexList name =
        eight->model()->match(eight->model()->index(0, 0), Qt::DisplayRole, QStringLiteral("+ ZARVOLIA"));
    ASSERT_EQ(name.size(), 1);
    QTest::mouseClick(eight->viewport(), Qt::LeftButton, {}, eight->visualRect(name.first()).center());
    QTest::mouseClick(editor.findChild<QPushButton*>(QStringLiteral("deleteWord")), Qt::LeftButton);

    // 4. Rebuild.
    QSignalSpy reloaded(&editor, &DictionaryEditorWindow::loadFinished);
    QTest::mouseClick(editor.findChild<QPushButton*>(QStringLiteral("rebuild")), Qt::LeftButton);
    ASSERT_TRUE(reloaded.wait(20000));

    const QByteArray rebuilt = folder.Read(QStringLiteral("SLESSICO.1"));
    const LexiconLosses losses = WordsLostByRebuild(original, rebuilt);
    EXPECT_EQ(losses.Total(), 0) << "every shipped word is still there";
    const std::shared_ptr<const LexiconWords> before = LexiconWords::FromFileBytes(original);
    const std::shared_ptr<const LexiconWords> after = LexiconWords::FromFileBytes(rebuilt);
    ASSERT_TRUE(before && after);
    qsizetype fresh = 0;
    for (const QString& word : harvested) {
        if (word == QLatin1String("ZARVOLIA")) {
            EXPECT_FALSE(WordLookup::InLexicon(*after, word)) << "deleted in the review";
            continue;
        }
        EXPECT_TRUE(WordLookup::InLexicon(*after, word)) << word.toStdString();
        if (!WordLookup::InLexicon(*before, word))
            ++fresh;
    }
    EXPECT_GE(fresh, 2) << "GNAPPOLI and TRUMBOLI at least";
    EXPECT_EQ(after->Index().WordCount(), before->Index().WordCount() + fresh);
}

INSTANTIATE_TEST_SUITE_P(SkipBox, ReadmeProcedure, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "AsWritten" : "WithoutTheSkipBox"; });

}  // namespace
