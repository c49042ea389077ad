#include "SheetFixtures.h"

#include <cmath>

namespace analysis::testing
{

Sheet sheetOf(const std::vector<QStringList> &rows)
{
    Sheet sheet(static_cast<int>(rows.size()) - 1, static_cast<int>(rows.front().size()) - 1);
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const QStringList &cells = rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < cells.size(); ++c)
            sheet.setCell(c, r, cells[c]);
    }
    return sheet;
}

Sheet stackedTables(int tables, int m, int a, QChar decimal)
{
    std::vector<QStringList> rows;
    QStringList header{Sheet::CornerLabel};
    for (int j = 1; j <= a; ++j)
        header << QStringLiteral("v%1").arg(j);
    rows.push_back(header << Sheet::TableColumnName);
    for (int t = 1; t <= tables; ++t) {
        for (int i = 1; i <= m; ++i) {
            QStringList row{QStringLiteral("o%1").arg(i)};
            for (int j = 1; j <= a; ++j) {
                const double value =
                    10 * std::sin(i * 1.3 + j * 0.7) + 3 * (t - 1) * std::cos(i * j + t);
                row << QString::number(value, 'g', 10).replace(u'.', decimal);
            }
            rows.push_back(row << QString::number(t));
        }
    }
    return sheetOf(rows);
}

Sheet withTableNumbers(Sheet sheet, const QStringList &numbers)
{
    for (int i = 0; i < numbers.size(); ++i)
        sheet.setCell(sheet.columnCount(), i + 1, numbers[i]);
    return sheet;
}

} // namespace analysis::testing
