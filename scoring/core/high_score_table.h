// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scoring/core/high_score_entry.h"

#include <QString>

#include <optional>
#include <vector>

class ProgramFiles;
struct GameState;

// The high-score table: the entries read from the file, the human players of a
// finished game appended after them, all ordered best first. At most 50 entries are
// shown and stored.
class HighScoreTable {
public:
    static constexpr int kKept = 50;

    HighScoreTable() = default;
    explicit HighScoreTable(std::vector<HighScoreEntry> entries) : entries_(std::move(entries)) {}

    // Appends each human player of the game (name without "(CPU)") with the game
    // total, in player order. Computer players never enter the table.
    void AddFinishedGame(const GameState& state);

    // Orders the entries best first with repeated bubble passes that swap only when
    // the first score is strictly lower, so equal scores keep their order: an entry
    // already in the file stays above a newcomer with the same score.
    void SortByScore();

    // Drops everything below the 50th entry.
    void KeepBest();

    // The player slot (0 to 3) of the finished game that holds the top entry: a human
    // whose trimmed, upper-cased name equals the top entry's and whose total equals
    // its score; the first such player. Nothing for an empty table.
    std::optional<int> RecordHolder(const GameState& state) const;

    const std::vector<HighScoreEntry>& Entries() const { return entries_; }

private:
    std::vector<HighScoreEntry> entries_;
};

// Why the high-score table is opened: at the end of a game, with the game's humans to
// enter, or from the menu, only to be shown.
enum class HighScoreMode { AfterGame, ViewOnly };

// What opening the high-score window does to the table, without any window: read the
// file; at the end of a game (HighScoreMode::AfterGame) merge the game's humans, rewrite the file
// (lines it could not parse stay below the table) and find the record holder. Opened
// from the menu it only reads, and never creates a file that does not exist. A file
// that is there but cannot be read is never rewritten.
struct HighScoreSetUp {
    HighScoreTable table;                // sorted, at most 50 entries
    std::optional<int> recordHolder;     // player slot, only at the end of a game
    bool fileWritten = false;
    QString writeError;                  // why the file could not be rewritten, if so
    QString readError;                   // why the file could not be read; it is then never rewritten

    // The table is the high-score file of `files`.
    static HighScoreSetUp Run(const ProgramFiles& files, const GameState& state, HighScoreMode mode);
};
