// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

// The update notice holds the latest version's major, minor and revision run
// together ("101" for 1.0.1), and the game shows it back as the first digit, a dot,
// the second, a dot and the rest. So major and minor are one digit each and the
// revision one or more. The keeper may give "1.0.1" or "101"; nothing for anything
// the game would misread.
std::optional<QString> VersionDigits(const QString& keeperText);
