// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ui/game_view.h"

#include "game/ui/clock_label.h"
#include "game/ui/fill_strip.h"
#include "game/ui/link_picture.h"
#include "game/ui/player_panel.h"

#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

namespace {

struct ButtonText {
    const char* caption;
    const char* tooltip;
};

constexpr std::array<ButtonText, 5> kDrawButtons{{
    {"&Auto Estrazione", "Esegue l'estrazione di tutte le lettere"},
    {"&Vocale", "Estrae una vocale"},
    {"&Consonante", "Estrae una consonante"},
    {"Input &Parola", "Chiede una parola da mischiare ..."},
    {"Fi&ssa PC", "Sceglie una parola lunga e la mischia ..."},
}};

constexpr const char* kFinishTooltip = "Clicca quando hai fatto";

// A label that keeps its place in the layout while hidden, so the window does not
// jump when the board's screen-reader copy comes and goes.
QLabel* ScreenReaderText(const QString& caption, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    QFont font(QStringLiteral("Courier New"), 14);
    font.setStyleHint(QFont::TypeWriter);  // where Courier New is missing, another fixed-pitch font
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    QSizePolicy policy = label->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    label->setSizePolicy(policy);
    return label;
}

}  // namespace

GameView::GameView(const QStringList& names, QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 8, 10, 6);
    layout->setSpacing(6);
    // The board takes the height a larger window gives; the rows below keep theirs
    // and grow across with it.
    layout->addWidget(BuildBoardRow(), 1);
    layout->addWidget(BuildTimeRow());
    players_ = {new PlayerPanel(0, names.value(0), this), new PlayerPanel(1, names.value(1), this),
                new PlayerPanel(2, names.value(2), this), new PlayerPanel(3, names.value(3), this)};
    layout->addWidget(BuildPlayersRow());
    layout->addWidget(BuildLinksRow());
}

QWidget* GameView::BuildBoardRow()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(12);

    boardPanel_ = new QGroupBox(QStringLiteral("Area Estrazione"), row);
    boardPanel_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    boardPanel_->setAutoFillBackground(true);
    // The caption changes during play ("Cliccare bottoni estrazione", none once the
    // letters are out): the panel is read by its caption, described by its role.
    boardPanel_->setAccessibleDescription(boardPanel_->title());
    // The screen-reader copy of the board sits right under it.
    boardTextCopy_ = ScreenReaderText(QStringLiteral("123456789"), row);
    screenReaderLabel_ = ScreenReaderText(QString(), row);
    spokenLine_ = new SpokenAnnouncer(row);
    auto* boardColumn = new QVBoxLayout;
    boardColumn->setSpacing(2);
    boardColumn->addWidget(boardPanel_, 1);
    boardColumn->addWidget(boardTextCopy_);
    boardColumn->addWidget(screenReaderLabel_);
    boardColumn->addWidget(spokenLine_);
    layout->addLayout(boardColumn, 1);

    auto* side = new QVBoxLayout;
    side->setSpacing(6);
    mancheLabel_ = new QLabel(QStringLiteral("Manche 1 di 5"), row);
    QFont mancheFont = mancheLabel_->font();
    mancheFont.setPointSizeF(mancheFont.pointSizeF() * 1.5);
    mancheFont.setBold(true);
    mancheLabel_->setFont(mancheFont);
    mancheLabel_->setAlignment(Qt::AlignCenter);
    side->addWidget(mancheLabel_);

    drawPanel_ = new QGroupBox(row);
    drawPanel_->setAccessibleName(QStringLiteral("Estrazione"));
    QSizePolicy keepPlace = drawPanel_->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    drawPanel_->setSizePolicy(keepPlace);
    auto* buttons = new QVBoxLayout(drawPanel_);
    buttons->setSpacing(4);
    for (std::size_t i = 0; i < kDrawButtons.size(); ++i) {
        auto* button = new QPushButton(QString::fromUtf8(kDrawButtons[i].caption), drawPanel_);
        button->setToolTip(QString::fromUtf8(kDrawButtons[i].tooltip));
        button->setAccessibleDescription(button->toolTip());
        button->setMinimumHeight(30);
        drawButtons_[i] = button;
        buttons->addWidget(button);
    }
    side->addWidget(drawPanel_);
    side->addStretch(1);
    layout->addLayout(side);
    return row;
}

