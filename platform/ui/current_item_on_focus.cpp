// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/current_item_on_focus.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QItemSelectionModel>
#include <QPointer>
#include <QTimer>

namespace CurrentItemOnFocus {
namespace {

class Announcer : public QObject {
public:
    explicit Announcer(QAbstractItemView* view) : QObject(view), watched_(view), view_(view)
    {
        view->installEventFilter(this);
    }

    // Compared as a plain QObject: while the view is being destroyed it still sends
    // focus events, and it is no longer an item view by then.
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn && watched == watched_)
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

    const QObject* const watched_;
    QPointer<QAbstractItemView> view_;
};

}  // namespace

void Announce(QAbstractItemView* view)
{
    if (view)
        new Announcer(view);
}

}  // namespace CurrentItemOnFocus
