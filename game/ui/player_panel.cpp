// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ui/player_panel.h"

#include <QFont>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

PlayerPanel::PlayerPanel(int slot, const QString& name, QWidget* parent)
    : QGroupBox(QStringLiteral("Giocatore %1 :").arg(slot + 1), parent),
      slot_(slot),
      nameBox_(new QLineEdit(name, this)),
      wordBox_(new QLineEdit(this)),
      wordCaption_(new QLabel(QString::fromLatin1(kWordCaption), this)),
      scoreLabel_(new QLabel(this))
{
    const QString number = QString::number(slot + 1);
    nameBox_->setToolTip(QStringLiteral("Cambia nome giocatore ") + number);
    nameBox_->setAccessibleName(title());
    nameBox_->setAccessibleDescription(nameBox_->toolTip());
    // A computer's name shows whole in any style, however much room its frame takes:
    // a style with wide padding cut "Valentina (CPU)" to "alentina (CPU)".
    QStyleOptionFrame frame;
    frame.initFrom(nameBox_);
    frame.lineWidth = nameBox_->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, nameBox_);
    const QMargins text = nameBox_->textMargins();
    const QSize nameText(nameBox_->fontMetrics().horizontalAdvance(QStringLiteral("Valentina (CPU)")) +
                             nameBox_->fontMetrics().averageCharWidth() + text.left() + text.right() + 4,
                         nameBox_->fontMetrics().height());
    nameBox_->setMinimumWidth(
        nameBox_->style()->sizeFromContents(QStyle::CT_LineEdit, &frame, nameText, nameBox_).width());

    QFont wordFont = wordBox_->font();
    wordFont.setPointSizeF(wordFont.pointSizeF() * 1.4);
    wordFont.setBold(true);
    wordBox_->setFont(wordFont);
    wordBox_->setAccessibleName(QString::fromLatin1(kWordCaption) + QLatin1Char(' ') + title());
    wordCaption_->setBuddy(wordBox_);

    QFont scoreFont = scoreLabel_->font();
    scoreFont.setBold(true);
    scoreLabel_->setFont(scoreFont);
    scoreLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    scoreLabel_->setMinimumWidth(scoreLabel_->fontMetrics().horizontalAdvance(QStringLiteral("00000")));

    auto* layout = new QGridLayout(this);
    layout->addWidget(nameBox_, 0, 0);
    layout->addWidget(scoreLabel_, 0, 1);
    layout->addWidget(wordCaption_, 1, 0, 1, 2);
    layout->addWidget(wordBox_, 2, 0, 1, 2);
    layout->setColumnStretch(0, 1);
}

void PlayerPanel::ResetForNewGame()
{
    nameBox_->setEnabled(true);
    wordBox_->clear();
    wordBox_->setEnabled(false);
    wordBox_->show();
    wordCaption_->show();
    wordCaption_->setText(QString::fromLatin1(kWordCaption));
    scoreLabel_->clear();
}
