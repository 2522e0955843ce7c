// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>

// A live table's game played to its fifth manche, as the site keeps it: a restart of
// the server loses the tables in play, never a game that ended.
struct FinishedTableGame {
    QString table;
    int language = 1;
    int letters = 8;
    int seconds = 60;
    int level = 2;
    // The seats' names at the end ("(CPU)" marks a computer player) and their totals.
    std::array<QString, 4> names;
    std::array<int, 4> totals{};
    QString winner;         // empty when the best total is shared
    qint64 finishedAt = 0;  // seconds since the epoch

    bool operator==(const FinishedTableGame&) const = default;
};
