// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring/ui/results_window.h"

#include "platform/ui/button_keys.h"
#include "platform/ui/current_item_on_focus.h"
#include "lexicon/ui/confirm_window.h"
#include "scoring/core/own_row_text.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace {

enum Column { kName, kWord, kValidity, kPoints, kTotal, kRank, kColumnCount };

const QString kContinueName = QStringLiteral("Continua");

// What a screen reader says of a column's cell, the column named: a row read alone
// would be "500 / 500 / 3°", two bare numbers and a place read as degrees.
const QString kSpokenColumns[kColumnCount] = {
    QStringLiteral("Giocatore"), QStringLiteral("Parola"),    QStringLiteral("Valida"),
    QStringLiteral("Punti ora"), QStringLiteral("Totale"),    QStringLiteral("Posizione"),
};

}  // namespace

ResultsWindow::ResultsWindow(const Platform& platform, const ProgramFiles& files, SpellChecker& spellChecker,
                             QWidget* parent)
    : QDialog(parent), shell_(platform.shell), files_(files), spellChecker_(spellChecker)
{
    setWindowTitle(QStringLiteral("Letterama - Punteggi"));
    setModal(true);

    heading_ = new QLabel(this);
    heading_->setObjectName(QStringLiteral("heading"));
    QFont bold = heading_->font();
    bold.setBold(true);
    heading_->setFont(bold);

    board_ = new QTableWidget(GameState::kPlayers, kColumnCount, this);
    board_->setObjectName(QStringLiteral("scoreBoard"));
    board_->setHorizontalHeaderLabels({QStringLiteral("Giocatore"), QStringLiteral("Parola inserita"),
                                       QStringLiteral("Valida (SI/NO)"), QStringLiteral("Punti ora"),
                                       QStringLiteral("Pnt. Tot."), QStringLiteral("Posiz.")});
    board_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    board_->setSelectionBehavior(QAbstractItemView::SelectRows);
    board_->setSelectionMode(QAbstractItemView::SingleSelection);
    board_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    board_->horizontalHeader()->setStretchLastSection(true);
    board_->setAccessibleName(QStringLiteral("Punteggi della manche"));
    board_->setTabKeyNavigation(false);  // Tab leaves the table, the arrows move inside it
    CurrentItemOnFocus::Announce(board_);
    for (int player = 0; player < GameState::kPlayers; ++player) {
        for (int column = 0; column < kColumnCount; ++column)
            board_->setItem(player, column, new QTableWidgetItem);
    }
    heading_->setBuddy(board_);

    auto* foundLabel = new QLabel(QStringLiteral("Trovate:"), this);
    foundCount_ = new QLabel(this);
    foundCount_->setObjectName(QStringLiteral("foundCount"));
    longestNote_ = new QLabel(this);
    longestNote_->setObjectName(QStringLiteral("longestNote"));
    longestNote_->setWordWrap(true);
    foundWords_ = new QListWidget(this);
    foundWords_->setObjectName(QStringLiteral("foundWords"));
    foundWords_->setToolTip(QStringLiteral("Elenco delle parole trovate"));
    foundWords_->setAccessibleName(QStringLiteral("Elenco delle parole trovate"));
    QFont fixed(QStringLiteral("Courier"));
    fixed.setStyleHint(QFont::TypeWriter);
    foundWords_->setFont(fixed);
    foundLabel->setBuddy(foundWords_);

    continue_ = new QPushButton(QStringLiteral("&Continua"), this);
    continue_->setObjectName(QStringLiteral("continueButton"));
    continue_->setAccessibleName(kContinueName);
    continue_->setEnabled(false);
    continue_->setDefault(true);
    connect(continue_, &QPushButton::clicked, this, &ResultsWindow::Continue);

    auto* countRow = new QHBoxLayout;
    countRow->addWidget(foundLabel);
    countRow->addWidget(foundCount_);
    countRow->addStretch();
    auto* foundColumn = new QVBoxLayout;
    foundColumn->addLayout(countRow);
    foundColumn->addWidget(foundWords_, 1);
    foundColumn->addWidget(longestNote_);

    auto* middle = new QHBoxLayout;
    middle->addWidget(board_, 3);
    middle->addLayout(foundColumn, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(continue_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    layout->addLayout(middle, 1);
    layout->addLayout(bottom);
    resize(820, 300);

    setTabOrder(continue_, board_);
    setTabOrder(board_, foundWords_);
    ButtonKeys::EnterPressesFocusedButton(this);
}

ResultsWindow::~ResultsWindow()
{
    // An open question ends unanswered, and its answer reaches nobody.
    if (confirmWindow_)
        confirmWindow_->disconnect(this);
}

void ResultsWindow::SetConfirmation(ResultsBoard::ConfirmWord confirm)
{
    confirmOverride_ = std::move(confirm);
}

void ResultsWindow::ClearFoundWords()
{
    foundWords_->clear();
}

void ResultsWindow::SetFoundWords(const QStringList& lines)
{
    foundWords_->clear();
    foundWords_->addItems(lines);
}

void ResultsWindow::AppendFoundWords(const QStringList& lines)
{
    foundWords_->addItems(lines);
}

void ResultsWindow::AppendFoundWord(const QString& line)
{
    foundWords_->addItem(line);
}

QStringList ResultsWindow::FoundWordLines() const
{
    QStringList lines;
    for (int i = 0; i < foundWords_->count(); ++i)
        lines.append(foundWords_->item(i)->text());
    return lines;
}

void ResultsWindow::OpenManche(const std::array<PlayerSlot, GameState::kPlayers>& players, int mancheNumber,
                                const QStringList& foundWords)
{
    if (awaiting_ || evaluated_)
        return;  // already showing a manche: the window is modal, this is a stray call
    awaiting_ = true;
    PrepareBoard(players, mancheNumber, static_cast<int>(foundWords.size()));
    MarkLongestWords(foundWords, players[0].Word);
    open();
}

void ResultsWindow::Abandon()
{
    StopWaiting();
    if (isVisible())
        done(QDialog::Rejected);
}

void ResultsWindow::StopWaiting()
{
    awaiting_ = false;
    judgingAsked_ = false;
    answerAwaited_ = false;
    if (confirmWindow_ && confirmWindow_->isVisible())
        confirmWindow_->reject();
}

void ResultsWindow::reject()
{
    // Closing a finished board goes on like "&Continua"; closing it earlier gives the
    // manche up rather than leaving it half judged.
    if (evaluated_)
        Continue();
    else
        Abandon();
}

void ResultsWindow::done(int result)
{
    // However the window closes, a complete board has been counted by the game; the
    // next manche is judged afresh.
    StopWaiting();
    evaluated_ = false;
    QDialog::done(result);
}

void ResultsWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Scrolled only now that the list has the height the new note below it leaves: a
    // scroll worked out for the last manche's height stopped short of the end, with
    // the last bold line cut at the bottom.
    if (QListWidgetItem* firstLongest = foundWords_->item(std::exchange(firstLongestRow_, -1)))
        foundWords_->scrollToItem(firstLongest, QAbstractItemView::PositionAtTop);
    // Judged once the board is on screen, and only once per manche: showing the
    // window again redraws it as it is.
    if (awaiting_ && !judgingAsked_)
        QMetaObject::invokeMethod(this, &ResultsWindow::WantJudging, Qt::QueuedConnection);
}

void ResultsWindow::PrepareBoard(const std::array<PlayerSlot, GameState::kPlayers>& players, int mancheNumber,
                                 int foundCount)
{
    for (int player = 0; player < GameState::kPlayers; ++player) {
        for (int column = 0; column < kColumnCount; ++column)
            SetCell(player, column, QString());
        SetCell(player, kName, players[player].Name);
        SetCell(player, kWord, players[player].Word.toLower());
    }
    foundCount_->setText(RoundScoring::FoundCountText(foundCount));
    // "( 1048 )" alone says nothing of what is counted.
    foundCount_->setAccessibleName(QStringLiteral("Trovate: %1").arg(foundCount));
    foundWords_->setAccessibleName(QStringLiteral("Elenco delle parole trovate: %1").arg(foundCount));
    heading_->setText(RoundScoring::Heading(mancheNumber));
    FitBoardColumns();
    continue_->setEnabled(false);
    continue_->setAccessibleName(kContinueName);
}

void ResultsWindow::MarkLongestWords(const QStringList& foundWords, const QString& humanWord)
{
    qsizetype longest = 0;
    for (const QString& word : foundWords)
        longest = std::max(longest, word.size());
    // The list holds one line per found word, in the same order.
    QListWidgetItem* firstLongest = nullptr;
    for (int i = 0; i < foundWords_->count() && i < foundWords.size(); ++i) {
        QListWidgetItem* item = foundWords_->item(i);
        const bool isLongest = longest > 0 && foundWords.at(i).size() == longest;
        if (isLongest && !firstLongest)
            firstLongest = item;
        QFont font = item->font();
        font.setBold(isLongest);
        item->setFont(font);
        item->setData(Qt::AccessibleDescriptionRole,
                      isLongest ? QStringLiteral("una delle parole più lunghe") : QVariant());
    }
    // The list runs from the shortest words: it opens on the longest, once shown.
    firstLongestRow_ = firstLongest ? foundWords_->row(firstLongest) : -1;
    longestNote_->setText(longest == 0 ? QString()
                                       : QStringLiteral("In grassetto le più lunghe: %1 lettere. La tua parola: %2.")
                                             .arg(longest)
                                             .arg(humanWord.trimmed().isEmpty()
                                                      ? QStringLiteral("nessuna")
                                                      : QStringLiteral("%1 lettere").arg(humanWord.trimmed().size())));
}

void ResultsWindow::WantJudging()
{
    if (!awaiting_ || judgingAsked_ || !isVisible())
        return;
    judgingAsked_ = true;
    // The judging may open a message box that closes or destroys this window: nothing
    // of it is touched after this.
    emit JudgingWanted();
}

void ResultsWindow::OnConfirmed(int choice)
{
    // An answer that arrives after the window stopped waiting reaches nothing.
    if (!std::exchange(answerAwaited_, false))
        return;
    emit Confirmed(choice);
}

void ResultsWindow::ShowBoard(const ResultsBoardOutcome& board)
{
    if (!awaiting_)
        return;
    awaiting_ = false;
    ShowOutcome(board);
    evaluated_ = true;
    continue_->setEnabled(true);
    // The focus comes to the button with the player's own row in its name, so a
    // screen reader reads that first; the rest of the board is read in the table.
    // The heading names the manche; the table's own name would stand in its place.
    continue_->setAccessibleName(heading_->text() + QStringLiteral(". ") + OwnRowText(board.rows[0]) +
                                 QStringLiteral(". ") + kContinueName);
    continue_->setFocus();
    emit ScoreLabelsChanged(board.ScoreLabels());
}

void ResultsWindow::ShowVerdict(int player, const ResultsBoardRow& row)
{
    if (player < 0 || player >= GameState::kPlayers)
        return;
    SetCell(player, kName, row.name);
    SetCell(player, kWord, row.word.toLower());
    SetCell(player, kValidity, row.ValidityText());
}

void ResultsWindow::ShowOutcome(const ResultsBoardOutcome& outcome)
{
    for (int player = 0; player < GameState::kPlayers; ++player) {
        const ResultsBoardRow& row = outcome.rows[player];
        ShowVerdict(player, row);
        SetCell(player, kPoints, row.PointsText());
        SetCell(player, kTotal, QString::number(row.total));
        SetCell(player, kRank, RoundScoring::RankText(row.rank), QString::number(row.rank));
    }
    FitBoardColumns();
    // Entering the table reads the player's own row first, as the arrows would; the
    // row is not selected, so the board looks as before.
    board_->selectionModel()->setCurrentIndex(board_->model()->index(0, kName), QItemSelectionModel::NoUpdate);
}

void ResultsWindow::FitBoardColumns()
{
    // Every column whole, without a sideways scroll bar, whatever room the style's
    // cells and header take ("Posiz." was cut in a style with wide padding).
    const QAbstractItemView* view = board_;  // the widest cell of a column is asked of any view
    int width = 2 * board_->frameWidth() + board_->verticalHeader()->sizeHint().width();
    for (int column = 0; column < kColumnCount; ++column)
        width += std::max(view->sizeHintForColumn(column), board_->horizontalHeader()->sectionSizeHint(column));
    board_->setMinimumWidth(width);
}

void ResultsWindow::SetCell(int player, int column, const QString& text, const QString& spoken)
{
    QTableWidgetItem* item = board_->item(player, column);
    item->setText(text);
    const QString said = spoken.isNull() ? text : spoken;
    item->setData(Qt::AccessibleTextRole,
                  said.isEmpty() ? QVariant() : QVariant(kSpokenColumns[column] + QStringLiteral(": ") + said));
}

void ResultsWindow::AskConfirmation(const QString& word, int previousChoice, const QString& homePage)
{
    answerAwaited_ = true;
    if (confirmOverride_) {
        // Answered at once; the answer goes on from a fresh call, as the window's would.
        const int choice = confirmOverride_(word, previousChoice);
        QMetaObject::invokeMethod(this, [this, choice] { OnConfirmed(choice); }, Qt::QueuedConnection);
        return;
    }
    if (!confirmWindow_) {
        confirmWindow_ = new ConfirmWindow(shell_, spellChecker_, files_, this);
        connect(confirmWindow_, &ConfirmWindow::Chosen, this, &ResultsWindow::OnConfirmed);
    }
    confirmWindow_->SetHomePage(homePage);
    confirmWindow_->Ask(word, previousChoice);
}

void ResultsWindow::Continue()
{
    if (evaluated_)
        accept();
}
