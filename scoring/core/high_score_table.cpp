// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring/core/high_score_table.h"

#include "model/game_state.h"
#include "scoring/core/high_score_file.h"

#include <utility>

void HighScoreTable::AddFinishedGame(const GameState& state)
{
    for (int player = 0; player < GameState::kPlayers; ++player) {
        const QString& name = state.Players[player].Name;
        if (!IsComputerPlayer(name))
            entries_.push_back({name, state.TotalScores[player]});
    }
}

void HighScoreTable::SortByScore()
{
    bool swapped = true;
    while (swapped) {
        swapped = false;
        for (size_t i = 0; i + 1 < entries_.size(); ++i) {
            if (entries_[i].Score < entries_[i + 1].Score) {
                std::swap(entries_[i], entries_[i + 1]);
                swapped = true;
            }
        }
    }
}

void HighScoreTable::KeepBest()
{
    if (entries_.size() > static_cast<size_t>(kKept))
        entries_.resize(kKept);
}

std::optional<int> HighScoreTable::RecordHolder(const GameState& state) const
{
    if (entries_.empty())
        return std::nullopt;
    const HighScoreEntry& top = entries_.front();
    const QString topName = top.Name.trimmed().toUpper();
    for (int player = 0; player < GameState::kPlayers; ++player) {
        const QString& name = state.Players[player].Name;
        // A computer player never enters the table, so it cannot hold its top entry
        // even when a hand-edited file carries its name.
        if (IsComputerPlayer(name))
            continue;
        if (name.trimmed().toUpper() == topName && state.TotalScores[player] == top.Score)
            return player;
    }
    return std::nullopt;
}

HighScoreSetUp HighScoreSetUp::Run(const ProgramFiles& files, const GameState& state, HighScoreMode mode)
{
    HighScoreSetUp setUp;
    const HighScoreFile::LoadResult file = HighScoreFile::Load(files);
    if (!file.Readable())
        setUp.readError = ProgramFolder::ReadFailureText(file.status, QString::fromLatin1(HighScoreFile::kFileName));
    setUp.table = HighScoreTable(file.contents.entries);
    const bool afterGame = mode == HighScoreMode::AfterGame;
    if (afterGame)
        setUp.table.AddFinishedGame(state);
    setUp.table.SortByScore();
    setUp.table.KeepBest();
    if (!afterGame)
        return setUp;

    if (!setUp.readError.isEmpty()) {
        // Without the real table nobody can be said to hold its record.
        setUp.writeError = setUp.readError + QStringLiteral(" Il file non viene sovrascritto.");
        return setUp;
    }
    setUp.recordHolder = setUp.table.RecordHolder(state);
    setUp.fileWritten = HighScoreFile::Save(files, setUp.table.Entries(), file.contents.unparsedLines, &setUp.writeError);
    return setUp;
}
