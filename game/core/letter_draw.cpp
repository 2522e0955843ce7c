// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/core/letter_draw.h"

#include "platform/core/dialogs.h"
#include "game/core/game_resets.h"
#include "model/game_state.h"
#include "platform/core/random_source.h"

#include <algorithm>
#include <utility>

namespace {

template <typename Hook, typename... Args>
void Run(const Hook& hook, Args&&... args)
{
    if (hook)
        hook(std::forward<Args>(args)...);
}

// Counts a whole-board draw for as long as it shows its tiles, however it ends.
class RunningDraw {
public:
    explicit RunningDraw(int& running) : running_(running) { ++running_; }
    ~RunningDraw() { --running_; }
    RunningDraw(const RunningDraw&) = delete;
    RunningDraw& operator=(const RunningDraw&) = delete;

private:
    int& running_;
};

}  // namespace

LetterDraw::LetterDraw(GameState& state, RandomSource& random, Dialogs& dialogs, Hooks hooks)
    : state_(state), random_(random), dialogs_(dialogs), hooks_(std::move(hooks))
{
}

bool LetterDraw::LimitReached(int drawn, int letterCount)
{
    return drawn > letterCount / 2.0 + 1;
}

QString LetterDraw::VowelLimitMessage(int drawnBefore)
{
    return QStringLiteral("Attenzione già estratte ") + QString::number(drawnBefore) +
           QStringLiteral(" vocali, estrarre ora solo consonanti");
}

QString LetterDraw::ConsonantLimitMessage(int drawnBefore)
{
    return QStringLiteral("Attenzione già estratte ") + QString::number(drawnBefore) +
           QStringLiteral(" consonanti, estrarre ora solo vocali");
}

QChar LetterDraw::PickFrom(const QString& pool, RandomSource& random)
{
    if (pool.isEmpty())
        return {};
    const int position = static_cast<int>(random.Next() * pool.size() + 1);
    return pool.at(std::min<int>(position, pool.size()) - 1);
}

void LetterDraw::PressVowel()
{
    PressSingle(kVowel, state_.VowelsDrawn);
}

void LetterDraw::PressConsonant()
{
    PressSingle(kConsonant, state_.ConsonantsDrawn);
}

void LetterDraw::PressSingle(int mode, int& counter)
{
    // While an auto or word draw shows its tiles its letters are not all in yet; a
    // letter added now would push the board past LetterCount.
    if (state_.DrawnLetters.size() >= state_.Settings.LetterCount || completedGeneration_ == generation_ ||
        wholeDrawsRunning_ > 0)
        return;
    ++counter;
    if (LimitReached(counter, state_.Settings.LetterCount)) {
        --counter;
        dialogs_.Inform(mode == kVowel ? VowelLimitMessage(counter) : ConsonantLimitMessage(counter));
        return;
    }
    Run(hooks_.prepareDraw);
    DrawLetter(mode);
}

void LetterDraw::PressAuto()
{
    if (completedGeneration_ == generation_)
        return;
    ++generation_;
    EmptyForNewDraw();
    Run(hooks_.resetTiles);
    Run(hooks_.prepareDraw);
    DrawLetter(kAuto);
}

void LetterDraw::ResetDraw()
{
    ++generation_;
    EmptyForNewDraw();
    state_.VowelsDrawn = 0;
    state_.ConsonantsDrawn = 0;
}

bool LetterDraw::BeginWordDraw()
{
    if (completedGeneration_ == generation_)
        return false;
    ++generation_;
    EmptyForNewDraw();
    Run(hooks_.resetTiles);
    state_.VowelsDrawn = 0;
    state_.ConsonantsDrawn = 0;
    return true;
}

void LetterDraw::FinishWordDraw(std::uint64_t generation)
{
    if (!StillCurrent(generation))
        return;
    const RunningDraw running(wholeDrawsRunning_);
    Run(hooks_.resetTiles);
    Run(hooks_.prepareDraw);
    DrawLetter(kRedrawAll);
}

void LetterDraw::EmptyForNewDraw()
{
    GameResets::ForNewDraw(state_);
}

bool LetterDraw::Appended(const QString& pool, int position)
{
    const QChar letter = PickFrom(pool, random_);
    if (letter.isNull())
        return false;
    state_.DrawnLetters.append(letter);
    Run(hooks_.drawTile, position, QString(letter));
    return true;
}

void LetterDraw::DrawLetter(int mode)
{
    const std::uint64_t generation = generation_;
    switch (mode) {
    case kVowel:
    case kConsonant:
        if (state_.DrawnLetters.size() >= state_.Settings.LetterCount)
            break;
        Appended(mode == kVowel ? state_.VowelPool : state_.ConsonantPool,
                 static_cast<int>(state_.DrawnLetters.size()));
        break;
    case kAuto: {
        const RunningDraw running(wholeDrawsRunning_);
        // Fills the free places; 1-based odd places take vowels, even ones consonants.
        while (StillCurrent(generation) && state_.DrawnLetters.size() < state_.Settings.LetterCount) {
            const int position = static_cast<int>(state_.DrawnLetters.size());
            if (!Appended(position % 2 == 0 ? state_.VowelPool : state_.ConsonantPool, position))
                break;
        }
        break;
    }
    case kRedrawAll: {
        const RunningDraw running(wholeDrawsRunning_);
        const QString letters = state_.DrawnLetters.left(state_.Settings.LetterCount);
        for (int i = 0; i < letters.size() && StillCurrent(generation); ++i)
            Run(hooks_.drawTile, i, letters.mid(i, 1));
        break;
    }
    default:
        return;
    }
    CheckComplete(generation);
}

void LetterDraw::CheckComplete(std::uint64_t generation)
{
    if (!StillCurrent(generation) || completedGeneration_ == generation ||
        state_.DrawnLetters.size() != state_.Settings.LetterCount)
        return;
    completedGeneration_ = generation;
    Run(hooks_.drawComplete);
}
