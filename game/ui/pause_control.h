// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class GameView;
class QLabel;
class QWidget;
class RoundClock;

// The pause of a running manche ("&Pausa", key P). A paused manche never ticks: the
// round clock sees the pause as it sees an open modal window and drops its ticks.
// So that a pause gives no thinking time, the board, its plain-text copy and the
// word boxes are hidden and the finish buttons disabled until the game resumes. Only
// a manche whose clock runs at its normal pace can be paused: not during the draw,
// not once "finished" was pressed, not while the results are shown.
class PauseControl : public QObject {
    Q_OBJECT

public:
    static inline const QString kPausedCaption = QStringLiteral("Pausa: premi P per continuare");
    static inline const QString kResumed = QStringLiteral("Si riprende");

    PauseControl(const RoundClock& clock, GameView& view, QObject* parent = nullptr);

    // The tile board inside the view's board panel, hidden with the word boxes.
    void SetBoard(QWidget* board) { board_ = board; }

    bool Paused() const { return paused_; }
    bool CanPause() const;
    // P and the menu item: pauses a running manche, resumes a paused one.
    void Toggle();
    void Pause();
    void Resume();
    // The manche or the game ended, or a new one began: the pause is forgotten and
    // everything it hid shows again.
    void Clear() { Resume(); }

    // The large notice over the whole board while the game is paused.
    QLabel* Notice() const { return notice_; }

signals:
    void PausedChanged(bool paused);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CoverBoardPanel();

    const RoundClock& clock_;
    GameView& view_;
    QPointer<QWidget> board_;
    bool paused_ = false;
    QString captionBefore_;
    QList<QPointer<QWidget>> hidden_;
    QList<QPointer<QWidget>> disabled_;
    QPointer<QWidget> focusBefore_;
    QLabel* notice_;
};
