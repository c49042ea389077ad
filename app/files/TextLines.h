// Walks a text line by line. CR LF, LF and CR all end a line, since files come from Windows,
// Linux and old Mac programs alike; a last line without an ending is a whole line.
#pragma once

#include <QStringView>

class TextLines
{
  public:
    explicit TextLines(QStringView text) : text_(text) {}

    // The next line without its ending; false when the text is used up.
    bool next(QStringView &line);

    // The next line, or an empty one when the text is used up.
    QStringView nextOrEmpty();

    bool atEnd() const { return at_ >= text_.size(); }

  private:
    QStringView text_;
    qsizetype at_ = 0;
};
