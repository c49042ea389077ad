// Auto-format's column widths: estimated from character advances for speed, but equal to what
// measuring every cell would give.
#include "ColumnFitter.h"
#include "Sheet.h"

#include <QFont>
#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace
{

QFont gridFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    return font;
}

// What measuring every cell of every column gives.
std::vector<int> measuredOneByOne(const Sheet &sheet, const ColumnFitter &fitter)
{
    std::vector<int> widths;
    for (int c = 0; c <= sheet.columnCount(); ++c) {
        int widest = ColumnFitter::DefaultWidth;
        for (int r = 0; r <= sheet.objectCount(); ++r)
            widest = std::max(widest, fitter.textWidth(sheet.cell(c, r)));
        widths.push_back(widest + ColumnFitter::Margin);
    }
    return widths;
}

TEST(ColumnFitter, ShortTextsGiveTheDefaultWidthPlusTheMargin)
{
    ColumnFitter fitter(gridFont());
    EXPECT_EQ(fitter.widths(Sheet()), std::vector<int>({69, 69, 69}));
}

TEST(ColumnFitter, MatchesMeasuringEveryCell)
{
    // Texts with kerning pairs, digits, Greek and other scripts, at lengths around the default.
    const QStringList pieces = {"AV",  "To", "11", "1,7", "Ωμέγα", "WA",   "fi", "-0.25", "λ",
                                "ffl", "Yo", "LT", "000", "r.",    "中文", "😀",  " ",     "i"};
    std::mt19937 random(7);
    Sheet sheet(300, 6);
    for (int r = 0; r <= sheet.objectCount(); ++r) {
        for (int c = 0; c <= sheet.columnCount(); ++c) {
            QString text;
            const int parts = static_cast<int>(random() % (2 + 3 * c));
            for (int i = 0; i < parts; ++i)
                text += pieces[static_cast<int>(random() % pieces.size())];
            sheet.setCell(c, r, text);
        }
    }
    ColumnFitter fitter(gridFont());
    EXPECT_EQ(fitter.widths(sheet), measuredOneByOne(sheet, fitter));
}

TEST(ColumnFitter, ManyNumbersOfOneShape)
{
    Sheet sheet(2000, 2);
    for (int r = 1; r <= sheet.objectCount(); ++r) {
        sheet.setCell(1, r, QString::number(1000000 + r * 7919) + ",1234");
        sheet.setCell(2, r, QString::number(r % 9 + 1));
    }
    ColumnFitter fitter(gridFont());
    EXPECT_EQ(fitter.widths(sheet), measuredOneByOne(sheet, fitter));
}

} // namespace
