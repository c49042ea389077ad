#include "files/DelimitedTextFormat.h"
#include "SheetGrid.h"
#include "files/SheetFileError.h"

#include <gtest/gtest.h>

namespace
{

TEST(DelimitedTextFormat, WritesEveryRowWithTheDelimiterAndCrLf)
{
    EXPECT_EQ(delimitedtext::text(Sheet(), u'\t'), "Γ / Σ\t1\tC\r\n1\t\t\r\n");
    const Sheet sheet = sheetOf({{"Γ / Σ", "x", "C"}, {"a", "1,5", "1"}});
    EXPECT_EQ(delimitedtext::text(sheet, u';'), "Γ / Σ;x;C\r\na;1,5;1\r\n");
}

TEST(DelimitedTextFormat, ReadsBackWhatItWroteWithEveryLineEnd)
{
    // Delimiters that none of the texts holds: there is no quoting.
    const Sheet sheet = sheetOf(awkwardGrid());
    for (QChar delimiter : {u'\t', u';'}) {
        for (const char16_t *ending : {u"\r\n", u"\n", u"\r"}) {
            QString text = delimitedtext::text(sheet, delimiter);
            text.replace(QStringLiteral("\r\n"), QString::fromUtf16(ending));
            EXPECT_EQ(gridOf(delimitedtext::parse(text, delimiter)), awkwardGrid());
        }
    }
}

TEST(DelimitedTextFormat, PadsShortLinesAndKeepsEveryField)
{
    const struct {
        QString text;
        QChar delimiter;
        Grid grid;
    } cases[] = {
        {"h\tx\r\na\tb\tc\td\te\r\nb\t1\t2\r\n",
         u'\t',
         {{"h", "x", "", "", ""}, {"a", "b", "c", "d", "e"}, {"b", "1", "2", "", ""}}},
        {"h,x,y\r\na,1,2\r\n", u',', {{"h", "x", "y"}, {"a", "1", "2"}}},
        {"h x\r\na  1\r\n", u' ', {{"h", "x", ""}, {"a", "", "1"}}},
        // A last line without a line feed is a whole line; an empty line an empty object.
        {"h\tx\n\nb\t2", u'\t', {{"h", "x"}, {"", ""}, {"b", "2"}}},
        // Only a header, or nothing at all: still one object row and one data column.
        {"h\tx\tC\r\n", u'\t', {{"h", "x", "C"}, {"", "", ""}}},
        {"", u'\t', {{"", ""}, {"", ""}}},
        {"solo", u'\t', {{"solo", ""}, {"", ""}}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(gridOf(delimitedtext::parse(c.text, c.delimiter)), c.grid)
            << c.text.toStdString();
}

TEST(DelimitedTextFormat, RefusesSheetsBeyondTheLimits)
{
    EXPECT_THROW(delimitedtext::parse(QString(500001, u'\t'), u'\t'), SheetFileError);
    EXPECT_THROW(delimitedtext::parse(QString(500002, u'\n'), u'\t'), SheetFileError);
    const QString wide = QString(5001, u';') + QString(10000, u'\n');
    EXPECT_THROW(delimitedtext::parse(wide, u';'), SheetFileError);
    EXPECT_NO_THROW(delimitedtext::parse(QString(500001, u'\n'), u'\t'));
}

} // namespace
