#include "SheetFileKind.h"

#include <QFileInfo>

namespace cli
{

std::optional<SheetFileKind> sheetFileKindFor(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"vtl")
        return SheetFileKind::Native;
    if (suffix == u"txt" || suffix == u"csv")
        return SheetFileKind::DelimitedText;
    if (suffix == u"xlsx")
        return SheetFileKind::Xlsx;
    if (suffix == u"xls")
        return SheetFileKind::Xls;
    return std::nullopt;
}

} // namespace cli
