// SPDX-License-Identifier: GPL-3.0-or-later
#include "lexicon/core/word_list_builder.h"

#include "model/letter_folding.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int kBitsPerLetter = 5;

// Letters are packed 5 bits each, A as 1, the first letter in the highest bits, so
// that among words of one length numeric order is byte order.
constexpr int ShiftOf(int letterIndex)
{
    return kBitsPerLetter * (WordListBuilder::kLongest - 1 - letterIndex);
}

QByteArray Unpack(std::uint64_t packed, int length)
{
    QByteArray word(length, Qt::Uninitialized);
    for (int i = 0; i < length; ++i)
        word[i] = static_cast<char>('A' - 1 + ((packed >> ShiftOf(i)) & 31));
    return word;
}

bool IsContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(QByteArrayView text)
{
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const auto* end = p + text.size();
    while (p < end) {
        // Plain ASCII eight bytes at a time: nearly every byte of a word list.
        while (end - p >= 8) {
            std::uint64_t chunk;
            std::memcpy(&chunk, p, 8);
            if (chunk & 0x8080808080808080ULL)
                break;
            p += 8;
        }
        if (p == end)
            break;
        const unsigned char b = *p;
        if (b < 0x80) {
            ++p;
            continue;
        }
        int extra = 0;
        char32_t minimum = 0;
        char32_t cp = 0;
        if (b >= 0xC2 && b <= 0xDF) {
            extra = 1, minimum = 0x80, cp = b & 0x1F;
        } else if (b >= 0xE0 && b <= 0xEF) {
            extra = 2, minimum = 0x800, cp = b & 0x0F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            extra = 3, minimum = 0x10000, cp = b & 0x07;
        } else {
            return false;
        }
        if (end - p <= extra)
            return false;
        for (int i = 1; i <= extra; ++i) {
            if (!IsContinuation(p[i]))
                return false;
            cp = (cp << 6) | (p[i] & 0x3F);
        }
        if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        p += extra + 1;
    }
    return true;
}

// A code point of text already known to be valid UTF-8.
char32_t DecodeUtf8(const unsigned char*& p)
{
    const unsigned char b = *p++;
    if (b < 0xE0)
        return (char32_t(b & 0x1F) << 6) | (*p++ & 0x3F);
    if (b < 0xF0) {
        char32_t cp = char32_t(b & 0x0F) << 12;
        cp |= char32_t(*p++ & 0x3F) << 6;
        return cp | (*p++ & 0x3F);
    }
    char32_t cp = char32_t(b & 0x07) << 18;
    cp |= char32_t(*p++ & 0x3F) << 12;
    cp |= char32_t(*p++ & 0x3F) << 6;
    return cp | (*p++ & 0x3F);
}

// Consumes one decimal digit written with the numerals `one`, `five` and `ten`:
// one of I, II, III, IV, V, VI, VII, VIII, IX (or their tens and hundreds).
void SkipRomanDigit(const char* s, int n, int& pos, char one, char five, char ten)
{
    if (pos + 1 < n && s[pos] == one && (s[pos + 1] == five || s[pos + 1] == ten)) {
        pos += 2;
        return;
    }
    if (pos < n && s[pos] == five)
        ++pos;
    for (int i = 0; i < 3 && pos < n && s[pos] == one; ++i)
        ++pos;
}

// Whether the capitals spell a Roman numeral in its usual form (XVII, CDL, MMX).
bool IsRomanNumeral(const char* s, int n)
{
    int pos = 0;
    while (pos < n && pos < 4 && s[pos] == 'M')
        ++pos;
    SkipRomanDigit(s, n, pos, 'C', 'D', 'M');
    SkipRomanDigit(s, n, pos, 'X', 'L', 'C');
    SkipRomanDigit(s, n, pos, 'I', 'V', 'X');
    return n > 0 && pos == n;
}

bool IsBlank(unsigned char byte)
{
    return byte == ' ' || byte == '\t' || byte == '\r';
}

}  // namespace

WordListBuilder::WordListBuilder(const QString& alphabet)
{
    for (const QChar letter : alphabet) {
        const ushort u = letter.toUpper().unicode();
        if (u >= 'A' && u <= 'Z')
            inAlphabet_[u - 'A'] = true;
    }
}

