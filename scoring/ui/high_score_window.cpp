// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring/ui/high_score_window.h"

#include "platform/ui/button_keys.h"
#include "platform/ui/current_item_on_focus.h"
#include "platform/core/dialogs.h"
#include "model/game_state.h"
#include "scoring/core/high_score_file.h"
#include "scoring/core/high_score_table.h"
#include "scoring/ui/record_submission_panel.h"
#include "scoring/core/score_format.h"

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum Column { kRankColumn, kNameColumn, kScoreColumn, kColumns };

const QString kFrameTitle = QStringLiteral("Migliori Punteggi");

QTableWidgetItem* Cell(const QString& text, Qt::Alignment alignment, const QString& spoken)
{
    auto* item = new QTableWidgetItem(text);
    // Read with its column's name, so a row is more than a rank and two numbers.
    item->setData(Qt::AccessibleTextRole, spoken);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

}  // namespace

namespace {

HighScoreWindow* OpenNew(const GameState& state, HighScoreMode mode, Platform platform, const ProgramFiles& files,
                         QWidget* parent)
{
    auto* window = new HighScoreWindow(state, mode, platform, files, parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->SetUp();
    window->open();
    return window;
}

}  // namespace

HighScoreWindow* HighScoreWindow::OpenAfterGame(const GameState& state, Platform platform, const ProgramFiles& files,
                                                QWidget* parent)
{
    return OpenNew(state, HighScoreMode::AfterGame, platform, files, parent);
}

HighScoreWindow* HighScoreWindow::OpenFromMenu(const GameState& state, Platform platform, const ProgramFiles& files,
                                               QWidget* parent)
{
    return OpenNew(state, HighScoreMode::ViewOnly, platform, files, parent);
}

HighScoreWindow::HighScoreWindow(const GameState& state, HighScoreMode mode, Platform platform, const ProgramFiles& files,
                                 QWidget* parent)
    : QDialog(parent), state_(state), mode_(mode), platform_(platform), files_(files)
{
    setWindowTitle(QStringLiteral("Hiscores Table"));
    setModal(true);

    auto* frame = new QGroupBox(kFrameTitle, this);
    grid_ = new QTableWidget(0, kColumns, frame);
    grid_->setObjectName(QStringLiteral("scoreGrid"));
    grid_->setAccessibleName(frame->title());
    grid_->setHorizontalHeaderLabels(
        {QStringLiteral("   N."), QStringLiteral("Nome"), QStringLiteral("Punti")});
    grid_->verticalHeader()->hide();
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setTabKeyNavigation(false);  // Tab leaves the grid; arrows move inside it
    CurrentItemOnFocus::Announce(grid_);
    // The grid scrolls its rows: it needs little height of its own, so the window
    // fits a small or enlarged screen.
    grid_->setMinimumSize(420, 140);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(grid_);

    bestPlayer_ = new QLabel(QStringLiteral("Bruno The Best"), this);
    bestPlayer_->setObjectName(QStringLiteral("bestPlayerLabel"));
    QFont bold = bestPlayer_->font();
    bold.setBold(true);
    bestPlayer_->setFont(bold);
    // Read by the name it shows, whatever the table holds now.
    bestPlayer_->setAccessibleDescription(QStringLiteral("Questo è il migliore per adesso ..."));
    auto* theBest = new QLabel(QStringLiteral("<---= (The Best)"), this);
    auto* forNow = new QLabel(QStringLiteral("Questo è il migliore per adesso ..."), this);
    auto* bestRow = new QHBoxLayout;
    bestRow->addWidget(bestPlayer_);
    bestRow->addWidget(theBest);
    bestRow->addStretch();
    bestRow->addWidget(forNow);

    submission_ = new RecordSubmissionPanel(state_, platform_, files_, this);

    back_ = new QPushButton(QStringLiteral("Torna al gioco"), this);
    back_->setObjectName(QStringLiteral("backButton"));
    back_->setAccessibleName(back_->text());
    back_->setDefault(true);
    connect(back_, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(back_);

    // Everything but "Torna al gioco" scrolls where the screen is too small for it;
    // the way back stays in reach at the bottom.
    auto* content = new QWidget;
    auto* contentLayout = new QVBoxLayout(content);
    contentLayout->setContentsMargins(0, 0, 0, 0);
    contentLayout->addWidget(frame, 1);
    contentLayout->addLayout(bestRow);
    contentLayout->addWidget(submission_);
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("scoreScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    // Only a frame around the controls: Tab goes to them, not to the scrolling area.
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setWidgetResizable(true);
    scroll->setWidget(content);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll, 1);
    layout->addLayout(buttonRow);

    setTabOrder(grid_, submission_);
    setTabOrder(submission_, back_);
    resize(600, 640);
    grid_->setFocus();
    ButtonKeys::EnterPressesFocusedButton(this);
}

void HighScoreWindow::SetUp()
{
    // Whatever long work ran before (a lexicon scan, a rebuild) is over by now.
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();

    const HighScoreSetUp setUp = HighScoreSetUp::Run(files_, state_, mode_);
    const std::vector<HighScoreEntry>& entries = setUp.table.Entries();

    grid_->clearContents();
    grid_->setRowCount(static_cast<int>(entries.size()));
    for (int row = 0; row < grid_->rowCount(); ++row) {
        const HighScoreEntry& entry = entries[row];
        grid_->setItem(row, kRankColumn, Cell(FormatRank(row + 1), Qt::AlignLeft, QStringLiteral("N. %1").arg(row + 1)));
        grid_->setItem(row, kNameColumn, Cell(entry.Name, Qt::AlignLeft, QStringLiteral("Nome: ") + entry.Name));
        grid_->setItem(row, kScoreColumn,
                       Cell(FormatScore(entry.Score), Qt::AlignRight, QStringLiteral("Punti: %1").arg(entry.Score)));
    }
    // Entering the grid reads its first row without a key pressed first.
    if (grid_->rowCount() > 0)
        grid_->selectionModel()->setCurrentIndex(grid_->model()->index(0, kNameColumn), QItemSelectionModel::NoUpdate);
    const QString best = entries.empty() ? QString() : entries.front().Name;
    bestPlayer_->setText(best);
    // The grid has the focus when the window opens: its name tells the best player,
    // which the label beside "<---= (The Best)" shows.
    grid_->setAccessibleName(best.isEmpty() ? kFrameTitle
                                            : kFrameTitle + QStringLiteral(". Il migliore per adesso: ") + best);
    submission_->SetRecordHolder(setUp.recordHolder);
    LayOutColumns();

    // From the menu the table is only read: a file that is there but cannot be read
    // is told, not shown as an empty table.
    if (mode_ == HighScoreMode::ViewOnly && !setUp.readError.isEmpty())
        platform_.dialogs.Inform(setUp.readError);
    if (mode_ == HighScoreMode::AfterGame && !setUp.fileWritten) {
        platform_.dialogs.Inform(QStringLiteral("Impossibile salvare la tabella dei punteggi nel file ") +
                                 QString::fromLatin1(HighScoreFile::kFileName) + QStringLiteral(": ") +
                                 setUp.writeError);
    }
}

QString HighScoreWindow::RecordHolderName() const
{
    return submission_->RecordHolderName();
}

void HighScoreWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (const QScreen* screen = this->screen()) {
        const QRect available = screen->availableGeometry();
        // Its size of 600 x 640 where the screen has room; less where it has not.
        const QSize decoration = frameSize() - size();
        const QSize fitted = QSize(600, 640).boundedTo(available.size() - decoration);
        resize(fitted);
        move(available.left() + (available.width() - fitted.width() - decoration.width()) / 2,
             available.top() + (available.height() - fitted.height() - decoration.height()) / 2);
    }
    LayOutColumns();
}

void HighScoreWindow::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    LayOutColumns();
}

void HighScoreWindow::LayOutColumns()
{
    // Rank a seventh of the grid, score 25/70, the name takes the rest.
    const int width = grid_->viewport()->width();
    const int rankWidth = width / 7;
    const int scoreWidth = width * 25 / 70;
    grid_->setColumnWidth(kRankColumn, rankWidth);
    grid_->setColumnWidth(kScoreColumn, scoreWidth);
    grid_->setColumnWidth(kNameColumn, std::max(0, width - rankWidth - scoreWidth));
}
