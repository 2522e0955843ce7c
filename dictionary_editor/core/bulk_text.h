// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// The text of the editor's bulk box and of the missing-words lists.
namespace BulkText {

// The lines of `text`: a line ends at CR LF, CR or LF (a pasted text, the box's own
// line ends); the last line needs no end. Empty lines are kept as empty entries.
QStringList Lines(const QString& text);

// The line of `text` that holds the caret at `caret` (0-based), as a start and a
// length within `text`.
struct Span {
    qsizetype start = 0;
    qsizetype length = 0;
};
Span LineAt(const QString& text, qsizetype caret);

// The missing-words list is a few thousand words at most; a bigger reply is no such list.
inline constexpr qsizetype kMaxMissingWordsBytes = 1024 * 1024;

// The text of a missing-words list as fetched or read: UTF-8 when it is valid UTF-8,
// else the single-byte code page. Nothing for a reply that is too big or holds zero
// bytes (no text at all).
std::optional<QString> MissingWordsText(const QByteArray& bytes);

}  // namespace BulkText
