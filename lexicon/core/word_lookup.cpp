// SPDX-License-Identifier: GPL-3.0-or-later
#include "lexicon/core/word_lookup.h"
#include "lexicon/core/letter_test.h"
#include "lexicon/core/personal_vocabulary_reader.h"

#include <algorithm>
#include <string>

namespace {

constexpr int kShortestWord = 3;

}  // namespace

std::optional<std::string> WordAsLexiconBytes(const QString& word)
{
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(word.size()));
    for (const QChar c : word) {
        if (c.unicode() > 0xFF)
            return std::nullopt;
        bytes.push_back(static_cast<char>(c.unicode()));
    }
    return bytes;
}

bool WordLookup::InLexicon(const LexiconWords& words, const QString& word)
{
    const std::optional<std::string> bytes = WordAsLexiconBytes(word);
    return bytes && words.Holds(*bytes);
}

LexiconResult<QString> WordLookup::Judge(const LexiconSource& source, const QString& vocabularyFileName,
                                         const Query& query)
{
    const LexiconResult<std::shared_ptr<const LexiconWords>> words = source.Open();
    if (!words)
        return words.Error();
    const LexiconWords& lexicon = **words;
    return JudgeWith([&lexicon](const QString& word) { return InLexicon(lexicon, word); }, vocabularyFileName,
                     query);
}

QString WordLookup::JudgeWith(const LexiconCheck& inLexicon, const QString& vocabularyFileName, const Query& query)
{
    if (query.word.size() < kShortestWord || !IsSpeltFrom(query.word, query.drawnLetters))
        return WordVerdict::NotSpelt;
    const bool known = inLexicon(query.word);
    if (PersonalVocabularyReader::Find(vocabularyFileName, query.word, query.excluded))
        return WordVerdict::Valid;
    return known ? WordVerdict::Valid : WordVerdict::Unknown;
}
