// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ui/about_window.h"
#include "lexicon/ui/confirm_window.h"
#include "dictionary_editor/ui/dictionary_editor_window.h"
#include "scoring/ui/end_of_game_window.h"
#include "tests/support/fake_platform.h"
#include "tests/support/fake_spell_checker.h"
#include "model/game_state.h"
#include "game/ui/game_view.h"
#include "gleaner/ui/gleaner_window.h"
#include "scoring/ui/high_score_window.h"
#include "platform/core/program_files.h"
#include "scoring/ui/results_window.h"
#include "tests/support/temp_program_folder.h"
#include "lexicon/ui/vocabulary_window.h"

#include <QAccessible>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// The controls of `window` that take the keyboard focus but tell a screen reader no
// name, by class and object name.
QStringList UnnamedControls(QWidget& window)
{
    QStringList unnamed;
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (!control->isVisibleTo(&window) || control->focusPolicy() == Qt::NoFocus)
            continue;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
        if (!face || face->text(QAccessible::Name).trimmed().isEmpty())
            unnamed.append(QStringLiteral("%1 \"%2\"").arg(QString::fromLatin1(control->metaObject()->className()),
                                                           control->objectName()));
    }
    return unnamed;
}

struct Services {
    TempProgramFolder folder;
    ProgramFiles files{folder.Path()};
    FakePlatform fakes;
    FakeSpellChecker spelling;
    GameState state;
};

struct WindowRow {
    const char* name;
    std::function<std::unique_ptr<QWidget>(Services&)> make;
};

class EveryControlNamed : public ::testing::TestWithParam<WindowRow> {};

TEST_P(EveryControlNamed, ForAScreenReader)
{
    Services services;
    std::unique_ptr<QWidget> window = GetParam().make(services);
    window->show();
    const QStringList unnamed = UnnamedControls(*window);
    EXPECT_TRUE(unnamed.isEmpty()) << GetParam().name << ": " << unnamed.join(QStringLiteral(", ")).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Windows, EveryControlNamed,
    ::testing::Values(
        WindowRow{"game", [](Services&) {
                      return std::make_unique<GameView>(QStringList{QStringLiteral("ANONIMO"), {}, {}, {}});
                  }},
        WindowRow{"about",
                  [](Services& s) { return std::make_unique<AboutWindow>(s.fakes.shell, s.fakes.dialogs, SiteAddress(), s.files); }},
        WindowRow{"confirm", [](Services& s) { return std::make_unique<ConfirmWindow>(s.fakes.shell, s.spelling, s.files); }},
        WindowRow{"vocabulary",
                  [](Services& s) { return std::make_unique<VocabularyWindow>(s.state.Settings, s.files, s.fakes.dialogs); }},
        WindowRow{"results",
                  [](Services& s) { return std::make_unique<ResultsWindow>(s.fakes.platform(), s.files, s.spelling); }},
        WindowRow{"high_scores",
                  [](Services& s) { return std::make_unique<HighScoreWindow>(s.state, HighScoreMode::ViewOnly, s.fakes.platform(), s.files); }},
        WindowRow{"end_of_game", [](Services&) { return std::make_unique<EndOfGameWindow>(); }},
        WindowRow{"dictionary_editor",
                  [](Services& s) {
                      return std::make_unique<DictionaryEditorWindow>(DictionaryEditorSetup{
                          Language::Italian, QStringLiteral("SLESSICO.1"), ProgramFiles(s.folder.Path()), s.fakes.dialogs,
                          s.fakes.http, s.spelling, {}, {}});
                  }},
        WindowRow{"gleaner",
                  [](Services& s) { return std::make_unique<GleanerWindow>(s.fakes.platform(), ProgramFiles(s.folder.Path())); }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
