// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/core/html_text.h"

QString HtmlEscaped(const QString& text)
{
    QString escaped;
    escaped.reserve(text.size() + text.size() / 8);
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '<': escaped += QStringLiteral("&lt;"); break;
        case '>': escaped += QStringLiteral("&gt;"); break;
        case '&': escaped += QStringLiteral("&amp;"); break;
        case '"': escaped += QStringLiteral("&quot;"); break;
        case '\'': escaped += QStringLiteral("&#39;"); break;
        default: escaped += c;
        }
    }
    return escaped;
}

void AppendHtmlEscaped(std::string& page, QStringView text)
{
    const char16_t* c = text.utf16();
    const char16_t* const end = c + text.size();
    for (; c != end; ++c) {
        char32_t code = *c;
        if (code < 0x80) {
            switch (code) {
            case '<': page += "&lt;"; break;
            case '>': page += "&gt;"; break;
            case '&': page += "&amp;"; break;
            case '"': page += "&quot;"; break;
            case '\'': page += "&#39;"; break;
            default: page += static_cast<char>(code);
            }
            continue;
        }
        if (code >= 0xD800 && code <= 0xDFFF) {
            const bool pair = code < 0xDC00 && c + 1 != end && c[1] >= 0xDC00 && c[1] <= 0xDFFF;
            code = pair ? 0x10000 + ((code - 0xD800) << 10) + (*++c - 0xDC00) : 0xFFFD;
        }
        if (code < 0x800) {
            page += static_cast<char>(0xC0 | code >> 6);
        } else if (code < 0x10000) {
            page += static_cast<char>(0xE0 | code >> 12);
            page += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        } else {
            page += static_cast<char>(0xF0 | code >> 18);
            page += static_cast<char>(0x80 | (code >> 12 & 0x3F));
            page += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        }
        page += static_cast<char>(0x80 | (code & 0x3F));
    }
}
