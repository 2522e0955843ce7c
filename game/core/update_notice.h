// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The update notice on the maker's web server holds the latest version run together,
// "101" for 1.0.1. The installed version is compared the same way: its major, minor
// and revision numbers run together and read as one number.
namespace UpdateNotice {

QString InstalledVersionDigits(int major, int minor, int revision);

// The Yes/No question offering the download when the notice names a newer version;
// nothing when it names the same or an older one, or holds no number at all.
std::optional<QString> Question(const QByteArray& notice, int major, int minor, int revision);

}  // namespace UpdateNotice
