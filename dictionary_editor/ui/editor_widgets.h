// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QLabel;
class QPushButton;
class QWidget;

// The look every panel of the editor shares.
namespace EditorWidgets {

// A push button that never takes Enter as a default: Enter in the word box inserts
// the word.
QPushButton* MakeButton(const QString& caption, const char* objectName, QWidget* parent);

// A count that differs from the lexicon file is shown in red until the next load.
void MarkChanged(QLabel* label, bool changed);

}  // namespace EditorWidgets
