#include "word_lookup.h"
#include "letter_test.h"
#include "personal_vocabulary_reader.h"

#include <algorithm>
#include <string>

namespace {

constexpr int kShortestWord = 3;

// The word as lexicon bytes; nothing when a character has no single-byte form, as
// no lexicon record can then equal it.
std::optional<std::string> LexiconBytes(const QString& word)
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

}  // namespace

std::optional<bool> WordLookup::InLexicon(const LexiconWords& words, const QString& word, YieldPacer& pacer)
{
    const std::optional<std::string> bytes = LexiconBytes(word);
    if (!bytes)
        return false;
    const int length = static_cast<int>(bytes->size());
    if (words.Count(length) <= 0)
        return false;
    const auto same = [&](std::uint32_t k) { return words.Word(length, static_cast<std::int32_t>(k)) == *bytes; };

    // A word of letters A-Z is among the anagrams its key leads to; any other is
    // among the odd words of its length.
    const AnagramIndex& index = words.Anagrams();
    if (const std::optional<AnagramIndex::Key> key = AnagramIndex::KeyOf(*bytes)) {
        const std::span<const std::uint32_t> candidates = index.Candidates(length, *key);
        return std::any_of(candidates.begin(), candidates.end(), same);
    }
    for (const std::uint32_t k : index.OddWords(length)) {
        if (!pacer.Step())
            return std::nullopt;
        if (same(k))
            return true;
    }
    return false;
}

std::optional<QString> WordLookup::Judge(const LexiconSource& source, QString vocabularyFileName, Query query,
                                        Dialogs& dialogs, const Cooperation& cooperation)
{
    const std::shared_ptr<const LexiconWords> words = source.Open(dialogs);
    if (!words) {
        // The message box let events run: the caller may be gone by now.
        if (cooperation.stillCurrent && !cooperation.stillCurrent())
            return std::nullopt;
        return WordVerdict::NoLexicon;
    }
    if (query.word.size() < kShortestWord || !IsSpeltFrom(query.word, query.drawnLetters))
        return WordVerdict::NotSpelt;

    YieldPacer pacer(cooperation);
    const std::optional<bool> inLexicon = InLexicon(*words, query.word, pacer);
    if (!inLexicon)
        return std::nullopt;
    switch (PersonalVocabularyReader::Find(vocabularyFileName, query.word, query.excluded, pacer)) {
    case PersonalVocabularyReader::Result::Overtaken:
        return std::nullopt;
    case PersonalVocabularyReader::Result::Found:
        return WordVerdict::Valid;
    case PersonalVocabularyReader::Result::NotFound:
        break;
    }
    return *inLexicon ? WordVerdict::Valid : WordVerdict::Unknown;
}
