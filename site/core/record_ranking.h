// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

// Ranks of one page of the record table. Records are ordered by points, best first;
// equal points share a rank and the next rank skips as many places (1, 2, 2, 4).
// `pointsOnPage` are the page's points in table order, `firstPosition` the 0-based
// place of the page's first record in the whole table, `betterThanFirst` how many
// records of the whole table have more points than the page's first.
std::vector<int> RanksOfPage(const std::vector<int>& pointsOnPage, int firstPosition, int betterThanFirst);
