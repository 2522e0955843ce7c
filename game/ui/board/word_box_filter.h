// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <functional>

class QLineEdit;

// Keeps out of a player's word box every key the word rules discard (digits,
// blanks, punctuation, accented letters, letters outside the current Alphabet) and
// turns Enter into "finished". Letters stay in the case typed. Text pasted or
// dropped into the box is cleaned the same way. Tab, the arrows and other keys that
// type nothing keep working, so the boxes stay usable from the keyboard alone.
//
// Made as a child of the box, so it lives exactly as long as the box:
//   new WordBoxFilter(wordBox, alphabet, [this] { FinishNow(); }, [this] { ActiveWordBox = 2; });
class WordBoxFilter : public QObject {
    Q_OBJECT
public:
    // `alphabet` is the game's, kept by the caller: it follows a change of language.
    // `finish` runs on Enter; `focused`, when given, each time the box gains the focus.
    WordBoxFilter(QLineEdit* box, const QString& alphabet, std::function<void()> finish,
                  std::function<void()> focused = {});

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CleanEditedText(const QString& text);

    QLineEdit* box_;
    const QString& alphabet_;
    std::function<void()> finish_;
    std::function<void()> focused_;
};

// What a word box does with a key press: Enter finishes; a key with Alt never types
// (it is a button's or menu's access key); AltGr types only letters of `alphabet`.
enum class WordBoxKey { Finish, Pass, Swallow };
WordBoxKey ClassifyWordBoxKey(int key, Qt::KeyboardModifiers modifiers, const QString& text, const QString& alphabet);

// Shows the box's text as "*" characters when `masked`, plainly otherwise.
void ApplyWordBoxMask(QLineEdit& box, bool masked);
