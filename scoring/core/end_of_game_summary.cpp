// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring/core/end_of_game_summary.h"

#include "model/game_state.h"
#include "scoring/core/score_format.h"

namespace EndOfGameSummary {
namespace {

// The last `width` characters of `text` after padding it on the left with `width`
// blanks: right-aligned, cut from the left when too long.
QString RightColumn(const QString& text, int width)
{
    return (QString(width, QLatin1Char(' ')) + text).right(width);
}

}  // namespace

QString NameLine(int gameNumber, const GameState& state)
{
    QString line = RightColumn(QLatin1Char(' ') + SignedText(gameNumber), 3) + QStringLiteral(") ");
    for (const PlayerSlot& player : state.Players)
        line += RightColumn(player.Name, kColumnWidth);
    return line;
}

QString ScoreLine(const GameState& state)
{
    QString line(5, QLatin1Char(' '));
    for (int total : state.TotalScores)
        line += RightColumn(SignedText(total), kColumnWidth);
    return line;
}

QString OnScreen(const QString& line)
{
    // Both lines begin with five characters ("  1) " or five blanks), then the four
    // 15-character columns.
    constexpr int kLead = 5;
    QString shown = line.left(kLead);
    for (int start = kLead; start < line.size(); start += kColumnWidth) {
        if (start > kLead)
            shown += QLatin1Char(' ');
        shown += line.mid(start, kColumnWidth);
    }
    return shown;
}

}  // namespace EndOfGameSummary
