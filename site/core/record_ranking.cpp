// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/core/record_ranking.h"

#include <cstddef>

std::vector<int> RanksOfPage(const std::vector<int>& pointsOnPage, int firstPosition, int betterThanFirst)
{
    std::vector<int> ranks;
    ranks.reserve(pointsOnPage.size());
    for (std::size_t i = 0; i < pointsOnPage.size(); ++i) {
        if (i == 0)
            ranks.push_back(betterThanFirst + 1);
        else if (pointsOnPage[i] == pointsOnPage[i - 1])
            ranks.push_back(ranks.back());
        else
            ranks.push_back(firstPosition + static_cast<int>(i) + 1);
    }
    return ranks;
}
