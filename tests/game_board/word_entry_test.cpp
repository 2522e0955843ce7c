// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ui/board/word_box_filter.h"
#include "game/core/word_entry.h"

#include "model/game_state.h"
#include "model/language.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {

GameState GameIn(int language)
{
    GameState state;
    state.Settings.LexiconLanguage = static_cast<Language>(language);
    state.Alphabet = TableOf(static_cast<Language>(language)).Alphabet;
    return state;
}

// A word box with the key filter, as the main window wires each of its four.
struct WordBoxFixture : ::testing::Test {
    GameState state = GameIn(1);
    QLineEdit box;
    int finishes = 0;
    int focusings = 0;

    void SetUp() override
    {
        new WordBoxFilter(&box, state.Alphabet, [this] { ++finishes; }, [this] { ++focusings; });
    }

    // Types each character as its own key, accented letters included (which the
    // test library's key clicks cannot send).
    void Type(const QString& text)
    {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(&box, &press);
            QApplication::sendEvent(&box, &release);
        }
    }
};

}  // namespace

TEST(WordEntryRules, KeyVerdicts)
{
    using WordEntry::KeyVerdict;
    const QString italian = TableOf(Language::Italian).Alphabet;
    const QString english = TableOf(Language::English).Alphabet;
    struct Row {
        QChar key;
        const QString& alphabet;
        KeyVerdict verdict;
    };
    for (const Row& row : {Row{'a', italian, KeyVerdict::Keep}, Row{'Z', italian, KeyVerdict::Keep},
                           Row{'j', italian, KeyVerdict::Discard}, Row{'j', english, KeyVerdict::Keep},
                           Row{'W', english, KeyVerdict::Keep}, Row{QChar(0xE0), english, KeyVerdict::Discard},
                           Row{QChar(0xC8), italian, KeyVerdict::Discard}, Row{'7', english, KeyVerdict::Discard},
                           Row{' ', italian, KeyVerdict::Discard}, Row{'\'', italian, KeyVerdict::Discard},
                           Row{QChar(8), italian, KeyVerdict::Keep}, Row{QChar(13), italian, KeyVerdict::Finish},
                           Row{QChar(0x3B1), english, KeyVerdict::Discard}})
        EXPECT_EQ(WordEntry::FilterKey(row.key, row.alphabet), row.verdict) << int(row.key.unicode());
}

TEST(WordEntryRules, CaptionCountsTheCharacters)
{
    EXPECT_EQ(WordEntry::Caption(5), "Parola trovata:  (5 Caratt.) ");
    EXPECT_EQ(WordEntry::Caption(0), "Parola trovata:  (0 Caratt.) ");
    EXPECT_EQ(WordEntry::kCaption, "Parola trovata:");
}

TEST(WordEntryRules, OnlyTheComputersBoxesAreMaskedAgainstOneHuman)
{
    using Masks = std::array<bool, 4>;
    GameState state;
    EXPECT_EQ(WordEntry::MaskWordBoxes(state.Players), (Masks{false, true, true, true}));

    // Any second human at the keyboard masks every box.
    for (int slot = 1; slot < 4; ++slot) {
        GameState twoHumans;
        twoHumans.Players[slot].Name = "Marco";
        EXPECT_EQ(WordEntry::MaskWordBoxes(twoHumans.Players), (Masks{true, true, true, true})) << slot;
    }
    // Slot 0 does not count, whatever its name.
    state.Players[0].Name = "Robot (CPU)";
    EXPECT_EQ(WordEntry::MaskWordBoxes(state.Players), (Masks{false, true, true, true}));
}

TEST_F(WordBoxFixture, OnlyPlainLettersAreTyped)
{
    Type(QStringLiteral("a1\u00e0 b"));
    EXPECT_EQ(box.text(), "ab");
    Type(QStringLiteral("C.,;-?\u00c8e"));
    EXPECT_EQ(box.text(), "abCe");
}

TEST_F(WordBoxFixture, LettersOfOtherAlphabetsFollowTheLanguage)
{
    QTest::keyClicks(&box, "jazz");
    EXPECT_EQ(box.text(), "azz");
    box.clear();
    state.Alphabet = TableOf(Language::English).Alphabet;
    QTest::keyClicks(&box, "jazz");
    EXPECT_EQ(box.text(), "jazz");
}

TEST_F(WordBoxFixture, EnterFinishesWithoutTypingAndFocusIsReported)
{
    QTest::keyClicks(&box, "casa");
    QTest::keyClick(&box, Qt::Key_Return);
    QTest::keyClick(&box, Qt::Key_Enter);
    EXPECT_EQ(finishes, 2);
    EXPECT_EQ(box.text(), "casa");

    QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(&box, &focusIn);
    EXPECT_EQ(focusings, 1);
}

TEST_F(WordBoxFixture, EditingKeysStillWork)
{
    QTest::keyClicks(&box, "casa");
    QTest::keyClick(&box, Qt::Key_Backspace);
    QTest::keyClick(&box, Qt::Key_Home);
    QTest::keyClick(&box, Qt::Key_Delete);
    QTest::keyClick(&box, Qt::Key_Right);
    QTest::keyClicks(&box, "e");
    EXPECT_EQ(box.text(), "aes");
}

TEST_F(WordBoxFixture, PastedTextIsCleanedLikeTypedText)
{
    QApplication::clipboard()->setText(QStringLiteral("ca 5s\u00e0a!"));
    QTest::keyClicks(&box, "b");
    box.paste();
    EXPECT_EQ(box.text(), "bcasa");
    EXPECT_EQ(box.cursorPosition(), 5);
}

TEST(WordBoxMask, MaskedBoxesShowStars)
{
    QLineEdit box;
    box.setText("casa");
    ApplyWordBoxMask(box, true);
    EXPECT_EQ(box.displayText(), "****");
    ApplyWordBoxMask(box, true);
    ApplyWordBoxMask(box, false);
    EXPECT_EQ(box.displayText(), "casa");
    EXPECT_EQ(box.text(), "casa");
}
