// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

class QLineEdit;
class QPushButton;

// "&Aggiungi parola" opens the word box with its "&Inserisci" button; the box takes
// only the letters of the alphabet, shown in capitals, and Enter inserts the word.
// "&Cancella parola" asks for the delete of the selected words.
class WordEntryPanel : public QWidget {
    Q_OBJECT
public:
    WordEntryPanel(const QString& alphabet, QWidget* parent = nullptr);

    void SetActionsEnabled(bool enabled);
    // Hides the word box and its button until "&Aggiungi parola" again.
    void CloseWordBox();
    // After the word was handled: ready for the next one, the box emptied when the
    // word was there already, else with the word selected so that typing replaces it.
    void ReadyForNextWord(bool emptyBox);

signals:
    void wordEntered(const QString& text);
    void deleteRequested();

private:
    void OpenWordBox();

    QPushButton* addButton_;
    QLineEdit* wordBox_;
    QPushButton* insertButton_;
    QPushButton* deleteButton_;
};
