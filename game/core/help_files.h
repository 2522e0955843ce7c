// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The local help page the "?" menu opens.
namespace HelpFiles {

inline constexpr const char* kHelpPage = "Letterama.htm";

// The help-page missing message.
QString MissingHelpMessage();

}  // namespace HelpFiles
