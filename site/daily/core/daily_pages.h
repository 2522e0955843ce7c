// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "site/core/site_storage.h"
#include "site/daily/core/daily_scoring.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <map>
#include <optional>
#include <vector>

// The pages of the day's challenge as UTF-8 HTML, in Italian. Their only script is
// the site's own file sfida.js (the board, the clock, "Copia"); every value from a
// player or the database is escaped where it is written.
namespace DailyPages {

inline constexpr const char* kBase = "/letterama/sfida/";
inline constexpr int kLongestName = 24;

QByteArray Choice();

// The board's page before "Gioca": the letters are not in it.
QByteArray Play(Language language, const QByteArray& token);

struct Day {
    Language language = Language::Italian;
    QDate day;
    std::vector<DailyScoring::Ranked> ranking;
    std::map<int, int> lengths;
};
// The day's ranking and the lengths found, as the result page shows them.
QByteArray RankingSection(const Day& day, const QString& ownPlayer);
// The player's result above the day's ranking; without a try, a link to play.
QByteArray Result(const Day& day, const std::optional<DailyTry>& own, const QByteArray& rankingSection);
// The ranking alone, the same for everyone.
QByteArray Ranking(const Day& day, const QByteArray& rankingSection);

struct PastBoard {
    DailyBoardRow board;
    std::vector<DailyTry> winners;
};
QByteArray Archive(const std::vector<PastBoard>& boards);

// The page the game opens after its manche: the word and the time, a name, and the
// button that stores them (its token signed with them).
QByteArray ConfirmGameTry(Language language, const QString& word, int seconds, const QByteArray& token);

}  // namespace DailyPages
