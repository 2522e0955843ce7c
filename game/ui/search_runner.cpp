// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ui/search_runner.h"

#include "game/ui/fill_strip.h"
#include "model/game_state.h"
#include "game/core/round_clock.h"
#include "lexicon/core/word_search.h"

#include <QLabel>

#include <algorithm>
#include <vector>

const QColor SearchRunner::kProgressColor(0, 0, 128);

SearchRunner::SearchRunner(const GameState& state, FillStrip& progressStrip, QLabel& timeLabel)
    : state_(state), progressStrip_(progressStrip), timeLabel_(timeLabel)
{
}

void SearchRunner::Show()
{
    const int letterCount = state_.Settings.LetterCount;
    // The finds come by length ascending: each length is one run of them.
    std::vector<QStringList> byLength(static_cast<std::size_t>(std::max(letterCount, 0)) + 1);
    for (const QString& word : state_.FoundWords) {
        const auto length = static_cast<std::size_t>(word.size());
        if (length < byLength.size())
            byLength[length].append(word);
    }
    if (list_.clear)
        list_.clear();
    for (int length = 3; length <= letterCount; ++length)
        LengthDone(length, byLength[static_cast<std::size_t>(length)], letterCount);
}

void SearchRunner::LengthDone(int length, const QStringList& words, int letterCount)
{
    // Every find is kept, however many: the expert picks from the later, longer half
    // of the list, and a cut would leave the longest words out.
    QStringList lines;
    lines.reserve(words.size());
    for (const QString& word : words)
        lines.append(FoundWordLine(word));
    if (!lines.isEmpty() && list_.append)
        list_.append(lines);

    // The last length paints nothing while the clock has not yet ticked: its segment
    // lies past the strip's right edge anyway, which is full after length M - 1.
    if (length == letterCount && state_.ElapsedSeconds == 0)
        return;
    const double width = progressStrip_.InnerWidth();
    const double height = progressStrip_.InnerHeight();
    const double segment = width / (letterCount - 3);
    progressStrip_.FillBox(QRectF((length - 3) * segment, -1, segment, height + 2), kProgressColor);
    timeLabel_.setText(RoundClock::TimeLabel(state_.ElapsedSeconds, state_.Settings.RoundSeconds));
}
