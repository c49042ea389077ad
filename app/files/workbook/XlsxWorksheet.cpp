#include "XlsxWorksheet.h"

#include "PackageXml.h"
#include "files/NumberText.h"

#include <optional>

namespace
{

// The largest worksheet the format allows.
constexpr int MaxRows = 1048576;
constexpr int MaxColumns = 16384;

struct CellPosition {
    int row = 0; // from 0
    int column = 0;
};

// "B12" -> row 11, column 1; nothing for a malformed reference or one beyond the format's grid.
std::optional<CellPosition> parseReference(QStringView reference)
{
    qsizetype letters = 0;
    int column = 0;
    for (; letters < reference.size() && reference[letters].isLetter(); ++letters) {
        const char16_t c = reference[letters].toUpper().unicode();
        if (c < u'A' || c > u'Z')
            return std::nullopt;
        column = column * 26 + (c - u'A' + 1);
        if (column > MaxColumns)
            return std::nullopt;
    }
    const QStringView digits = reference.mid(letters);
    if (letters == 0 || digits.isEmpty() || !digits.front().isDigit())
        return std::nullopt;
    const std::optional<int> row = numbertext::parseInteger(digits);
    if (!row || *row < 1 || *row > MaxRows)
        return std::nullopt;
    return CellPosition{*row - 1, column - 1};
}

class WorksheetParser
{
  public:
    WorksheetParser(ZipArchive &archive, const QString &part, const QStringList &sharedStrings,
                    QChar decimal)
        : part_(archive, part, u"worksheet"), sharedStrings_(sharedStrings), decimal_(decimal)
    {
    }

    WorksheetTexts read()
    {
        bool sawCells = false;
        while (part_.nextStartElement()) {
            if (part_.name() != u"sheetData")
                continue;
            sawCells = true;
            readRows();
        }
        if (!sawCells)
            part_.fail(QStringLiteral("it holds no cell data"));
        return std::move(texts_);
    }

  private:
    void readRows()
    {
        int row = -1;
        while (part_.nextChild()) {
            if (part_.name() != u"row") {
                part_.skipElement();
                continue;
            }
            row = rowNumber(row + 1);
            readCells(row);
        }
    }

    // A row names its number, or follows the one before.
    int rowNumber(int following)
    {
        const QStringView number = part_.attribute(u"r");
        if (number.isEmpty())
            return following;
        const std::optional<int> value = numbertext::parseInteger(number);
        if (!value || *value < 1 || *value > MaxRows)
            part_.fail(QStringLiteral("a row number is out of range: %1").arg(number));
        return *value - 1;
    }

    void readCells(int row)
    {
        int column = -1;
        while (part_.nextChild()) {
            if (part_.name() != u"c") {
                part_.skipElement();
                continue;
            }
            column = cellColumn(row, column + 1);
            readCell(row, column);
        }
    }

    // A cell names its place, in its own row, or follows the one before.
    int cellColumn(int row, int following)
    {
        const QStringView reference = part_.attribute(u"r");
        if (reference.isEmpty()) {
            if (following >= MaxColumns)
                part_.fail(QStringLiteral("a row has more cells than a worksheet has columns"));
            return following;
        }
        const std::optional<CellPosition> position = parseReference(reference);
        if (!position)
            part_.fail(QStringLiteral("a cell reference is not valid: %1").arg(reference));
        if (position->row != row)
            part_.fail(QStringLiteral("cell %1 lies outside its row").arg(reference));
        return position->column;
    }

    void readCell(int row, int column)
    {
        const QString type = part_.attribute(u"t").toString();
        std::optional<QString> value;
        while (part_.nextChild()) {
            if (part_.name() == u"v")
                value = part_.readText();
            else if (part_.name() == u"is")
                value = part_.readStringItem();
            else
                part_.skipElement(); // formula, extensions
        }
        if (value)
            store(row, column, type, *value);
    }

    void store(int row, int column, const QString &type, const QString &value)
    {
        if (type.isEmpty() || type == u"n")
            texts_.add(row, column, numberText(value));
        else if (type == u"s")
            texts_.add(row, column, sharedString(value));
        else if (type == u"str" || type == u"inlineStr" || type == u"d")
            texts_.add(row, column, value);
        else if (type == u"b")
            texts_.add(row, column, booleanText(value));
        else if (type == u"e")
            texts_.addError(row, column);
        else
            part_.fail(QStringLiteral("a cell has the unknown type %1").arg(type));
    }

    QString numberText(const QString &value) const
    {
        const std::optional<double> number = numbertext::parseNumber(value, u'.');
        if (!number)
            part_.fail(QStringLiteral("a number cell holds %1").arg(value));
        return numbertext::formatShortest(*number, decimal_);
    }

    QString sharedString(const QString &value) const
    {
        const std::optional<int> index = numbertext::parseInteger(value);
        if (!index || *index < 0 || *index >= sharedStrings_.size())
            part_.fail(QStringLiteral("a cell refers to a missing shared string"));
        return sharedStrings_[*index];
    }

    QString booleanText(const QString &value) const
    {
        if (value == u"1")
            return QStringLiteral("TRUE");
        if (value == u"0")
            return QStringLiteral("FALSE");
        part_.fail(QStringLiteral("a boolean cell holds %1").arg(value));
    }

    PackageXml part_;
    const QStringList &sharedStrings_;
    QChar decimal_;
    WorksheetTexts texts_;
};

} // namespace

WorksheetTexts readXlsxWorksheet(ZipArchive &archive, const QString &part,
                                 const QStringList &sharedStrings, QChar decimal)
{
    return WorksheetParser(archive, part, sharedStrings, decimal).read();
}
