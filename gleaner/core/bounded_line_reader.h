// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QIODevice>

// Reads the lines of a text of any origin with a bound on what one line may hold, so
// that a binary file or a text without line ends is read in pieces instead of whole.
// Lines end at CR LF, CR or LF. A longer line is handed out in pieces of at most
// kMaxLineBytes, each cut just after a blank when there is one, so that no word of
// ordinary text is split, and else never inside a UTF-8 character.
class BoundedLineReader {
public:
    static constexpr qsizetype kMaxLineBytes = 64 * 1024;

    enum class Status { Line, End, Error };

    // Reads at most `limit` bytes of `device`, which must be open for reading.
    BoundedLineReader(QIODevice& device, qint64 limit);

    // The next line without its end, or End after the last one, or Error when the
    // device failed.
    Status Next(QByteArray* line);

    // Bytes consumed so far, line ends included.
    qint64 Consumed() const { return consumed_; }

private:
    // Reads more of the device into the buffer; false at its end or on an error.
    bool Fill();
    void Take(qsizetype length, qsizetype endLength, QByteArray* line);

    QIODevice& device_;
    qint64 unread_;
    QByteArray buffer_;
    qsizetype start_ = 0;  // first byte of the buffer not yet handed out
    qint64 consumed_ = 0;
    bool atEnd_ = false;
    bool failed_ = false;
};