QWidget* GameView::BuildTimeRow()
{
    auto* row = new QWidget(this);
    auto* layout = new QGridLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setHorizontalSpacing(8);
    layout->setVerticalSpacing(3);

    timeBar_ = new FillStrip(row);
    timeBar_->setToolTip(QStringLiteral("tempo trascorso"));
    timeBar_->setAccessibleName(timeBar_->toolTip());
    timeBar_->setFixedHeight(22);
    progressStrip_ = new FillStrip(row);
    progressStrip_->setToolTip(QStringLiteral("Parole lette"));
    progressStrip_->setAccessibleName(progressStrip_->toolTip());
    progressStrip_->setFixedHeight(8);

    timeLabel_ = new ClockLabel(QString::fromLatin1(kTimeLabelName), row);
    timeLabel_->setMinimumWidth(timeLabel_->fontMetrics().horizontalAdvance(QStringLiteral("00000 / 00000 Sec.")));
    timeLabel_->setAlignment(Qt::AlignCenter);

    finishButtons_[0] = new QPushButton(QStringLiteral("Fine Tempo"), row);
    finishButtons_[1] = new QPushButton(QStringLiteral("Fine &Tempo"), row);
    // The visible "finished" button answers Alt+T like its hidden twin, caption unchanged.
    finishButtons_[0]->setShortcut(QKeySequence(Qt::ALT | Qt::Key_T));
    for (QPushButton* button : finishButtons_) {
        button->setToolTip(QString::fromLatin1(kFinishTooltip));
        button->setAccessibleDescription(button->toolTip());
    }

    layout->addWidget(timeBar_, 0, 0);
    layout->addWidget(timeLabel_, 0, 1);
    layout->addWidget(finishButtons_[0], 0, 2);
    layout->addWidget(finishButtons_[1], 0, 3);
    layout->addWidget(progressStrip_, 1, 0);
    layout->setColumnStretch(0, 1);
    return row;
}

QWidget* GameView::BuildPlayersRow()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    for (PlayerPanel* panel : players_) {
        panel->setParent(row);
        layout->addWidget(panel, 1);
    }
    return row;
}

QWidget* GameView::BuildLinksRow()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    homeLink_ = new LinkPicture(QStringLiteral("Visita il sito dell'autore ..."),
                                QStringLiteral("Visita il sito dell'autore"), row);
    onlineLink_ = new LinkPicture(QStringLiteral("Il sito on-line del Letterama, puoi giocare battendoti contro gli "
                                                 "altri navigatori e registrare i tuoi records."),
                                  QStringLiteral("Letterama on-line: gioca e registra i tuoi records"), row);
    layout->addStretch(1);
    layout->addWidget(homeLink_);
    layout->addSpacing(40);
    layout->addWidget(onlineLink_);
    layout->addStretch(1);
    return row;
}

void GameView::PlaceBoard(QWidget* board)
{
    auto* layout = new QVBoxLayout(boardPanel_);
    layout->setContentsMargins(2, 0, 2, 2);
    // The caption goes once the first tile is drawn; the panel keeps its size, so the
    // tiles never jump. It grows with the window, and the board with it, from the
    // size of the natural board up.
    layout->addWidget(board, 1);
    boardPanel_->setMinimumSize(boardPanel_->sizeHint());
}

QLineEdit* GameView::NameBox(int slot) const
{
    return Player(slot)->NameBox();
}

QLineEdit* GameView::WordBox(int slot) const
{
    return Player(slot)->WordBox();
}

void GameView::ShowAnnouncedWord(int slot, const QString& word)
{
    WordBox(slot)->setText(word);
}
