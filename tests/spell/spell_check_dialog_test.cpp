// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/spell_check_dialog.h"

#include "tests/support/fake_platform.h"
#include "tests/support/fake_speller.h"
#include "platform/ui/hunspell_dictionary.h"
#include "platform/ui/hunspell_spell_checker.h"
#include "model/language.h"
#include "platform/ui/spelling_pass.h"
#include "tests/support/temp_program_folder.h"
#include "tests/support/when_modal_opens.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QListWidget* Suggestions(QWidget* dialog)
{
    return dialog->findChild<QListWidget*>(QStringLiteral("suggestions"));
}
QLineEdit* ChangeTo(QWidget* dialog)
{
    return dialog->findChild<QLineEdit*>(QStringLiteral("changeTo"));
}
void Click(QWidget* dialog, const char* name)
{
    QTest::mouseClick(dialog->findChild<QPushButton*>(QLatin1String(name)), Qt::LeftButton);
}
// Clicks the suggestion that reads `text`.
void PickSuggestion(QWidget* dialog, const QString& text)
{
    QListWidget* list = Suggestions(dialog);
    const QList<QListWidgetItem*> items = list->findItems(text, Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1) << text.toStdString();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(items[0]).center());
}

class SpellCheckDialogTest : public ::testing::Test {
protected:
    FakeSpeller speller{{"il", "di"}, {{"caza", {"cara", "casa", "cazza"}}, {"magliome", {"maglione"}}}};
};

TEST_F(SpellCheckDialogTest, ChosenSuggestionReplacesTheWord)
{
    SpellingPass pass(QStringLiteral("caza"), speller);
    ASSERT_TRUE(pass.Next());
    SpellCheckDialog dialog(pass);
    dialog.show();

    EXPECT_EQ(dialog.findChild<QLineEdit*>(QStringLiteral("unknownWord"))->text(), QStringLiteral("caza"));
    EXPECT_EQ(ChangeTo(&dialog)->text(), QStringLiteral("cara")) << "the best suggestion comes first";
    PickSuggestion(&dialog, QStringLiteral("casa"));
    EXPECT_EQ(ChangeTo(&dialog)->text(), QStringLiteral("casa"));
    Click(&dialog, "change");

    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(pass.Text(), QStringLiteral("casa"));
}

TEST_F(SpellCheckDialogTest, WalksEveryUnknownWordTypedIgnoredOrChosen)
{
    SpellingPass pass(QStringLiteral("caza di magliome il zzz"), speller);
    ASSERT_TRUE(pass.Next());
    SpellCheckDialog dialog(pass);
    dialog.show();

    Click(&dialog, "ignore");  // caza stands
    EXPECT_EQ(dialog.findChild<QLineEdit*>(QStringLiteral("unknownWord"))->text(), QStringLiteral("magliome"));
    Click(&dialog, "change");  // its only suggestion
    EXPECT_EQ(ChangeTo(&dialog)->text(), QStringLiteral("zzz")) << "no suggestion: the word itself, to retype";
    QTest::keyClicks(ChangeTo(&dialog), "zio");
    QTest::keyClick(ChangeTo(&dialog), Qt::Key_Return);  // Cambia is the default button

    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(pass.Text(), QStringLiteral("caza di maglione il zio"));
}

TEST_F(SpellCheckDialogTest, CancelClosesRejected)
{
    SpellingPass pass(QStringLiteral("caza"), speller);
    ASSERT_TRUE(pass.Next());
    SpellCheckDialog dialog(pass);
    dialog.show();
    Click(&dialog, "cancel");
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

class HunspellSpellCheckerTest : public ::testing::Test {
protected:
    Language language = Language::Italian;
    FakeDialogs dialogs;
    HunspellSpellChecker checker{[this] { return TableOf(language).HunspellLocale; }, dialogs};
};

TEST_F(HunspellSpellCheckerTest, HandsBackTheSuggestionPicked)
{
    if (!checker.DictionaryFor(QStringLiteral("it_IT")))
        GTEST_SKIP() << "no it_IT Hunspell dictionary installed";
    WhenModalOpens([](QWidget* dialog) {
        PickSuggestion(dialog, QStringLiteral("CASA"));
        Click(dialog, "change");
    });
    EXPECT_EQ(checker.SpellCheck(QStringLiteral("CAZA")), QStringLiteral("CASA"));
    EXPECT_TRUE(dialogs.asked.empty());
}

TEST_F(HunspellSpellCheckerTest, CancelledCheckHandsBackTheTextUnchanged)
{
    if (!checker.DictionaryFor(QStringLiteral("it_IT")))
        GTEST_SKIP() << "no it_IT Hunspell dictionary installed";
    WhenModalOpens([](QWidget* dialog) { Click(dialog, "cancel"); });
    EXPECT_EQ(checker.SpellCheck(QStringLiteral("magliome")), QStringLiteral("magliome"));
}

TEST_F(HunspellSpellCheckerTest, CorrectTextComesBackAsItWasWithANotice)
{
    if (!checker.DictionaryFor(QStringLiteral("it_IT")))
        GTEST_SKIP() << "no it_IT Hunspell dictionary installed";
    EXPECT_EQ(checker.SpellCheck(QStringLiteral("MAGLIONE")), QStringLiteral("MAGLIONE"));
    EXPECT_EQ(dialogs.Texts(), QStringList{QStringLiteral("Controllo ortografico completato: nessun errore trovato.")});
}

TEST_F(HunspellSpellCheckerTest, WithoutADictionaryTheTextComesBackUnchangedNeverEmpty)
{
    language = Language::Latin;  // no Hunspell dictionary
    EXPECT_EQ(checker.SpellCheck(QStringLiteral("ROSAE")), QStringLiteral("ROSAE"));
    EXPECT_EQ(dialogs.Texts(), QStringList{QStringLiteral(
                                   "Nessun dizionario ortografico installato per questa lingua: il testo resta invariato.")});

    TempProgramFolder empty;
    HunspellSpellChecker nowhere([] { return QStringLiteral("it_IT"); }, dialogs, {empty.Path()});
    EXPECT_EQ(nowhere.SpellCheck(QStringLiteral("CAZA")), QStringLiteral("CAZA"));
    EXPECT_EQ(dialogs.asked.size(), 2u);
}

}  // namespace
