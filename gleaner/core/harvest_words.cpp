// SPDX-License-Identifier: GPL-3.0-or-later
#include "gleaner/core/harvest_words.h"

#include "model/letter_folding.h"

#include <QChar>

namespace {

bool IsForeignLetter(char letter)
{
    return letter == 'W' || letter == 'K' || letter == 'J' || letter == 'X' || letter == 'Y';
}

// À, é, ì, ö, ǔ and the like: a letter that decomposes canonically into a plain
// vowel and its marks. Ø (no decomposition) and ª (a superscript, not an accent)
// are not accented vowels.
char AccentedVowel(char32_t codePoint)
{
    if (QChar::decompositionTag(codePoint) != QChar::Canonical)
        return 0;
    const FoldedLetter folded = FoldLetter(codePoint);
    if (folded.kind != FoldedLetter::Letter || folded.count != 1)
        return 0;
    switch (folded.letters[0]) {
    case 'A': case 'E': case 'I': case 'O': case 'U':
        return folded.letters[0];
    default:
        return 0;
    }
}

}  // namespace

namespace HarvestWords {

QList<QStringView> ReaderWords(QStringView line, bool& sentenceStart)
{
    QList<QStringView> words;
    if (line.trimmed().isEmpty()) {
        sentenceStart = true;  // a blank line ends a paragraph
        return words;
    }
    auto isApostrophe = [](QChar c) { return c == u'\'' || c == u'\u2019' || c == u'`'; };
    qsizetype i = 0;
    while (i < line.size()) {
        const QChar c = line[i];
        if (!c.isLetter()) {
            if (c == u'.' || c == u'!' || c == u'?' || c == u'\u2026')
                sentenceStart = true;
            ++i;
            continue;
        }
        const qsizetype start = i;
        while (i < line.size() && line[i].isLetter())
            ++i;
        const QStringView run = line.sliced(start, i - start);
        const bool elided = i + 1 < line.size() && isApostrophe(line[i]) && line[i + 1].isLetter();
        const bool name = run.front().isUpper() && !sentenceStart;
        sentenceStart = false;
        if (!elided && !name)
            words.append(run);
    }
    return words;
}

QStringView CutToken(QStringView& rest)
{
    const qsizetype blank = rest.indexOf(u' ');
    if (blank < 0) {
        const QStringView token = rest;
        rest = {};
        return token;
    }
    const QStringView token = rest.first(blank);
    qsizetype next = blank;
    while (next < rest.size() && rest[next] == u' ')
        ++next;
    rest = rest.sliced(next);
    return token;
}

std::optional<QByteArray> PlainWord(QStringView token, bool foreignLetters)
{
    QByteArray word(token.size(), Qt::Uninitialized);
    char* out = word.data();
    for (const QChar character : token) {
        const char16_t code = character.unicode();
        char letter = 0;
        if (code >= u'a' && code <= u'z')
            letter = static_cast<char>(code - u'a' + 'A');
        else if (code >= u'A' && code <= u'Z')
            letter = static_cast<char>(code);
        else if (code >= 0xC0 && !character.isSurrogate())
            letter = AccentedVowel(code);
        if (letter == 0 || (!foreignLetters && IsForeignLetter(letter)))
            return std::nullopt;
        *out++ = letter;
    }
    return word;
}

}  // namespace HarvestWords
