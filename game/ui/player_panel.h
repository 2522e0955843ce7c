// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>

class QLabel;
class QLineEdit;

// One player's panel, "Giocatore 1 :" to "Giocatore 4 :": the name box, the word
// box under its caption label, and the label with the player's score.
class PlayerPanel : public QGroupBox {
    Q_OBJECT

public:
    static constexpr const char* kWordCaption = "Parola trovata:";

    // `slot` is 0 to 3; the panel is captioned with slot + 1.
    PlayerPanel(int slot, const QString& name, QWidget* parent = nullptr);

    int Slot() const { return slot_; }
    QLineEdit* NameBox() const { return nameBox_; }
    QLineEdit* WordBox() const { return wordBox_; }
    QLabel* WordCaption() const { return wordCaption_; }
    QLabel* ScoreLabel() const { return scoreLabel_; }

    // What a new game shows: the name editable, an empty disabled word box with its
    // plain caption, no score.
    void ResetForNewGame();

private:
    int slot_;
    QLineEdit* nameBox_;
    QLineEdit* wordBox_;
    QLabel* wordCaption_;
    QLabel* scoreLabel_;
};
