#include "GridClipboard.h"

#include "DelimitedTextFormat.h"

#include <QClipboard>
#include <QGuiApplication>

QString copyGridToClipboard(const Sheet &sheet, QChar delimiter)
{
    const QString text = delimitedtext::text(sheet, delimiter);
    QGuiApplication::clipboard()->setText(text);
    return text;
}
