// One reusable buffer for the cells a loader stores: the sheet copies what it keeps, so reading
// a large file allocates no text of its own per cell.
#pragma once

#include <QString>
#include <QStringView>

class CellText
{
  public:
    const QString &of(QStringView text)
    {
        buffer_.resize(0);
        buffer_.append(text);
        return buffer_;
    }

  private:
    QString buffer_;
};
