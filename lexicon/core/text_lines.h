// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

// Walks the lines of a one-byte-per-character text file: CR LF ends a line, and so
// does a lone CR or LF (a file edited elsewhere); a last line without its end counts.
// `visit(const char* line, qsizetype size)` returns false to stop early; ForEachLine
// then returns false too.
template <typename Visit>
bool ForEachLine(const QByteArray& bytes, Visit&& visit)
{
    const char* const data = bytes.constData();
    const qsizetype size = bytes.size();
    qsizetype start = 0;
    while (start < size) {
        qsizetype end = start;
        while (end < size && data[end] != '\r' && data[end] != '\n')
            ++end;
        if (!visit(data + start, end - start))
            return false;
        if (end < size && data[end] == '\r' && end + 1 < size && data[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return true;
}
