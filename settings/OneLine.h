// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The text on one line: each TAB, line break (CR LF as one) or paragraph separator becomes a
// space, so a pasted name keeps a score row, stored as TAB-separated text, in its columns.
inline QString OneLine(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    for (const char16_t breaking : {u'\t', u'\n', u'\r', u'\v', u'\f', u'\u2028', u'\u2029'})
        text.replace(QChar(breaking), u' ');
    return text;
}
