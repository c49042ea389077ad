// Associates sheet files (*.vtl) with this program the freedesktop way: a MIME type and a
// desktop entry in the user's data folder, then the desktop's caches refreshed. Done at every
// start, so the entry follows the program wherever it was started from.
#pragma once

#include <QString>

class FileTypeRegistration
{
  public:
    static const QString MimeType;

    // $XDG_DATA_HOME when it names an absolute folder, ~/.local/share otherwise.
    static QString defaultDataHome();

    explicit FileTypeRegistration(QString dataHome = defaultDataHome());

    // Writes both files for the program at `programPath`. Returns an empty text on success,
    // otherwise the file that could not be written. A missing cache tool is no failure.
    QString registerFor(const QString &programPath) const;

    QString mimeFile() const;
    QString desktopFile() const;
    // The desktop entry's Exec line: the program path quoted, then the file argument.
    static QString execLine(const QString &programPath);

  private:
    QString dataHome_;
};
