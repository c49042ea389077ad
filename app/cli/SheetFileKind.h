// The kinds of sheet file the command line reads and writes, told by the file's extension in
// any letter case.
#pragma once

#include <QString>

#include <optional>

namespace cli
{

enum class SheetFileKind {
    Native,        // .vtl
    DelimitedText, // .txt, .csv
    Xlsx,          // .xlsx
    Xls,           // .xls, read only
};

std::optional<SheetFileKind> sheetFileKindFor(const QString &path);

inline bool canWrite(SheetFileKind kind)
{
    return kind != SheetFileKind::Xls;
}

} // namespace cli
