// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;
class SpellingPass;

// The interactive part of a spelling check: shows each word the dictionary does not
// know with its suggestions, and lets the user take a suggestion or type a
// correction ("&Cambia") or let the word stand ("&Ignora"). It closes as accepted
// when the walk reaches the end of the text; "Annulla" drops every change.
class SpellCheckDialog : public QDialog {
    Q_OBJECT
public:
    // `pass` must stand on its first unknown word.
    explicit SpellCheckDialog(SpellingPass& pass, QWidget* parent = nullptr);

private:
    void ShowCurrentWord();
    void Change();
    void Ignore();
    void Advance();

    SpellingPass& pass_;
    QLineEdit* unknownWord_;
    QLineEdit* changeTo_;
    QListWidget* suggestions_;
    QPushButton* changeButton_;
    QPushButton* ignoreButton_;
    QPushButton* cancelButton_;
};
