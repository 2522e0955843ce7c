#include "bulk_text.h"

#include "single_byte_text.h"

#include <algorithm>

namespace BulkText {

QStringList Lines(const QString& text)
{
    QStringList lines;
    const qsizetype size = text.size();
    qsizetype start = 0;
    while (start < size) {
        qsizetype end = start;
        while (end < size && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        lines.append(text.mid(start, end - start));
        if (end + 1 < size && text[end] == u'\r' && text[end + 1] == u'\n')
            ++end;
        start = end + 1;
    }
    return lines;
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
