// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/main_window_fixture.h"

#include "model/language.h"
#include "game/ui/main_menu.h"
#include "game/core/sound_effects.h"

#include <QAction>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>

using Draw = GameView::DrawButton;

namespace {

QString Sorted(QString letters)
{
    std::sort(letters.begin(), letters.end());
    return letters;
}

}  // namespace

// ---- The vowel and consonant limits ----

struct LimitRow {
    int letters;
    Draw button;
    int refusedPress;
    const char* message;
};

class DrawLimitRows : public PlayTest, public ::testing::WithParamInterface<LimitRow> {};

TEST_P(DrawLimitRows, PressPastTheLimitShowsTheMessageAndDrawsNothing)
{
    const LimitRow row = GetParam();
    Start("NumeroLettere=" + QByteArray::number(row.letters));
    for (int press = 1; press < row.refusedPress; ++press)
        Press(row.button);
    const QString before = State().DrawnLetters;
    ASSERT_EQ(before.size(), row.refusedPress - 1);
    EXPECT_TRUE(fakes.dialogs.asked.empty());

    Press(row.button);
    EXPECT_EQ(fakes.dialogs.Texts(), QStringList{QString::fromUtf8(row.message)});
    EXPECT_EQ(State().DrawnLetters, before);
    const int counter = row.button == Draw::Vowel ? State().VowelsDrawn : State().ConsonantsDrawn;
    EXPECT_EQ(counter, row.refusedPress - 1);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, DrawLimitRows,
    ::testing::Values(LimitRow{10, Draw::Vowel, 7, "Attenzione già estratte 6 vocali, estrarre ora solo consonanti"},
                      LimitRow{9, Draw::Vowel, 6, "Attenzione già estratte 5 vocali, estrarre ora solo consonanti"},
                      LimitRow{8, Draw::Vowel, 6, "Attenzione già estratte 5 vocali, estrarre ora solo consonanti"},
                      LimitRow{10, Draw::Consonant, 7,
                               "Attenzione già estratte 6 consonanti, estrarre ora solo vocali"}));

// ---- Completing the board ----

TEST_F(PlayTest, NineLettersDrawnOneByOneCompleteTheBoardAndStartTheClock)
{
    Start("NumeroLettere=9");
    MainMenu& menu = *Window().Menu();
    QAction* newGame = menu.Action(MainMenu::Command::NewGame);
    QAction* vocabulary = menu.Action(MainMenu::Command::EditVocabulary);
    for (int i = 0; i < 5; ++i)
        Press(Draw::Vowel);
    for (int i = 0; i < 3; ++i)
        Press(Draw::Consonant);
    // Part-way the game cannot be changed under the draw.
    EXPECT_FALSE(Window().MancheClock()->isActive());
    EXPECT_TRUE(View().DrawPanel()->isVisible());
    EXPECT_FALSE(newGame->isEnabled());
    EXPECT_FALSE(vocabulary->isEnabled());
    EXPECT_FALSE(menu.TimeMenu()->menuAction()->isVisible());
    EXPECT_EQ(View().BoardPanel()->title(), QString());

    SetUpState().ElapsedSeconds = 7;
    Press(Draw::Consonant);
    EXPECT_EQ(State().DrawnLetters.size(), 9);
    EXPECT_TRUE(Window().MancheClock()->isActive());
    EXPECT_EQ(Window().MancheClock()->interval(), 1000);
    EXPECT_EQ(State().ElapsedSeconds, 0);
    EXPECT_FALSE(View().DrawPanel()->isVisible());
    EXPECT_TRUE(newGame->isEnabled());
    EXPECT_TRUE(vocabulary->isEnabled());
    EXPECT_TRUE(menu.TimeMenu()->menuAction()->isVisible());
    EXPECT_EQ(View().BoardTextCopy()->text(), State().DrawnLetters);

    // A further press, even reaching the hidden button, draws nothing.
    const QString drawn = State().DrawnLetters;
    View().DrawButtonOf(Draw::Vowel)->click();
    EXPECT_EQ(State().DrawnLetters, drawn);
    EXPECT_TRUE(fakes.dialogs.asked.empty());
}

// ---- Draws from a whole string ----

struct TypedRow {
    int language;
    int letters;
    const char* typed;
    const char* drawn;  // empty: refused with a beep
};

