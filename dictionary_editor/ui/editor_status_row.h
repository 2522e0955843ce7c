// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

#include <cstdint>

class QLabel;
class QProgressBar;

// The row under the lists: the words present ("Paole presenti"), what the editor is
// doing (reading, writing, what a search found) and the progress of a load.
class EditorStatusRow : public QWidget {
    Q_OBJECT
public:
    explicit EditorStatusRow(QWidget* parent = nullptr);

    // The total is red while the lists differ from the lexicon file.
    void ShowTotal(std::int64_t words, bool changed);
    void ShowStatus(const QString& text);
    void ShowProgress(std::int64_t done, std::int64_t count);
    void ResetProgress();

private:
    QLabel* totalLabel_;
    QLabel* statusLabel_;
    QProgressBar* progress_;
};
