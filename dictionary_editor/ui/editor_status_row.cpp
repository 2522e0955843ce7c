// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary_editor/ui/editor_status_row.h"

#include "dictionary_editor/ui/editor_widgets.h"
#include "dictionary_editor/core/editor_messages.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>

#include <algorithm>

EditorStatusRow::EditorStatusRow(QWidget* parent) : QWidget(parent)
{
    auto* totalCaption = new QLabel(QStringLiteral("Paole presenti"), this);
    totalLabel_ = new QLabel(this);
    totalLabel_->setObjectName(QStringLiteral("total"));
    totalLabel_->setAccessibleDescription(totalCaption->text());
    statusLabel_ = new QLabel(this);
    statusLabel_->setObjectName(QStringLiteral("status"));
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("progress"));
    progress_->setAccessibleName(QStringLiteral("Avanzamento"));
    progress_->setTextVisible(false);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(totalCaption);
    row->addWidget(totalLabel_);
    row->addSpacing(20);
    row->addWidget(statusLabel_, 1);
    row->addWidget(progress_, 1);
}

void EditorStatusRow::ShowTotal(std::int64_t words, bool changed)
{
    totalLabel_->setText(EditorMessages::Total(words));
    EditorWidgets::MarkChanged(totalLabel_, changed);
}

void EditorStatusRow::ShowStatus(const QString& text)
{
    statusLabel_->setText(text);
}

void EditorStatusRow::ShowProgress(std::int64_t done, std::int64_t count)
{
    progress_->setRange(0, int(std::max<std::int64_t>(1, count)));
    progress_->setValue(int(done));
}

void EditorStatusRow::ResetProgress()
{
    progress_->reset();
}
