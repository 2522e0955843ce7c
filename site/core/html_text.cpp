// SPDX-License-Identifier: GPL-3.0-or-later
#include "html_text.h"

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
