// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scoring/core/high_score_table.h"
#include "platform/core/platform.h"

#include <QDialog>
#include <QString>

class ProgramFiles;
class QLabel;
class QPushButton;
class QTableWidget;
class RecordSubmissionPanel;
struct GameState;

// The high-score window "Hiscores Table": the grid of the best 50 scores kept in
// "Lettrama.HIS", the name of the best player, and the online record submission.
//
// For the game:
//   HighScoreWindow::OpenAfterGame(state, platform, files, this);  // after manche 5
//   HighScoreWindow::OpenFromMenu(state, platform, files, this);   // "&Hiscores table "
// Both open a new window modally and return it at once; it emits finished when
// "Torna al gioco" (or Escape) closes it, and then deletes itself. After a game the
// humans' totals are merged into the table and the file is rewritten; from the menu
// the table is only shown, and no file is ever created. Each opening builds the
// window afresh, so the note and e-mail boxes start over.
class HighScoreWindow : public QDialog {
    Q_OBJECT

public:
    // Opens the window modally after the game of `state`; RecordHolderName() then
    // names the player of this game who holds the top entry (or is empty).
    static HighScoreWindow* OpenAfterGame(const GameState& state, Platform platform, const ProgramFiles& files,
                                          QWidget* parent = nullptr);
    // Opens the table modally, view only.
    static HighScoreWindow* OpenFromMenu(const GameState& state, Platform platform, const ProgramFiles& files,
                                         QWidget* parent = nullptr);

    // The table is the high-score file of `files`, kept by the caller.
    HighScoreWindow(const GameState& state, HighScoreMode mode, Platform platform, const ProgramFiles& files,
                    QWidget* parent = nullptr);

    // Reads the table (merging and rewriting it after a game), fills the
    // grid and the best-player label, and enables the submission for a record holder.
    // A file that cannot be rewritten is reported through the dialogs.
    void SetUp();

    QString RecordHolderName() const;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void LayOutColumns();

    const GameState& state_;
    HighScoreMode mode_;
    Platform platform_;
    const ProgramFiles& files_;
    QTableWidget* grid_;
    QLabel* bestPlayer_;
    RecordSubmissionPanel* submission_;
    QPushButton* back_;
};
