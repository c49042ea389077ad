#include "SheetReading.h"

#include "AnalysisFailure.h"
#include "AnalysisMessages.h"
#include "Sheet.h"
#include "files/NumberText.h"

namespace analysis
{

namespace
{

int variableCount(const Sheet &sheet)
{
    return sheet.columnCount() - 1;
}

QString labelOrNumber(const QString &name, int number)
{
    return name.trimmed().isEmpty() ? QString::number(number) : name;
}

} // namespace

std::vector<double> readTableNumbers(const Sheet &sheet)
{
    const int n = sheet.objectCount();
    const int tableColumn = sheet.columnCount();
    std::vector<double> numbers(static_cast<std::size_t>(n));
    for (int i = 1; i <= n; ++i) {
        const QString text = sheet.cell(tableColumn, i).trimmed();
        const std::optional<int> number = numbertext::parseInteger(text);
        if (!number)
            throw AnalysisFailure(messages::NotAnInteger.arg(text));
        numbers[static_cast<std::size_t>(i - 1)] = *number;
    }
    return numbers;
}

QStringList objectLabels(const Sheet &sheet)
{
    QStringList labels;
    labels.reserve(sheet.objectCount());
    for (int i = 1; i <= sheet.objectCount(); ++i)
        labels.append(labelOrNumber(sheet.objectName(i), i));
    return labels;
}

QStringList variableLabels(const Sheet &sheet)
{
    QStringList labels;
    labels.reserve(variableCount(sheet));
    for (int j = 1; j <= variableCount(sheet); ++j)
        labels.append(labelOrNumber(sheet.columnName(j), j));
    return labels;
}

std::vector<double> readSheetValues(const Sheet &sheet, QChar decimal)
{
    const int n = sheet.objectCount();
    const int a = variableCount(sheet);
    std::vector<double> values;
    values.reserve(static_cast<std::size_t>(n) * static_cast<std::size_t>(a));
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= a; ++j) {
            const QString text = sheet.cell(j, i).trimmed();
            const std::optional<double> value = numbertext::parseNumber(text, decimal);
            if (!value)
                throw AnalysisFailure(messages::NotANumber.arg(text));
            values.push_back(*value);
        }
    }
    return values;
}

} // namespace analysis
