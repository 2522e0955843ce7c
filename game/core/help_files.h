// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The local help page the "?" menu opens.
namespace HelpFiles {

inline constexpr const char* kHelpPage = "Letterama.htm";

// The help-page missing message.
QString MissingHelpMessage();

// The message when no program on the system opens the page at `path`, which names the
// page so that the player can open it by hand.
QString UnopenedHelpMessage(const QString& path);

}  // namespace HelpFiles
