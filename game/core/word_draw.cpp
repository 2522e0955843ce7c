// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/core/word_draw.h"

#include "platform/core/dialogs.h"
#include "model/game_state.h"
#include "model/language.h"
#include "game/core/letter_draw.h"
#include "lexicon/core/lexicon_file.h"
#include "lexicon/core/lexicon_index.h"
#include "lexicon/core/lexicon_words.h"
#include "platform/core/program_files.h"
#include "platform/core/random_source.h"

#include <algorithm>

WordDraw::WordDraw(GameState& state, LetterDraw& draw, Dialogs& dialogs, RandomSource& random,
                   const LexiconIndex& index, const ProgramFiles& files)
    : state_(state), draw_(draw), dialogs_(dialogs), random_(random), index_(index), files_(files)
{
}

QString WordDraw::TypedWordPrompt(int letterCount)
{
    return QStringLiteral("Inserire una stringa o parola formata da ") + QString::number(letterCount) +
           QStringLiteral(" caratteri alfabetici da usare per il gioco. (Attenzione se si inserisce una parola "
                          "di senso compiuto essa NON potrà più essere utilizzata come soluzione dai giocatori "
                          "umani) :");
}

bool WordDraw::IsPlayable(const QString& letters, int letterCount, const QString& alphabet)
{
    if (letters.size() != letterCount)
        return false;
    for (const QChar c : letters) {
        if (!alphabet.contains(c))
            return false;
    }
    return true;
}

void WordDraw::PressTypedWord()
{
    if (!draw_.BeginWordDraw())
        return;
    const std::uint64_t generation = draw_.Generation();
    // A cancelled input box answers with nothing, which fails the length check.
    const QString typed = dialogs_.InputBox(TypedWordPrompt(state_.Settings.LetterCount)).value_or(QString());
    DrawFrom(typed.toUpper(), generation);
}

void WordDraw::PressProgramWord()
{
    if (!draw_.BeginWordDraw())
        return;
    const std::uint64_t generation = draw_.Generation();
    const QString word = PickLexiconWord();
    DrawFrom(Scramble(word, random_).toUpper(), generation);
}

void WordDraw::DrawString(const QString& letters)
{
    if (!draw_.BeginWordDraw())
        return;
    DrawFrom(letters.toUpper(), draw_.Generation());
}

QString WordDraw::PickWord(const LexiconWords& words, int length, RandomSource& random)
{
    const std::int32_t count = words.Count(length);
    if (count <= 0)
        return {};
    const auto k = std::min(static_cast<std::int32_t>(random.Next() * count), count - 1);
    return QString::fromLatin1(words.Word(length, k));
}

void WordDraw::DrawFrom(const QString& letters, std::uint64_t generation)
{
    // The question was modal, but a reset may still have come in meanwhile.
    if (draw_.Generation() != generation)
        return;
    if (!IsPlayable(letters, state_.Settings.LetterCount, state_.Alphabet)) {
        dialogs_.Beep();
        // SourceWord stays empty, as BeginWordDraw left it: nothing was drawn from
        // this string, so it must not hold against the players' words.
        state_.DrawnLetters.clear();
        return;
    }
    state_.DrawnLetters = letters;
    state_.SourceWord = letters;
    draw_.FinishWordDraw(generation);
}

QString WordDraw::PickLexiconWord()
{
    const int length = state_.Settings.LetterCount;
    const QString name = TableOf(state_.Settings.LexiconLanguage).LexiconFileName();
    if (!files_.Exists(name)) {
        dialogs_.Inform(::MissingLexiconMessage(state_.Settings.LexiconLanguage));
        return {};
    }
    if (length < LexiconIndex::kMinLength || length > LexiconIndex::kMaxLength || index_.SectionCount[length] <= 0)
        return {};
    const auto k = static_cast<std::int32_t>(random_.Next() * index_.SectionCount[length]);
    LexiconFile file;
    if (!file.Open(files_.Resolve(name)))
        return {};
    // The file clamps every read to itself: a word it does not wholly hold is empty.
    return QString::fromLatin1(file.ReadWord(index_, length, k + 1));
}

QString WordDraw::Scramble(const QString& word, RandomSource& random)
{
    const QChar taken = QLatin1Char(' ');
    QString rest = word;
    QString scrambled;
    const int length = static_cast<int>(word.size());
    auto remaining = length - word.count(taken);
    // A fair generator finds a free place within a few tries; a broken one must not
    // hang the game, so after many misses the first free place is taken.
    const int patience = 64 * std::max(length, 1);
    int misses = 0;
    while (remaining > 0) {
        int place = std::min(static_cast<int>(random.Next() * length), length - 1);
        if (rest.at(place) == taken) {
            if (++misses < patience)
                continue;
            place = 0;
            while (rest.at(place) == taken)
                ++place;
        }
        scrambled.append(rest.at(place));
        rest[place] = taken;
        --remaining;
        misses = 0;
    }
    return scrambled;
}
