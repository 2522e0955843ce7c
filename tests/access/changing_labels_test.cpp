// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary_editor/ui/dictionary_editor_window.h"
#include "tests/support/fake_platform.h"
#include "tests/support/fake_spell_checker.h"
#include "model/game_state.h"
#include "game/ui/game_view.h"
#include "gleaner/ui/gleaner_window.h"
#include "scoring/ui/high_score_window.h"
#include "tests/support/run_until.h"
#include "game/ui/spoken_announcer.h"
#include "tests/support/temp_program_folder.h"
#include "platform/core/program_files.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

struct Services {
    TempProgramFolder folder;
    ProgramFiles files{folder.Path()};
    FakePlatform fakes;
    FakeSpellChecker spelling;
    GameState state;
};

QStringList Names()
{
    return {QStringLiteral("ANONIMO"), QStringLiteral("Valentina (CPU)"), QStringLiteral("Giacomo (CPU)"),
            QStringLiteral("Andrea (CPU)")};
}

// A window, the control in it whose text changes during play, and how it changes.
struct ChangingLabelRow {
    const char* what;
    std::function<std::unique_ptr<QWidget>(Services&)> make;
    std::function<QWidget*(QWidget&)> control;
    std::function<void(QWidget&, const QString&)> show;
    const char* text;
};

void SetLabelText(QWidget& label, const QString& text)
{
    static_cast<QLabel&>(label).setText(text);
}

QWidget* Child(QWidget& window, const char* objectName)
{
    return window.findChild<QWidget*>(QString::fromLatin1(objectName));
}

class ChangingLabels : public ::testing::TestWithParam<ChangingLabelRow> {};

TEST_P(ChangingLabels, AreReadWithTheirCurrentText)
{
    const ChangingLabelRow& row = GetParam();
    Services services;
    std::unique_ptr<QWidget> window = row.make(services);
    window->show();
    QWidget* control = row.control(*window);
    ASSERT_NE(control, nullptr) << row.what;
    const QString text = QString::fromUtf8(row.text);
    row.show(*control, text);
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
    ASSERT_NE(face, nullptr) << row.what;
    EXPECT_TRUE(face->text(QAccessible::Name).contains(text))
        << row.what << ": read as \"" << face->text(QAccessible::Name).toStdString() << "\"";
}

std::unique_ptr<QWidget> MakeGameView(Services&)
{
    return std::make_unique<GameView>(Names());
}

INSTANTIATE_TEST_SUITE_P(
    Windows, ChangingLabels,
    ::testing::Values(
        ChangingLabelRow{"clock", MakeGameView,
                         [](QWidget& w) { return static_cast<GameView&>(w).TimeLabel(); }, SetLabelText,
                         "12 / 60 Sec."},
        ChangingLabelRow{"board copy", MakeGameView,
                         [](QWidget& w) { return static_cast<GameView&>(w).BoardTextCopy(); }, SetLabelText,
                         "CASTELLOAR"},
        ChangingLabelRow{"board panel", MakeGameView,
                         [](QWidget& w) { return static_cast<GameView&>(w).BoardPanel(); },
                         [](QWidget& panel, const QString& text) { static_cast<QGroupBox&>(panel).setTitle(text); },
                         "Cliccare bottoni estrazione"},
        ChangingLabelRow{"editor total",
                         [](Services& s) {
                             return std::make_unique<DictionaryEditorWindow>(DictionaryEditorSetup{
                                 Language::Italian, QStringLiteral("SLESSICO.1"), ProgramFiles(s.folder.Path()), s.fakes.dialogs,
                                 s.fakes.http, s.spelling, {}});
                         },
                         [](QWidget& w) { return Child(w, "total"); }, SetLabelText, "48213"},
        ChangingLabelRow{"gleaner status",
                         [](Services& s) { return std::make_unique<GleanerWindow>(s.fakes.platform(), ProgramFiles(s.folder.Path())); },
                         [](QWidget& w) { return Child(w, "status"); }, SetLabelText, "Ultimato il giro"},
        ChangingLabelRow{"best player",
                         [](Services& s) { return std::make_unique<HighScoreWindow>(s.state, HighScoreMode::ViewOnly, s.fakes.platform(), s.files); },
                         [](QWidget& w) { return Child(w, "bestPlayerLabel"); }, SetLabelText, "Valentina"}),
    [](const auto& info) {
        std::string name = info.param.what;
        for (char& c : name)
            c = c == ' ' ? '_' : c;
        return name;
    });

TEST(SpokenLine, IsANotificationThatShowsEachMessageAfresh)
{
    GameView view(Names());
    view.show();
    SpokenAnnouncer* line = view.SpokenLine();
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(line);
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->role(), QAccessible::Notification);
    EXPECT_FALSE(line->isVisible()) << "nothing said yet";

    // The seconds and the announcement of one tick go out as one utterance.
    line->Say(QStringLiteral("Mancano 10 secondi"));
    line->SayAnnounced(2, 5);
    line->SayAnnounced(4, 0);
    ASSERT_TRUE(RunUntil([line] { return !line->Spoken().isEmpty(); }, 2000));
    EXPECT_EQ(line->Spoken(), QStringList{QStringLiteral("Mancano 10 secondi. Giocatori 2 e 4: parole annunciate. "
                                                         "Giocatore 2: 5 lettere; giocatore 4: nessuna parola")});
    EXPECT_EQ(face->text(QAccessible::Name), line->Spoken().back());
    EXPECT_TRUE(line->isVisible());

    line->Clear();
    EXPECT_FALSE(line->isVisible());
    EXPECT_TRUE(face->text(QAccessible::Name).isEmpty());
}

TEST(SpokenLine, AnnouncedWordStaysMaskedAndUnspoken)
{
    GameView view(Names());
    view.ShowAnnouncedWord(2, QStringLiteral("CASA"));
    view.SpokenLine()->SayAnnounced(3, 4);
    ASSERT_TRUE(RunUntil([&view] { return !view.SpokenLine()->Spoken().isEmpty(); }, 2000));
    EXPECT_EQ(view.WordBox(2)->text(), QStringLiteral("CASA"));
    const QString spoken = view.SpokenLine()->Spoken().join(QLatin1Char('|'));
    EXPECT_EQ(spoken, QStringLiteral("Giocatore 3: parola annunciata. Giocatore 3: 4 lettere"));
}

}  // namespace
