// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's version, shown by the about window and compared with the update notice.
namespace Version {
constexpr int kMajor = 1;
constexpr int kMinor = 0;
constexpr int kRevision = 0;
}  // namespace Version
