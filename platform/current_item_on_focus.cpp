// SPDX-License-Identifier: GPL-3.0-or-later
#include "current_item_on_focus.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QItemSelectionModel>
#include <QPointer>
#include <QTimer>

namespace CurrentItemOnFocus {
namespace {

class Announcer : public QObject {
public:
    explicit Announcer(QAbstractItemView* view) : QObject(view), view_(view) { view->installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == view_ && event->type() == QEvent::FocusIn)
            QTimer::singleShot(0, this, [this] { Repeat(); });
        return false;
    }

private:
    // Set anew with the focus there: the view itself tells of the item then.
    void Repeat()
    {
        QItemSelectionModel* selection = view_ ? view_->selectionModel() : nullptr;
        if (!selection || !view_->hasFocus())
            return;
        const QModelIndex current = selection->currentIndex();
        if (!current.isValid())
            return;
        selection->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
        selection->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
    }

    QPointer<QAbstractItemView> view_;
};

}  // namespace

void Announce(QAbstractItemView* view)
{
    if (view)
        new Announcer(view);
}

}  // namespace CurrentItemOnFocus
