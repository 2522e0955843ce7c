// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/ui/form_encoding.h"

namespace {

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// A "%" not followed by two hex digits stands for itself.
std::string Decoded(std::string_view text, bool plusIsBlank)
{
    std::string decoded;
    decoded.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '%' && i + 2 < text.size() && HexValue(text[i + 1]) >= 0 &&
            HexValue(text[i + 2]) >= 0) {
            decoded.push_back(static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2])));
            i += 2;
        } else {
            decoded.push_back(plusIsBlank && c == '+' ? ' ' : c);
        }
    }
    return decoded;
}

}  // namespace

std::multimap<std::string, std::string> DecodedForm(std::string_view text)
{
    std::multimap<std::string, std::string> fields;
    while (!text.empty()) {
        const std::size_t end = text.find('&');
        const std::string_view pair = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (pair.empty())
            continue;
        const std::size_t equals = pair.find('=');
        if (equals == std::string_view::npos)
            fields.emplace(Decoded(pair, true), std::string());
        else
            fields.emplace(Decoded(pair.substr(0, equals), true), Decoded(pair.substr(equals + 1), true));
    }
    return fields;
}

std::string DecodedPath(std::string_view path)
{
    return Decoded(path, false);
}
