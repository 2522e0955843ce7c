// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

// Text files of the single-byte code page (Windows-1252: Latin-1 with the printable
// characters of 0x80 to 0x9F, such as the euro sign and the curly quotes).
namespace SingleByteText {

// Every byte is one character; the five bytes the code page leaves unassigned map to
// the control characters of the same value, so that nothing read is ever lost.
QString Decode(QByteArrayView bytes);

// The bytes of `text`; nothing when a character has no byte in the code page.
std::optional<QByteArray> Encode(QStringView text);

// A file of any origin: UTF-8 when the bytes are valid UTF-8 (plain ASCII included),
// otherwise the single-byte code page. A leading UTF-8 byte-order mark is dropped.
QString DecodeAny(QByteArrayView bytes);

}  // namespace SingleByteText
