// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ui/board/word_box_filter.h"

#include "model/game_state.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

const QString kItalianAlphabet = QStringLiteral("ABCDEFGHILMNOPQRSTUVZ");

struct KeyRow {
    const char* what;
    int key;
    Qt::KeyboardModifiers modifiers;
    const char* text;
    WordBoxKey expected;
};

class WordBoxKeyTable : public ::testing::TestWithParam<KeyRow> {};

TEST_P(WordBoxKeyTable, DecidesWhatTypes)
{
    const KeyRow& row = GetParam();
    EXPECT_EQ(ClassifyWordBoxKey(row.key, row.modifiers, QString::fromUtf8(row.text), kItalianAlphabet), row.expected)
        << row.what;
}

INSTANTIATE_TEST_SUITE_P(
    Keys, WordBoxKeyTable,
    ::testing::Values(
        KeyRow{"plain letter", Qt::Key_V, Qt::NoModifier, "v", WordBoxKey::Pass},
        KeyRow{"shifted letter", Qt::Key_V, Qt::ShiftModifier, "V", WordBoxKey::Pass},
        KeyRow{"letter outside the alphabet", Qt::Key_K, Qt::NoModifier, "k", WordBoxKey::Swallow},
        KeyRow{"digit", Qt::Key_1, Qt::NoModifier, "1", WordBoxKey::Swallow},
        KeyRow{"Alt+V is an access key", Qt::Key_V, Qt::AltModifier, "v", WordBoxKey::Swallow},
        KeyRow{"Alt+Shift+T", Qt::Key_T, Qt::AltModifier | Qt::ShiftModifier, "T", WordBoxKey::Swallow},
        KeyRow{"Alt alone types nothing", Qt::Key_T, Qt::AltModifier, "", WordBoxKey::Swallow},
        KeyRow{"AltGr as Ctrl+Alt giving @", Qt::Key_At, Qt::ControlModifier | Qt::AltModifier, "@",
               WordBoxKey::Swallow},
        KeyRow{"AltGr group switch giving a euro sign", Qt::Key_E, Qt::GroupSwitchModifier, "\u20ac",
               WordBoxKey::Swallow},
        KeyRow{"AltGr giving a letter of the alphabet", Qt::Key_A, Qt::GroupSwitchModifier, "a", WordBoxKey::Pass},
        KeyRow{"AltGr giving an accented letter", Qt::Key_E, Qt::ControlModifier | Qt::AltModifier, "\u00e8",
               WordBoxKey::Swallow},
        KeyRow{"Ctrl+C copies", Qt::Key_C, Qt::ControlModifier, "\x03", WordBoxKey::Pass},
        KeyRow{"Enter finishes", Qt::Key_Return, Qt::NoModifier, "\r", WordBoxKey::Finish},
        KeyRow{"keypad Enter finishes", Qt::Key_Enter, Qt::KeypadModifier, "\r", WordBoxKey::Finish},
        KeyRow{"Tab moves on", Qt::Key_Tab, Qt::NoModifier, "\t", WordBoxKey::Pass},
        KeyRow{"Backspace deletes", Qt::Key_Backspace, Qt::NoModifier, "\b", WordBoxKey::Pass}));

// A word box beside a button with an access key, as in the main window.
struct AccessKeyFixture : ::testing::Test {
    GameState state;
    QWidget window;
    QLineEdit* box = new QLineEdit(&window);
    QPushButton* vowel = new QPushButton(QStringLiteral("&Vocale"), &window);
    int clicks = 0;

    void SetUp() override
    {
        state.Alphabet = kItalianAlphabet;
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(box);
        layout->addWidget(vowel);
        new WordBoxFilter(box, state.Alphabet, [] {});
        QObject::connect(vowel, &QPushButton::clicked, [this] { ++clicks; });
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        box->setFocus();
    }
};

TEST_F(AccessKeyFixture, AltLetterPressesTheButtonAndTypesNothing)
{
    QTest::keyClick(box, Qt::Key_V, Qt::AltModifier);
    QTest::qWait(200);  // the button's animated click ends on a timer
    EXPECT_TRUE(box->text().isEmpty());
    EXPECT_EQ(clicks, 1);
    QTest::keyClicks(box, QStringLiteral("va"));
    EXPECT_EQ(box->text(), QStringLiteral("va"));
}

}  // namespace

namespace {

TEST_F(AccessKeyFixture, AltLetterWithoutAButtonTypesNothingEither)
{
    vowel->hide();  // as the draw buttons during a manche
    for (const Qt::Key key : {Qt::Key_V, Qt::Key_C, Qt::Key_T})
        QTest::keyClick(box, key, Qt::AltModifier);
    EXPECT_TRUE(box->text().isEmpty());
    EXPECT_EQ(clicks, 0);
}

}  // namespace
