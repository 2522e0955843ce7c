// SPDX-License-Identifier: GPL-3.0-or-later
#include "gleaner/core/bounded_line_reader.h"

#include <algorithm>

namespace {

constexpr qint64 kBlockBytes = 64 * 1024;

// Where to cut `size` bytes so that a UTF-8 character that starts before the cut
// does not end after it: before its lead byte if it would be cut, else at `size`.
qsizetype WholeCharacterCut(const char* data, qsizetype size)
{
    qsizetype lead = size - 1;
    while (lead > 0 && lead > size - 4 && (static_cast<unsigned char>(data[lead]) & 0xC0) == 0x80)
        --lead;
    const unsigned char byte = static_cast<unsigned char>(data[lead]);
    const qsizetype length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
    return lead > 0 && lead + length > size ? lead : size;
}

}  // namespace

BoundedLineReader::BoundedLineReader(QIODevice& device, qint64 limit) : device_(device), unread_(limit) {}

bool BoundedLineReader::Fill()
{
    if (atEnd_)
        return false;
    if (unread_ <= 0) {
        atEnd_ = true;
        return false;
    }
    // Drop what was handed out before growing the buffer.
    if (start_ > 0) {
        buffer_.remove(0, start_);
        start_ = 0;
    }
    const qsizetype old = buffer_.size();
    const qint64 wanted = std::min(kBlockBytes, unread_);
    buffer_.resize(old + wanted);
    const qint64 got = device_.read(buffer_.data() + old, wanted);
    if (got < 0) {
        failed_ = true;
        atEnd_ = true;
        buffer_.resize(old);
        return false;
    }
    buffer_.resize(old + got);
    unread_ -= got;
    if (got == 0)
        atEnd_ = true;
    return got > 0;
}

void BoundedLineReader::Take(qsizetype length, qsizetype endLength, QByteArray* line)
{
    *line = buffer_.sliced(start_, length);
    start_ += length + endLength;
    consumed_ += length + endLength;
}

BoundedLineReader::Status BoundedLineReader::Next(QByteArray* line)
{
    qsizetype searched = 0;  // bytes after start_ known to hold no line end
    for (;;) {
        const char* data = buffer_.constData() + start_;
        const qsizetype available = buffer_.size() - start_;
        const qsizetype window = std::min(available, kMaxLineBytes);
        const char* end = std::find_if(data + searched, data + window,
                                       [](char byte) { return byte == '\r' || byte == '\n'; });
        const qsizetype length = end - data;
        if (length < window) {
            // A CR at the end of the buffer may be the first half of a CR LF.
            if (*end == '\r' && length + 1 == available && Fill())
                continue;
            data = buffer_.constData() + start_;
            const bool crLf = data[length] == '\r' && length + 1 < buffer_.size() - start_ &&
                              data[length + 1] == '\n';
            Take(length, crLf ? 2 : 1, line);
            return Status::Line;
        }
        searched = length;
        if (window == kMaxLineBytes) {
            // No line end within the bound: hand out a piece, cut after its last blank.
            const char* lastBlank = std::find(std::make_reverse_iterator(data + window),
                                              std::make_reverse_iterator(data), ' ')
                                        .base();
            Take(lastBlank > data ? lastBlank - data : WholeCharacterCut(data, window), 0, line);
            return Status::Line;
        }
        if (!Fill()) {
            if (failed_)
                return Status::Error;
            if (buffer_.size() == start_)
                return Status::End;
            Take(buffer_.size() - start_, 0, line);
            return Status::Line;
        }
    }
}
