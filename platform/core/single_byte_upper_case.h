// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Upper case for text kept in the single-byte code page: each character becomes its
// capital only when the code page has a byte for that capital, so upper-casing never
// produces a character the file cannot store ("µ" stays "µ"; "ß" stays one letter).
QString SingleByteUpperCase(const QString& text);
