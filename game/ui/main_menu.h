// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <map>

class QAction;
class QActionGroup;
class QMenu;
class QMenuBar;

// The main window's menu bar: "&File", "&Opzioni" and "&?". Items that choose one of
// several values sit in exclusive groups and carry their value as data; the window
// connects the handlers.
class MainMenu : public QObject {
    Q_OBJECT

public:
    enum class Command {
        NewGame,
        EditVocabulary,
        DailyChallenge,
        HighScores,
        ManageDictionary,
        Quit,
        Sound,
        Help,
        WordRules,
        Mail,
        HomePage,
        OnlineGame,
        DictionaryGarzanti,
        DictionaryPiazzadante,
        EncyclopediaLogos,
        About,
        Pause,
        FullScreen,
    };

    explicit MainMenu(QMenuBar* bar);

    QAction* Action(Command command) const { return commands_.at(command); }

    // The item of a value: letters 8, 9, 10; seconds 30, 60, 90, 32000; tile styles
    // 1 to 4; levels 1 to 3; languages 1 to 3. Null for any other value.
    QAction* LetterCountItem(int letters) const;
    QAction* TimeItem(int seconds) const;
    QAction* TileStyleItem(int style) const;
    QAction* LevelItem(int level) const;
    QAction* LanguageItem(int language) const;

    QActionGroup* LetterCountGroup() const { return letterCounts_; }
    QActionGroup* TimeGroup() const { return times_; }
    QActionGroup* TileStyleGroup() const { return tileStyles_; }
    QActionGroup* LevelGroup() const { return levels_; }
    QActionGroup* LanguageGroup() const { return languages_; }

    QMenu* FileMenu() const { return fileMenu_; }
    QMenu* OptionsMenu() const { return optionsMenu_; }
    QMenu* TimeMenu() const { return timeMenu_; }
    QMenu* HelpMenu() const { return helpMenu_; }

    // Checks the item of `value` in `group` and no other; with no item of that value
    // every item ends unchecked.
    static void CheckOnly(QActionGroup* group, int value);
    // The value of the checked item of `group`; 0 when none is checked.
    static int CheckedValue(const QActionGroup* group);

private:
    QAction* AddCommand(QMenu* menu, Command command, const QString& caption);
    QActionGroup* AddChoices(QMenu* menu, const std::map<int, QString>& captions, const QList<int>& order);
    static QAction* ItemOf(const QActionGroup* group, int value);

    std::map<Command, QAction*> commands_;
    QActionGroup* letterCounts_ = nullptr;
    QActionGroup* times_ = nullptr;
    QActionGroup* tileStyles_ = nullptr;
    QActionGroup* levels_ = nullptr;
    QActionGroup* languages_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QMenu* optionsMenu_ = nullptr;
    QMenu* timeMenu_ = nullptr;
    QMenu* helpMenu_ = nullptr;
};
