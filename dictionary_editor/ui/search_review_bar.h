// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

class QCheckBox;
class QLineEdit;

// The row above the lists: the search box ("Cer&ca parola:") and the switch to the
// review of what the next rebuild changes ("Mostra solo le &novità").
class SearchReviewBar : public QWidget {
    Q_OBJECT
public:
    explicit SearchReviewBar(QWidget* parent = nullptr);

    bool Reviewing() const;
    // Ticks or clears the switch; reviewToggled follows when that changes it.
    void SetReviewing(bool on);

signals:
    // What is typed, and which of its matches to show: the first after each change to
    // the text, the next one at each Enter.
    void searchRequested(const QString& typed, qsizetype ordinal);
    void reviewToggled(bool on);

private:
    void Search(bool next);

    QLineEdit* searchBox_;
    QCheckBox* reviewBox_;
    qsizetype ordinal_ = 0;
};
