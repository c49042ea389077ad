#include "SheetFileIO.h"

#include "CommandFailure.h"
#include "WorkbookCommands.h"
#include "WorkbookFiles.h"
#include "files/InterchangeCommands.h"
#include "files/SheetFileCommands.h"
#include "files/SheetFileError.h"
#include "files/SheetFiles.h"

#include <new>
#include <string_view>

namespace cli
{

namespace
{

// Runs the file work, turning its failure into the window's sentence and the reason.
template <typename Work> auto failingWith(const QString &sentence, Work &&work)
{
    try {
        return work();
    } catch (const SheetFileError &error) {
        throw CommandFailure(ExitCode::FileFailed,
                             sentence + u'\n' + QString::fromUtf8(error.what()));
    } catch (const std::bad_alloc &) {
        throw CommandFailure(ExitCode::FileFailed, sentence + QStringLiteral("\nout of memory"));
    }
}

QString delimiterName(QChar delimiter)
{
    if (delimiter == u'\t')
        return QStringLiteral("the tab");
    if (delimiter == u' ')
        return QStringLiteral("a space");
    return QStringLiteral("'%1'").arg(delimiter);
}

// The cell's text on one line of a message, cut short when long.
QString shown(std::string_view text)
{
    constexpr qsizetype Longest = 40;
    QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    if (shown.size() > Longest)
        shown = shown.first(Longest) + QStringLiteral("...");
    return shown.replace(u'\r', QStringLiteral("\\r")).replace(u'\n', QStringLiteral("\\n"));
}

// The first cell a delimited text cannot carry; the delimiters are ASCII, so bytes will do.
void checkDelimitable(const Sheet &sheet, QChar delimiter)
{
    const char byte = static_cast<char>(delimiter.unicode());
    sheet.visitCells([&](int column, int row, std::string_view text) {
        const bool breaks = text.find_first_of("\r\n") != std::string_view::npos;
        if (!breaks && text.find(byte) == std::string_view::npos)
            return;
        const QString what = breaks ? QStringLiteral("a line break") : delimiterName(delimiter);
        throw CommandFailure(
            ExitCode::FileFailed,
            InterchangeCommands::ExportFailed +
                QStringLiteral("\nline %1, field %2 (\"%3\") holds %4, which delimited text "
                               "cannot keep")
                    .arg(row + 1)
                    .arg(column + 1)
                    .arg(shown(text), what));
    });
}

// The corner label is the program's, not data: written as "Γ/Σ" rather than refused, so that a
// space-delimited output stays possible.
Sheet withDelimitableCorner(const Sheet &sheet, QChar delimiter)
{
    Sheet written = sheet;
    QString corner = Sheet::CornerLabel;
    written.setCell(0, 0, corner.remove(delimiter));
    return written;
}

void writeDelimitedText(const QString &path, const Sheet &sheet, QChar delimiter)
{
    const bool programCorner = sheet.cell(0, 0) == Sheet::CornerLabel;
    if (programCorner && Sheet::CornerLabel.contains(delimiter)) {
        const Sheet written = withDelimitableCorner(sheet, delimiter);
        checkDelimitable(written, delimiter);
        return sheetfiles::exportDelimitedText(path, written, delimiter);
    }
    checkDelimitable(sheet, delimiter);
    sheetfiles::exportDelimitedText(path, sheet, delimiter);
}

bool sameName(const QString &first, const QString &second)
{
    return first.compare(second, Qt::CaseInsensitive) == 0;
}

Sheet readWorkbook(const QString &path, const SheetReading &reading)
{
    QString missing;
    // Worksheet names are unique regardless of letter case, as the spreadsheet programs keep them.
    const workbookfiles::WorksheetChooser choose =
        [&](const QStringList &names) -> std::optional<int> {
        if (reading.sheetName) {
            for (int i = 0; i < names.size(); ++i)
                if (sameName(names[i], *reading.sheetName))
                    return i;
            missing = QStringLiteral("the workbook has no worksheet named '%1'; it has: %2")
                          .arg(*reading.sheetName, names.join(QStringLiteral(", ")));
            return std::nullopt;
        }
        const int index = reading.sheetIndex.value_or(1);
        if (index <= names.size())
            return index - 1;
        missing = QStringLiteral("--sheet-index %1: the workbook has %2 worksheet(s)")
                      .arg(index)
                      .arg(names.size());
        return std::nullopt;
    };
    std::optional<Sheet> sheet = failingWith(workbookcommands::ImportFailed, [&] {
        return workbookfiles::importWorkbook(path, choose, reading.decimal);
    });
    if (!sheet)
        usageError(missing);
    return std::move(*sheet);
}

} // namespace

Sheet readSheet(const QString &path, SheetFileKind kind, const SheetReading &reading)
{
    switch (kind) {
    case SheetFileKind::Native:
        return failingWith(SheetFileCommands::OpenFailed,
                           [&] { return sheetfiles::openNativeSheet(path); });
    case SheetFileKind::DelimitedText:
        return failingWith(InterchangeCommands::ImportFailed, [&] {
            return sheetfiles::importDelimitedText(path, reading.delimiter);
        });
    case SheetFileKind::Xlsx:
    case SheetFileKind::Xls:
        break;
    }
    return readWorkbook(path, reading);
}

void writeSheet(const QString &path, SheetFileKind kind, const Sheet &sheet, QChar decimal,
                QChar delimiter)
{
    switch (kind) {
    case SheetFileKind::Native:
        return failingWith(SheetFileCommands::SaveFailed,
                           [&] { sheetfiles::saveNativeSheet(path, sheet); });
    case SheetFileKind::DelimitedText:
        return failingWith(InterchangeCommands::ExportFailed,
                           [&] { writeDelimitedText(path, sheet, delimiter); });
    case SheetFileKind::Xlsx:
    case SheetFileKind::Xls:
        break;
    }
    failingWith(workbookcommands::ExportFailed,
                [&] { workbookfiles::exportWorkbook(path, sheet, decimal); });
}

} // namespace cli
