// Whole text files in and out, in the program's encodings. Writing is atomic: the text goes to a
// temporary file beside the target, which replaces the target only once everything is written,
// so a full disk or a crash never destroys the previous file.
#pragma once

#include <QString>
#include <QStringView>

namespace textfile
{

// The decoded text of the file. Throws SheetFileError when it cannot be read.
QString read(const QString &path);

// Replaces the file with the text. Throws SheetFileError when it cannot be written; the previous
// file is then untouched.
void write(const QString &path, QStringView text);

} // namespace textfile
