// Readable failure messages for Qt texts in GoogleTest.
#pragma once

#include <QString>
#include <QStringList>

#include <ostream>

inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList &texts, std::ostream *out)
{
    *out << '{';
    for (const QString &text : texts) {
        PrintTo(text, out);
        *out << ' ';
    }
    *out << '}';
}