class TypedStringRows : public PlayTest, public ::testing::WithParamInterface<TypedRow> {};

TEST_P(TypedStringRows, WrongLengthOrLettersBeepAndDrawNothing)
{
    const TypedRow row = GetParam();
    Start("NumeroLettere=" + QByteArray::number(row.letters), row.language);
    DrawTyped(QString::fromLatin1(row.typed));
    const QString drawn = QString::fromLatin1(row.drawn);
    EXPECT_EQ(State().DrawnLetters, drawn);
    EXPECT_EQ(fakes.dialogs.beeps, drawn.isEmpty() ? 1 : 0);
    EXPECT_EQ(Window().MancheClock()->isActive(), !drawn.isEmpty());
    EXPECT_EQ(View().DrawPanel()->isVisible(), drawn.isEmpty());
    EXPECT_EQ(State().SourceWord, drawn);
    if (drawn.isEmpty()) {
        EXPECT_EQ(View().BoardPanel()->title(), QStringLiteral("Area estrazione lettere"));
    }
}

INSTANTIATE_TEST_SUITE_P(Strings, TypedStringRows,
                         ::testing::Values(TypedRow{1, 9, "CASTELLO", ""}, TypedRow{1, 10, "CASTELLOKA", ""},
                                           TypedRow{2, 10, "CASTELLOKA", "CASTELLOKA"},
                                           TypedRow{1, 10, "castelloar", "CASTELLOAR"},
                                           TypedRow{1, 8, "CASTEL O", ""}));

TEST_F(PlayTest, ProgramChosenDrawUsesEachLetterOfALexiconWordOnce)
{
    Start();
    fakes.random.fallback = 0.37;
    for (const double r : {0.0, 0.9, 0.5, 0.1, 0.7, 0.3})
        fakes.random.values.push_back(r);
    Press(Draw::ComputerWord);
    EXPECT_EQ(Sorted(State().DrawnLetters), Sorted(QStringLiteral("CAMPANELLO")));
    EXPECT_EQ(State().SourceWord, State().DrawnLetters);
    EXPECT_TRUE(Window().MancheClock()->isActive());
    EXPECT_EQ(fakes.dialogs.beeps, 0);
}

// ---- Long work overtaken ----

TEST_F(PlayTest, LanguageChangeDuringTheFlyInAbandonsTheDraw)
{
    Start();
    WriteLexicon(2);
    // Runs inside the first tile's fly-in, as a menu choice of the player would.
    QTimer::singleShot(0, &Window(), [this] { Window().Menu()->LanguageItem(2)->trigger(); });
    Press(Draw::Auto);
    EXPECT_EQ(static_cast<int>(State().Settings.LexiconLanguage), 2);
    EXPECT_EQ(State().DrawnLetters, QString());
    EXPECT_FALSE(Window().MancheClock()->isActive());
    EXPECT_TRUE(View().DrawPanel()->isVisible());
    EXPECT_EQ(View().BoardPanel()->title(), QStringLiteral("Area estrazione lettere"));
    EXPECT_TRUE(Window().Menu()->Action(MainMenu::Command::NewGame)->isEnabled());

    Press(Draw::Auto);
    EXPECT_EQ(State().DrawnLetters.size(), 10);
}

// ---- Sound without a sound device ----

TEST_F(PlayTest, WithoutASoundDeviceADrawIsAsQuickAsWithSoundOff)
{
    // Every letter's sound is still handed to the platform; only the 0.6 s hold
    // after it, which lets it be heard, has nothing to wait for. Held, the ten
    // letters would take six seconds to reach the clock.
    const struct {
        bool soundOn;
        bool device;
    } machines[] = {{false, false}, {true, false}};
    for (const auto& machine : machines) {
        Start();
        SetUpState().Settings.SoundOn = machine.soundOn;
        fakes.wave.hasOutput = machine.device;
        fakes.wave.played.clear();
        QElapsedTimer toTheClock;
        toTheClock.start();
        Press(Draw::Auto);
        ASSERT_TRUE(Window().MancheClock()->isActive());
        EXPECT_LT(toTheClock.elapsed(), 3 * SoundEffects::kHold.count()) << "sound on: " << machine.soundOn;
        EXPECT_EQ(fakes.wave.played.size(), machine.soundOn ? 10 : 0);
        window.reset();
    }
}
