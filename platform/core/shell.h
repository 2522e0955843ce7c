// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The shell's "start": opens a web address, a "mailto:" address or a local document
// with the system's default handler.
class Shell {
public:
    virtual ~Shell() = default;
    // Returns false when no handler took the target.
    virtual bool Open(const QString& target) = 0;
};
