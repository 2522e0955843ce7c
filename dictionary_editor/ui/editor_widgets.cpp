// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary_editor/ui/editor_widgets.h"

#include <QLabel>
#include <QPushButton>

namespace EditorWidgets {

QPushButton* MakeButton(const QString& caption, const char* objectName, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(objectName));
    button->setAutoDefault(false);
    return button;
}

void MarkChanged(QLabel* label, bool changed)
{
    label->setStyleSheet(changed ? QStringLiteral("color: red;") : QString());
}

}  // namespace EditorWidgets
