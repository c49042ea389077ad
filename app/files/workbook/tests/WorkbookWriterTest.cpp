// Writing workbooks: numbers and texts, layout, and failures that leave nothing behind.
#include "WorkbookWriter.h"
#include "WorkbookFile.h"
#include "WorkbookFixtures.h"
#include "files/SheetFileError.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace
{

class WorkbookWriting : public testing::Test
{
  protected:
    QString path() const { return folder_.filePath("out.xlsx"); }

    // One row of cells, written and read back with the same decimal separator.
    QStringList roundTrip(const QStringList &cells, QChar decimal) const
    {
        WorkbookWriter writer(1, static_cast<int>(cells.size()), decimal);
        for (int column = 0; column < cells.size(); ++column)
            writer.writeCell(column, 0, cells[column]);
        writer.save(path());
        const QList<QStringList> rows =
            fixtures::rows(openWorkbookFile(path())->readWorksheet(0, decimal));
        return rows.value(0);
    }

    QTemporaryDir folder_;
};

// A cell is a number only when its whole text is a plain number with the separator in force;
// a number comes back in its shortest form, a text exactly as it was.
TEST_F(WorkbookWriting, WritesPlainNumbersAsNumbersAndEverythingElseAsText)
{
    const QStringList written{
        "1,50",  "-2",  "+3,25e2", "007",   "1.5",   " 1",   "1 000",
        "1,0,5", "Inf", "NaN",     "1e999", "Γ / Σ", "=1+1", "0,30000000000000004",
        "1,2e-3"};
    const QStringList expected{
        "1,5",   "-2",  "325", "7",     "1.5",   " 1",   "1 000",
        "1,0,5", "Inf", "NaN", "1e999", "Γ / Σ", "=1+1", "0,30000000000000004",
        "0,0012"};
    EXPECT_EQ(roundTrip(written, u','), expected);
    EXPECT_EQ(roundTrip({"1,50", "1.50"}, u'.'), (QStringList{"1,50", "1.5"}));
    EXPECT_TRUE(fixtures::entry(path(), "xl/worksheets/sheet1.xml").contains("<t>1,50</t>"));
    // Characters XML cannot hold, and texts that look like their escapes, come back as they were.
    const QStringList awkward{QStringLiteral("a\x01b\tc"), "_x0041_ and _x005F_", "_x"};
    EXPECT_EQ(roundTrip(awkward, u','), awkward);
    // Seventeen significant digits would lose the last one as a number: the text is kept.
    roundTrip({"0,30000000000000004"}, u',');
    EXPECT_TRUE(
        fixtures::entry(path(), "xl/worksheets/sheet1.xml").contains("<t>0,30000000000000004</t>"));
}

TEST_F(WorkbookWriting, OneWorksheetOutputInSizeNineWithColumnsFittedToTheirTexts)
{
    WorkbookWriter writer(2, 3, u',');
    writer.writeCell(0, 0, "Γ / Σ");
    writer.writeCell(1, 0, "a much longer column name");
    writer.writeCell(0, 1, "1");
    writer.save(path());

    EXPECT_EQ(openWorkbookFile(path())->worksheetNames(), QStringList{"output"});
    EXPECT_TRUE(fixtures::entry(path(), "xl/styles.xml").contains(R"(<sz val="9"/>)"));
    const QByteArray sheet = fixtures::entry(path(), "xl/worksheets/sheet1.xml");
    QList<double> widths;
    const QRegularExpression column(R"re(<col min="(\d+)" max="\1" width="([0-9.]+)" style="1")re");
    for (auto match = column.globalMatch(QString::fromUtf8(sheet)); match.hasNext();)
        widths.append(match.next().captured(2).toDouble());
    ASSERT_EQ(widths.size(), 3);
    EXPECT_GT(widths[1], 2 * widths[0]); // fitted to the long name
    EXPECT_LT(widths[0], widths[2]);     // an empty column keeps the standard width
}

TEST_F(WorkbookWriting, LargerThanAWorksheetFailsAtOnce)
{
    EXPECT_THROW(WorkbookWriter(1048577, 2, u','), SheetFileError);
    EXPECT_THROW(WorkbookWriter(2, 16385, u','), SheetFileError);
    WorkbookWriter writer(2, 2, u',');
    EXPECT_THROW(writer.writeCell(2, 0, "x"), SheetFileError);
}

TEST_F(WorkbookWriting, AFailedSaveLeavesNoFileAndKeepsTheOldOne)
{
    const auto writeTo = [](const QString &target, const QString &text) {
        WorkbookWriter writer(1, 1, u',');
        writer.writeCell(0, 0, text);
        writer.save(target);
    };
    const QString missingFolder = folder_.filePath("no/such/folder/out.xlsx");
    EXPECT_THROW(writeTo(missingFolder, "1"), SheetFileError);
    EXPECT_FALSE(QFile::exists(missingFolder));
    EXPECT_THROW(writeTo(folder_.path(), "1"), SheetFileError);

    writeTo(path(), "kept");
    EXPECT_THROW(writeTo(path(), QString(40000, u'x')), SheetFileError); // past a cell's 32767
    EXPECT_EQ(fixtures::rows(openWorkbookFile(path())->readWorksheet(0, u',')),
              QList<QStringList>{{"kept"}});
    EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files), QStringList{"out.xlsx"});
}

} // namespace
