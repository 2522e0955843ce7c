// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QStringList>

class Dialogs;
class ProgramFiles;
struct GameSettings;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class SpokenNotice;

// The window "Edit vocabolario personale": the player's extra words of the current
// language in a list that can be added to and deleted from. The list is a working
// copy; the file is rewritten only when the player goes back to the game.
class VocabularyWindow : public QDialog {
    Q_OBJECT
public:
    // `settings` (the language and the board size) are the game's and `files` hold the
    // vocabularies, both kept by the caller.
    VocabularyWindow(const GameSettings& settings, const ProgramFiles& files, Dialogs& dialogs,
                     QWidget* parent = nullptr);

    // Fills the list from the file of the current language and opens the window
    // modally; returns at once, and `finished` follows when the player goes back to
    // the game.
    void Open();
    // Fills the list from the file, creating the file empty when it is missing.
    void Load();

    QStringList Words() const;

public slots:
    // Closing the window in any way saves the list, as "&Torna al gioco" does. A
    // failed save asks whether to try again or to leave without saving.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void StartNewWord();
    void InsertWord();
    void DeleteWord();
    void ShowRules();
    void ReturnToGame();
    void EndEntry();
    QString Alphabet() const;

    const GameSettings& settings_;
    const ProgramFiles& files_;
    Dialogs& dialogs_;
    int language_ = 1;  // the language whose file the list was read from
    QString readError_;  // why the file could not be read; then it is never rewritten

    QListWidget* list_;
    SpokenNotice* added_;
    QLineEdit* wordBox_;
    QPushButton* newWordButton_;
    QPushButton* insertButton_;
    QPushButton* deleteButton_;
    QPushButton* rulesButton_;
    QPushButton* backButton_;
};
