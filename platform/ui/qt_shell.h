// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/core/shell.h"

// Opens targets with QDesktopServices: addresses with a scheme as URLs, anything
// else as the file at that path.
class QtShell : public Shell {
public:
    bool Open(const QString& target) override;
};
