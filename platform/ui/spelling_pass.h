// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// A dictionary that can be asked about single words.
class WordSpeller {
public:
    virtual ~WordSpeller() = default;
    virtual bool IsCorrect(const QString& word) = 0;
    // Likely corrections, best first; may be empty.
    virtual QStringList Suggestions(const QString& word) = 0;
};

// One walk through a text from its start to its end, stopping at each word the
// speller does not know so that the user can replace it or let it stand. A word is
// a run of letters, an apostrophe between two letters included ("dell'acqua").
class SpellingPass {
public:
    SpellingPass(QString text, WordSpeller& speller);

    // Moves to the next unknown word after the current one; false at the end.
    bool Next();
    bool AtWord() const { return length_ > 0; }
    QString CurrentWord() const { return text_.mid(start_, length_); }
    QStringList Suggestions() const;
    // Puts `correction` in place of the current word; the walk goes on after it,
    // so a correction is never checked again.
    void Replace(const QString& correction);
    // Lets the current word stand.
    void Skip();

    const QString& Text() const { return text_; }

private:
    bool IsWordCharacter(qsizetype i) const;

    QString text_;
    WordSpeller& speller_;
    qsizetype start_ = 0;   // the current word, when length_ > 0
    qsizetype length_ = 0;
    qsizetype next_ = 0;    // where the search for the next word starts
};
