// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary_editor/ui/file_actions_panel.h"

#include "dictionary_editor/ui/editor_widgets.h"

#include <QPushButton>
#include <QVBoxLayout>

FileActionsPanel::FileActionsPanel(QWidget* parent) : QWidget(parent)
{
    rebuildButton_ = EditorWidgets::MakeButton(QStringLiteral("&Ricrea dizionario"), "rebuild", this);
    exportButton_ = EditorWidgets::MakeButton(QStringLiteral("Crea &Files TXT"), "exportFiles", this);
    exportButton_->setToolTip(QStringLiteral("Per creare tanti piccoli files 3.txt, 4.txt ... 10.txt"));
    importButton_ = EditorWidgets::MakeButton(QStringLiteral("&Legge da files TXT"), "importFiles", this);
    importButton_->setToolTip(
        QStringLiteral("Per ricreare il dizionario partendo dai files 3.txt, 4.txt ... 10.txt"));

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(rebuildButton_);
    column->addWidget(exportButton_);
    column->addWidget(importButton_);

    connect(rebuildButton_, &QPushButton::clicked, this, &FileActionsPanel::rebuildRequested);
    connect(exportButton_, &QPushButton::clicked, this, &FileActionsPanel::exportRequested);
    connect(importButton_, &QPushButton::clicked, this, &FileActionsPanel::importRequested);
}

void FileActionsPanel::SetActionsEnabled(bool enabled, bool listsWritable)
{
    importButton_->setEnabled(enabled);
    rebuildButton_->setEnabled(enabled && listsWritable);
    exportButton_->setEnabled(enabled && listsWritable);
}

bool FileActionsPanel::RebuildEnabled() const
{
    return rebuildButton_->isEnabled();
}
