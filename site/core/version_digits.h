// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

// The update notice holds the latest version's major, minor and revision run
// together ("101" for 1.0.1); the game compares it with its own as one number and
// shows it back as the first digit, a dot, the second, a dot and the rest. Only one
// digit each keeps that comparison in order: 1.0.10 would read as 1010, above 1.1.0's
// 110. The keeper may give "1.0.1" or "101"; nothing for anything else.
std::optional<QString> VersionDigits(const QString& keeperText);
