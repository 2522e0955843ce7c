// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <string>
#include <string_view>

// A query or a posted form ("a=1&b=x+y%21"): keys and values percent-decoded, "+" a
// blank, in their order. A pair splits at its first "=" only, so a value keeps any
// "=" it holds ("Nome=Anna=Maria" is "Anna=Maria"); a pair without "=" is a key with
// an empty value.
std::multimap<std::string, std::string> DecodedForm(std::string_view text);

// A path's percent escapes decoded ("+" stays as it is in a path).
std::string DecodedPath(std::string_view path);
