// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ui/search_runner.h"

#include "game/ui/fill_strip.h"
#include "platform/core/dialogs.h"
#include "model/game_state.h"
#include "game/core/round_clock.h"
#include "lexicon/core/word_search.h"

#include <QLabel>

const QColor SearchRunner::kProgressColor(0, 0, 128);

SearchRunner::SearchRunner(GameState& state, Dialogs& dialogs, FillStrip& progressStrip, QLabel& timeLabel)
    : state_(state), dialogs_(dialogs), progressStrip_(progressStrip), timeLabel_(timeLabel)
{
}

void SearchRunner::Run(const LexiconSource& source)
{
    const int letterCount = state_.Settings.LetterCount;
    const LexiconResult<WordSearch::Found> found = WordSearch::Run(source, state_.DrawnLetters, letterCount);
    if (!found) {
        dialogs_.Inform(found.Error().Message());
        return;
    }
    state_.FoundWords.clear();
    if (list_.clear)
        list_.clear();
    for (int length = 3; length <= letterCount; ++length)
        LengthDone(length, found->OfLength(length), letterCount);
}

void SearchRunner::LengthDone(int length, const QStringList& words, int letterCount)
{
    // Every find is kept, however many: the expert picks from the later, longer half
    // of the list, and a cut would leave the longest words out.
    QStringList lines;
    lines.reserve(words.size());
    for (const QString& word : words) {
        state_.FoundWords.append(word);
        lines.append(FoundWordLine(word));
    }
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
