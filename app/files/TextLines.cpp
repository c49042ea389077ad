#include "TextLines.h"

#include <algorithm>

bool TextLines::next(QStringView &line)
{
    if (at_ >= text_.size())
        return false;
    const QChar *begin = text_.data() + at_;
    const QChar *end = text_.data() + text_.size();
    const QChar *stop = std::find_if(begin, end, [](QChar c) { return c == u'\n' || c == u'\r'; });
    line = QStringView(begin, stop);
    at_ += line.size();
    if (stop == end)
        return true;
    at_ += (*stop == u'\r' && stop + 1 != end && stop[1] == u'\n') ? 2 : 1;
    return true;
}

QStringView TextLines::nextOrEmpty()
{
    QStringView line;
    return next(line) ? line : QStringView();
}
