// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractListModel>
#include <QString>
#include <QStringList>

#include <optional>

// The order of the editor's lists: alphabetical, ignoring letter case. Entries equal
// but for case follow in exact (code point) order, so the order is total and a list
// sorted twice comes out the same. For the upper-case words of a lexicon file it is
// plain byte order, the order the file keeps.
bool WordLess(const QString& a, const QString& b);

// The words of one length in the dictionary editor, kept sorted by WordLess, as a list
// model the window's views show directly (one model row per word, no widget items).
// "Changed" marks a list that differs from the lexicon file: the list keeps the words
// the file holds (its baseline) beside its own, so an import that gives back exactly
// the file's words is no change, and an import of new words is one.
class SortedWordList : public QAbstractListModel {
    Q_OBJECT
public:
    explicit SortedWordList(int length, QObject* parent = nullptr);

    int Length() const { return length_; }
    qsizetype Count() const { return words_.size(); }
    const QStringList& Words() const { return words_; }
    const QString& At(qsizetype row) const { return words_[row]; }
    // The words of this length that the lexicon file holds, sorted.
    const QStringList& LexiconWords() const { return lexicon_; }
    // Whether the entries differ from the lexicon file's words.
    bool Changed() const;

    // Replaces every entry; sorts them unless they already are in order, which is one
    // pass over a list read from a lexicon file. `changed` false: these are the words
    // of the lexicon file (after a load); true: they replace the entries (an import),
    // and the list is changed exactly when they differ from the file's words.
    void SetWords(QStringList words, bool changed);
    // The row of an entry exactly equal to `word` (case included), if any.
    std::optional<qsizetype> IndexOf(const QString& word) const;
    // Puts `word` in its sorted place, found by binary search; returns its row.
    qsizetype Insert(const QString& word);
    void RemoveAt(qsizetype row);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    qsizetype LowerBound(const QString& word) const;

    int length_;
    QStringList words_;
    QStringList lexicon_;
    // Whether words_ differs from lexicon_, worked out when first asked after a change
    // (a batch of thousands of inserts compares once, not once per word).
    mutable std::optional<bool> changed_ = false;
};
