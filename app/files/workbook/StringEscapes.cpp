#include "StringEscapes.h"

#include <QRegularExpression>

namespace stringescapes
{

namespace
{

constexpr qsizetype EscapeLength = 7; // "_x" + four hexadecimal digits + "_"

bool isHexDigit(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
}

bool isEscapeAt(QStringView text, qsizetype at)
{
    if (at + EscapeLength > text.size() || text[at] != u'_' || text[at + 1] != u'x' ||
        text[at + 6] != u'_')
        return false;
    for (qsizetype i = at + 2; i < at + 6; ++i) {
        if (!isHexDigit(text[i]))
            return false;
    }
    return true;
}

} // namespace

QString decode(QStringView stored)
{
    if (!stored.contains(u"_x"))
        return stored.toString();
    QString text;
    text.reserve(stored.size());
    for (qsizetype at = 0; at < stored.size();) {
        if (isEscapeAt(stored, at)) {
            text += QChar(stored.mid(at + 2, 4).toUShort(nullptr, 16));
            at += EscapeLength;
        } else {
            text += stored[at++];
        }
    }
    return text;
}

QString protectLookalikes(const QString &text)
{
    if (!text.contains(u"_x"))
        return text;
    static const QRegularExpression lookalike(QStringLiteral("_(x[0-9A-Fa-f]{4}_)"));
    return QString(text).replace(lookalike, QStringLiteral("_x005F_\\1"));
}

} // namespace stringescapes
