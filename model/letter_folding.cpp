// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/letter_folding.h"

#include <QChar>
#include <QString>

#include <array>

namespace {

constexpr char32_t kTableSize = 0x300;

FoldedLetter Letters(const char* plain, bool upperCase)
{
    FoldedLetter folded;
    folded.kind = FoldedLetter::Letter;
    folded.upperCase = upperCase;
    for (; *plain != '\0' && folded.count < 2; ++plain)
        folded.letters[folded.count++] = *plain;
    return folded;
}

// Letters that no decomposition takes apart but that are spelt with plain letters.
const char* PlainSpelling(char32_t codePoint)
{
    switch (codePoint) {
    case U'Æ': case U'æ': return "AE";
    case U'Œ': case U'œ': return "OE";
    case U'ß': return "SS";
    case U'Ø': case U'ø': return "O";
    case U'Đ': case U'đ': return "D";
    case U'Ł': case U'ł': return "L";
    case U'ı': return "I";
    default: return nullptr;
    }
}

FoldedLetter Decompose(char32_t codePoint)
{
    if (codePoint < 0x80) {
        if (codePoint >= 'a' && codePoint <= 'z') {
            const char upper[2] = {static_cast<char>(codePoint - 'a' + 'A'), 0};
            return Letters(upper, false);
        }
        if (codePoint >= 'A' && codePoint <= 'Z') {
            const char upper[2] = {static_cast<char>(codePoint), 0};
            return Letters(upper, true);
        }
        return {};
    }
    const bool upperCase = QChar::isUpper(codePoint);
    if (const char* plain = PlainSpelling(codePoint))
        return Letters(plain, upperCase);
    const QChar::Category category = QChar::category(codePoint);
    if (category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining ||
        category == QChar::Mark_Enclosing) {
        FoldedLetter mark;
        mark.kind = FoldedLetter::CombiningMark;
        return mark;
    }
    if (!QChar::isLetter(codePoint))
        return {};
    // Compatibility decomposition: takes accents, macrons and breves off (ā -> a +
    // macron) and splits ligatures such as ﬁ.
    const QString decomposed =
        QString::fromUcs4(&codePoint, 1).normalized(QString::NormalizationForm_KD);
    FoldedLetter folded;
    folded.kind = FoldedLetter::Letter;
    folded.upperCase = upperCase;
    for (const QChar c : decomposed) {
        const ushort u = c.unicode();
        if (QChar::category(u) == QChar::Mark_NonSpacing)
            continue;
        const bool plainLetter = (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z');
        if (!plainLetter || folded.count == 2)
            return {};
        folded.letters[folded.count++] = static_cast<char>(u >= 'a' ? u - 'a' + 'A' : u);
    }
    return folded.count > 0 ? folded : FoldedLetter{};
}

const std::array<FoldedLetter, kTableSize>& Table()
{
    static const std::array<FoldedLetter, kTableSize> table = [] {
        std::array<FoldedLetter, kTableSize> t;
        for (char32_t c = 0; c < kTableSize; ++c)
            t[c] = Decompose(c);
        return t;
    }();
    return table;
}

}  // namespace

FoldedLetter FoldLetter(char32_t codePoint)
{
    if (codePoint < kTableSize)
        return Table()[codePoint];
    return Decompose(codePoint);
}
