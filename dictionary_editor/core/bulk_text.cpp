// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary_editor/core/bulk_text.h"

#include "lexicon/core/per_length_files.h"
#include "platform/core/single_byte_text.h"

#include <algorithm>

namespace BulkText {

QStringList Lines(const QString& text)
{
    return PerLengthFiles::SplitLines(text);
}

Span LineAt(const QString& text, qsizetype caret)
{
    caret = std::clamp<qsizetype>(caret, 0, text.size());
    qsizetype start = caret;
    while (start > 0 && text[start - 1] != u'\n' && text[start - 1] != u'\r')
        --start;
    qsizetype end = caret;
    while (end < text.size() && text[end] != u'\n' && text[end] != u'\r')
        ++end;
    return {start, end - start};
}

std::optional<QString> MissingWordsText(const QByteArray& bytes)
{
    if (bytes.size() > kMaxMissingWordsBytes || bytes.contains('\0'))
        return std::nullopt;
    return SingleByteText::DecodeAny(bytes);
}

}  // namespace BulkText
