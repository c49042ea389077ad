#include "SheetFiles.h"

#include "DelimitedTextFormat.h"
#include "NativeSheetFormat.h"
#include "TextFile.h"

namespace sheetfiles
{

Sheet openNativeSheet(const QString &path)
{
    return nativesheet::parse(textfile::read(path));
}

void saveNativeSheet(const QString &path, const Sheet &sheet)
{
    textfile::write(path, nativesheet::text(sheet));
}

Sheet importDelimitedText(const QString &path, QChar delimiter)
{
    return delimitedtext::parse(textfile::read(path), delimiter);
}

void exportDelimitedText(const QString &path, const Sheet &sheet, QChar delimiter)
{
    textfile::write(path, delimitedtext::text(sheet, delimiter));
}

} // namespace sheetfiles
