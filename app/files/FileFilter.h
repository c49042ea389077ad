// The entries of a file dialog's filter, written as "description|patterns|description|patterns"
// with the patterns of one entry separated by semicolons.
#pragma once

#include <QString>
#include <QStringList>

class FileFilter
{
  public:
    struct Entry {
        QString description;
        QStringList patterns; // "*.vtl", "*.xls", ...
        QString suffix;       // what a name typed without one gets: the first pattern's
    };

    explicit FileFilter(const QString &text);

    const QString &text() const { return text_; }
    const QList<Entry> &entries() const { return entries_; }

    // The entry as a file dialog shows it: the description with its patterns in parentheses,
    // separated by spaces so that every pattern filters.
    static QString dialogText(const Entry &entry);

  private:
    QString text_;
    QList<Entry> entries_;
};
