// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ui/pause_control.h"

#include "model/game_state.h"
#include "game/ui/game_view.h"
#include "game/core/round_clock.h"

#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

PauseControl::PauseControl(const RoundClock& clock, GameView& view, QObject* parent)
    : QObject(parent), clock_(clock), view_(view), notice_(new QLabel(kPausedCaption, view.BoardPanel()))
{
    // Over the whole board, large: a pause is seen from across the room, and the
    // focus rests on it, so that a screen reader says it instead of whatever
    // control the focus would fall to.
    notice_->setObjectName(QStringLiteral("pauseNotice"));
    notice_->setAlignment(Qt::AlignCenter);
    notice_->setWordWrap(true);
    notice_->setFocusPolicy(Qt::StrongFocus);
    notice_->setAutoFillBackground(true);
    notice_->setFrameShape(QFrame::Box);
    QFont large = notice_->font();
    large.setPointSizeF(large.pointSizeF() * 2.5);
    large.setBold(true);
    notice_->setFont(large);
    notice_->hide();
    view.BoardPanel()->installEventFilter(this);
}

void PauseControl::CoverBoardPanel()
{
    QWidget* panel = view_.BoardPanel();
    notice_->setGeometry(panel->contentsRect());
    notice_->raise();
}

bool PauseControl::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == view_.BoardPanel() && event->type() == QEvent::Resize && paused_)
        CoverBoardPanel();
    return QObject::eventFilter(watched, event);
}

bool PauseControl::CanPause() const
{
    return !paused_ && clock_.Running() && !clock_.FastForwarding();
}

void PauseControl::Toggle()
{
    if (paused_)
        Resume();
    else
        Pause();
}

void PauseControl::Pause()
{
    if (!CanPause())
        return;
    paused_ = true;
    focusBefore_ = QApplication::focusWidget();
    QList<QWidget*> toHide{board_, view_.BoardTextCopy(), view_.ScreenReaderLabel()};
    for (int slot = 0; slot < GameState::kPlayers; ++slot)
        toHide.append(view_.WordBox(slot));
    for (QWidget* widget : toHide) {
        if (!widget || widget->isHidden())
            continue;
        // The hidden boxes keep their room, so nothing on the window moves.
        QSizePolicy policy = widget->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        widget->setSizePolicy(policy);
        widget->hide();
        hidden_.append(widget);
    }
    for (int i = 0; i < 2; ++i) {
        QPushButton* finish = view_.FinishButton(i);
        if (finish->isEnabled()) {
            finish->setEnabled(false);
            disabled_.append(finish);
        }
    }
    captionBefore_ = view_.BoardPanel()->title();
    view_.BoardPanel()->setTitle(kPausedCaption);
    CoverBoardPanel();
    notice_->show();
    notice_->setFocus(Qt::OtherFocusReason);
    view_.SpokenLine()->Say(kPausedCaption);
    emit PausedChanged(true);
}

void PauseControl::Resume()
{
    if (!paused_)
        return;
    paused_ = false;
    for (const QPointer<QWidget>& widget : std::as_const(hidden_)) {
        if (widget)
            widget->show();
    }
    for (const QPointer<QWidget>& widget : std::as_const(disabled_)) {
        if (widget)
            widget->setEnabled(true);
    }
    hidden_.clear();
    disabled_.clear();
    notice_->hide();
    if (view_.BoardPanel()->title() == kPausedCaption)
        view_.BoardPanel()->setTitle(captionBefore_);
    if (focusBefore_ && focusBefore_->isVisible() && focusBefore_->isEnabled())
        focusBefore_->setFocus(Qt::OtherFocusReason);
    focusBefore_.clear();
    view_.SpokenLine()->Say(kResumed);
    emit PausedChanged(false);
}
