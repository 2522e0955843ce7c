// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <cstring>

// Builds the bytes of a lexicon file by hand, independently of the writer, so that
// readers can be fed any index at all: 439 header bytes of zeros with the given
// records, then whatever word area the test wants.
class HandMadeLexicon {
public:
    HandMadeLexicon() : bytes_(439, '\0') {}

    // Puts raw 8-byte Start and End fields into the record of length n.
    HandMadeLexicon& Record(int n, const char (&start)[9], const char (&end)[9])
    {
        std::memcpy(bytes_.data() + 200 + 16 * (n - 3), start, 8);
        std::memcpy(bytes_.data() + 208 + 16 * (n - 3), end, 8);
        return *this;
    }
    HandMadeLexicon& Words(const QByteArray& area)
    {
        bytes_.append(area);
        return *this;
    }
    QByteArray Bytes() const { return bytes_; }

private:
    QByteArray bytes_;
};
