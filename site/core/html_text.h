// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Text put into a page as text: "<", ">", "&" and both quotes become entities, so
// that a value can stand in an element or in a quoted attribute and never open a tag
// or end an attribute.
QString HtmlEscaped(const QString& text);
