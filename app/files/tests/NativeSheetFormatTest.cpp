#include "files/NativeSheetFormat.h"
#include "SheetGrid.h"
#include "files/SheetFileError.h"

#include <gtest/gtest.h>

namespace
{

TEST(NativeSheetFormat, WritesCountsNamesAndCellsOnePerLine)
{
    EXPECT_EQ(nativesheet::text(Sheet()), "1\r\n2\r\n1\r\nC\r\n1\r\n\r\n\r\n");
    const Sheet sheet = sheetOf({{"Γ / Σ", "x", "C"}, {"a", "1,5", "1"}, {"b", "2,5", "1"}});
    EXPECT_EQ(nativesheet::text(sheet), "2\r\n2\r\nx\r\nC\r\na\r\nb\r\n1,5\r\n1\r\n2,5\r\n1\r\n");
}

TEST(NativeSheetFormat, ReadsBackWhatItWroteWithEveryLineEnd)
{
    const Sheet sheet = sheetOf(awkwardGrid());
    const QString crlf = nativesheet::text(sheet);
    for (const QString &ending :
         {QStringLiteral("\r\n"), QStringLiteral("\n"), QStringLiteral("\r")}) {
        QString text = crlf;
        text.replace(QStringLiteral("\r\n"), ending);
        const Sheet read = nativesheet::parse(text);
        EXPECT_EQ(gridOf(read), awkwardGrid());
        EXPECT_FALSE(read.isModified());
    }
}

TEST(NativeSheetFormat, ReadsMissingLinesAsEmptyTexts)
{
    const Sheet read = nativesheet::parse(u"2\r\n2\r\nx\r\nC\r\na\r\nb\r\n1,5");
    EXPECT_EQ(gridOf(read), Grid({{"Γ / Σ", "x", "C"}, {"a", "1,5", ""}, {"b", "", ""}}));
    EXPECT_EQ(gridOf(nativesheet::parse(u" 3 \n1")),
              Grid({{"Γ / Σ", ""}, {"", ""}, {"", ""}, {"", ""}}));
}

TEST(NativeSheetFormat, RefusesCountsThatAreNotPositiveIntegersOrTooLarge)
{
    for (const char16_t *text :
         {u"", u"1", u"0\r\n1", u"1\r\n-1", u"x\r\n1", u"1,5\r\n1", u"1e3\r\n1", u"2147483648\r\n1",
          u"500001\r\n1", u"1\r\n500001", u"10000\r\n5001", u"1 2\r\n1"}) {
        EXPECT_THROW(nativesheet::parse(QString::fromUtf16(text)), SheetFileError)
            << QString::fromUtf16(text).toStdString();
    }
    EXPECT_NO_THROW(nativesheet::parse(u"10000\r\n5000"));
}

TEST(NativeSheetFormat, RefusesToWriteLineBreaksItCouldNotReadBack)
{
    for (const char16_t *text : {u"a\nb", u"a\rb"}) {
        Sheet sheet;
        sheet.setCell(1, 1, QString::fromUtf16(text));
        EXPECT_THROW(nativesheet::text(sheet), SheetFileError);
        sheet = Sheet();
        sheet.setCell(0, 1, QString::fromUtf16(text));
        EXPECT_THROW(nativesheet::text(sheet), SheetFileError);
    }
}

} // namespace
