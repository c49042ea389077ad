// The characters of every file this program writes and reads. Sheets made on Windows are in the
// Greek code page; characters outside it must survive too, so a file goes out in windows-1253
// when every character fits and in UTF-8 with a byte order mark otherwise.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

class QIODevice;

namespace textencoding
{

enum class Encoding { Windows1253, Utf8WithBom };

// UTF-8 when the bytes start with its byte order mark or are valid UTF-8, otherwise windows-1253.
// Throws SheetFileError when that code page is needed and not available.
QString decode(const QByteArray &bytes);

// windows-1253 when every character of the text has a place in it, otherwise UTF-8 with a BOM.
Encoding encodingFor(QStringView text);

// Writes the text in the encoding chosen for it, chunk by chunk so that no second copy of a large
// file is held. Returns false when the device refused a write.
bool write(QStringView text, QIODevice &device);

} // namespace textencoding