template <bool Utf8>
bool WordListBuilder::FoldLine(const unsigned char* p, const unsigned char* end, Candidate& candidate) const
{
    char letters[kLongest];
    int length = 0;
    bool nameOrNumeral = false;
    while (p < end) {
        const unsigned char byte = *p;
        if (byte < 0x80) {  // nearly every letter of a word list: no table, no call
            const bool capital = byte >= 'A' && byte <= 'Z';
            const int index = (byte | 0x20) - 'a';
            if (index < 0 || index >= 26)  // byte | 0x20 maps both cases onto a..z
                return false;
            if (length == kLongest || !inAlphabet_[index])
                return false;
            letters[length++] = static_cast<char>('A' + index);
            nameOrNumeral |= capital;
            ++p;
            continue;
        }
        const char32_t cp = Utf8 ? DecodeUtf8(p) : *p++;
        const FoldedLetter folded = FoldLetter(cp);
        if (folded.kind == FoldedLetter::NotALetter)
            return false;
        if (folded.kind == FoldedLetter::CombiningMark)
            continue;
        nameOrNumeral |= folded.upperCase;
        for (int i = 0; i < folded.count; ++i) {
            const int index = folded.letters[i] - 'A';
            if (length == kLongest || !inAlphabet_[index])
                return false;
            letters[length++] = folded.letters[i];
        }
    }
    if (length < kShortest)
        return false;
    std::uint64_t packed = 0;
    for (int i = 0; i < length; ++i)
        packed |= std::uint64_t(letters[i] - 'A' + 1) << ShiftOf(i);
    // Word lists written in lower case still carry numerals such as "xvii" or "ccl".
    nameOrNumeral |= IsRomanNumeral(letters, length);
    candidate = {packed, static_cast<std::uint8_t>(length), nameOrNumeral};
    return true;
}

template <bool Utf8>
void WordListBuilder::ReadLines(QByteArrayView contents, WordListStats& stats)
{
    const auto* p = reinterpret_cast<const unsigned char*>(contents.data());
    const auto* end = p + contents.size();
    if (Utf8 && end - p >= 3 && p[0] == 0xEF && p[1] == 0xBB && p[2] == 0xBF)
        p += 3;  // byte order mark
    std::int64_t lowerFirst = 0;
    std::int64_t upperFirst = 0;
    candidates_.clear();
    while (p < end) {
        const auto* newline = static_cast<const unsigned char*>(std::memchr(p, '\n', end - p));
        const auto* lineEnd = newline ? newline : end;
        const auto* next = newline ? newline + 1 : end;
        while (p < lineEnd && IsBlank(*p))
            ++p;
        while (lineEnd > p && IsBlank(lineEnd[-1]))
            --lineEnd;
        if (p < lineEnd) {
            ++stats.lines;
            // The first letter tells how the list is written; ASCII is enough to tell.
            lowerFirst += (*p >= 'a' && *p <= 'z');
            upperFirst += (*p >= 'A' && *p <= 'Z');
            Candidate candidate;
            if (FoldLine<Utf8>(p, lineEnd, candidate))
                candidates_.push_back(candidate);
        }
        p = next;
    }
    stats.lowerCaseList = lowerFirst > upperFirst;
    for (const Candidate& candidate : candidates_) {
        if (stats.lowerCaseList && candidate.nameOrNumeral) {
            ++stats.namesAndNumerals;
            continue;
        }
        words_[candidate.length].push_back(candidate.packed);
        ++stats.accepted;
    }
    candidates_.clear();
}

WordListStats WordListBuilder::AddList(QByteArrayView contents)
{
    WordListStats stats;
    stats.utf8 = IsValidUtf8(contents);
    if (stats.utf8)
        ReadLines<true>(contents, stats);
    else
        ReadLines<false>(contents, stats);
    return stats;
}

LexiconWordLists WordListBuilder::Finish()
{
    LexiconWordLists lists;
    for (int length = kShortest; length <= kLongest; ++length) {
        std::vector<std::uint64_t>& words = words_[length];
        std::sort(words.begin(), words.end());
        words.erase(std::unique(words.begin(), words.end()), words.end());
        QByteArrayList& list = lists[length - kShortest];
        list.reserve(static_cast<qsizetype>(words.size()));
        for (const std::uint64_t packed : words)
            list.append(Unpack(packed, length));
        words.clear();
        words.shrink_to_fit();
    }
    return lists;
}
