// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

#include <string>

// Text put into a page as text: "<", ">", "&" and both quotes become entities, so
// that a value can stand in an element or in a quoted attribute and never open a tag
// or end an attribute.
QString HtmlEscaped(const QString& text);

// The same, written as UTF-8 at the end of `page` with no text in between: the
// record table's thousands of rows are made this way. A lone surrogate (never a
// letter) becomes U+FFFD, as it does in QString::toUtf8.
void AppendHtmlEscaped(std::string& page, QStringView text);
