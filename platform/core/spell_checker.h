// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// An interactive spelling check of a short text: the text is shown to the user, who
// accepts a suggestion or types a correction for each word the checker does not
// know, and the corrected text comes back. Every failure is ignored, and then the
// text comes back as it was handed in, never empty.
class SpellChecker {
public:
    virtual ~SpellChecker() = default;
    virtual QString SpellCheck(const QString& incorrectText) = 0;
};
