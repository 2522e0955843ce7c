// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/lexicon_search/search_fixture.h"
#include "model/language.h"
#include "lexicon/core/lexicon_index.h"
#include "lexicon/core/lexicon_writer.h"

#include <map>
#include <vector>

void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

QByteArray LexiconBytes(const QByteArrayList& words)
{
    LexiconWordLists lists;
    std::map<int, QByteArray> longSections;
    for (const QByteArray& word : words) {
        const int length = static_cast<int>(word.size());
        if (length >= LexiconIndex::kMinLength && length < LexiconIndex::kMinLength + kLexiconListCount)
            lists[length - LexiconIndex::kMinLength].append(word);
        else if (length <= LexiconIndex::kMaxLength)
            longSections[length].append(word);
    }
    QByteArray bytes = ComposeLexicon(lists, LexiconBanner(Language::Italian)).bytes;
    for (const auto& [length, area] : longSections) {
        const qsizetype start = bytes.size() + 1;
        bytes.append(area);
        const QByteArray record = QByteArray::number(start).rightJustified(8, ' ') +
                                  QByteArray::number(bytes.size() + 1).rightJustified(8, ' ');
        bytes.replace(LexiconIndex::kIndexOffset + (length - LexiconIndex::kMinLength) * LexiconIndex::kRecordSize,
                      LexiconIndex::kRecordSize, record);
    }
    return bytes;
}

std::shared_ptr<const LexiconWords> LoadedWords(const QByteArrayList& words)
{
    return LexiconWords::FromFileBytes(LexiconBytes(words));
}

bool ReferenceLetterTest(const QString& word, const QString& drawnLetters)
{
    std::vector<bool> used(static_cast<std::size_t>(drawnLetters.size()), false);
    for (const QChar letter : word) {
        qsizetype at = 0;
        while (at < drawnLetters.size() && (used[static_cast<std::size_t>(at)] || drawnLetters[at] != letter))
            ++at;
        if (at == drawnLetters.size())
            return false;
        used[static_cast<std::size_t>(at)] = true;
    }
    return true;
}

QStringList ReferenceSearch(const QByteArrayList& words, const QString& drawnLetters, int letterCount)
{
    QStringList found;
    for (int n = LexiconIndex::kMinLength; n <= std::min(letterCount, LexiconIndex::kMaxLength); ++n) {
        for (const QByteArray& word : words) {
            const QString text = QString::fromLatin1(word);
            if (word.size() == n && ReferenceLetterTest(text, drawnLetters))
                found.append(text);
        }
    }
    return found;
}

namespace {

QChar PickFrom(std::mt19937& random, const QString& pool)
{
    return pool[std::uniform_int_distribution<qsizetype>(0, pool.size() - 1)(random)];
}

}  // namespace

QByteArrayList RandomWords(std::mt19937& random, int count, int minLength, int maxLength)
{
    const LanguageTable& italian = TableOf(Language::Italian);
    std::uniform_int_distribution<int> length(minLength, maxLength);
    std::bernoulli_distribution vowel(0.45);
    QByteArrayList words;
    for (int i = 0; i < count; ++i) {
        QByteArray word;
        for (int n = length(random); n > 0; --n)
            word.append(PickFrom(random, vowel(random) ? italian.VowelPool : italian.ConsonantPool).toLatin1());
        words.append(word);
    }
    return words;
}

QString RandomDraw(std::mt19937& random, int letters)
{
    const LanguageTable& italian = TableOf(Language::Italian);
    QString draw;
    for (int i = 0; i < letters; ++i)
        draw.append(PickFrom(random, i % 2 == 0 ? italian.VowelPool : italian.ConsonantPool));
    return draw;
}
