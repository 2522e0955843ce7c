// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAbstractItemView;

// Entering a table or a list reads its current row, as the arrows do. Qt tells a
// screen reader of an item only when the current one changes while the view has the
// focus, so a view entered with a current row already set was heard by its name
// alone, and the first Down skipped that row.
namespace CurrentItemOnFocus {

void Announce(QAbstractItemView* view);

}  // namespace CurrentItemOnFocus
