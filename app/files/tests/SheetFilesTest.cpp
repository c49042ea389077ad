#include "files/SheetFiles.h"
#include "SheetGrid.h"
#include "files/SheetFileError.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace
{

class SheetFilesTest : public ::testing::Test
{
  protected:
    QString path(const QString &name) const { return folder.filePath(name); }

    QByteArray bytesOf(const QString &name) const
    {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }

    void writeBytes(const QString &name, const QByteArray &bytes) const
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir folder;
};

TEST_F(SheetFilesTest, SavesAndOpensEverySheetUnchanged)
{
    const Sheet sheet = sheetOf(awkwardGrid());
    sheetfiles::saveNativeSheet(path("a.vtl"), sheet);
    EXPECT_TRUE(bytesOf("a.vtl").startsWith("\xEF\xBB\xBF"
                                            "3\r\n4\r\n"));
    EXPECT_EQ(gridOf(sheetfiles::openNativeSheet(path("a.vtl"))), awkwardGrid());

    sheetfiles::exportDelimitedText(path("a.txt"), sheet, u';');
    EXPECT_EQ(gridOf(sheetfiles::importDelimitedText(path("a.txt"), u';')), awkwardGrid());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList({"a.txt", "a.vtl"}));
}

TEST_F(SheetFilesTest, WritesGreekSheetsInTheGreekCodePage)
{
    sheetfiles::saveNativeSheet(path("g.vtl"), Sheet());
    EXPECT_EQ(bytesOf("g.vtl"), QByteArray("1\r\n2\r\n1\r\nC\r\n1\r\n\r\n\r\n"));
    Sheet greek;
    greek.setCell(1, 1, QStringLiteral("ύψος"));
    sheetfiles::exportDelimitedText(path("g.txt"), greek, u'\t');
    EXPECT_EQ(bytesOf("g.txt"), QByteArray("\xC3 / \xD3\t1\tC\r\n1\t\xFD\xF8\xEF\xF2\t\r\n"));
}

TEST_F(SheetFilesTest, OpensFilesMadeOnWindows)
{
    writeBytes("w.vtl", "1\r\n1\r\n\xD5\xF8\xEF\xF2\r\n\xC1\r\n1,5\r\n");
    EXPECT_EQ(gridOf(sheetfiles::openNativeSheet(path("w.vtl"))),
              Grid({{"Γ / Σ", "Υψος"}, {"Α", "1,5"}}));
}

TEST_F(SheetFilesTest, AFailedSaveLeavesThePreviousFile)
{
    sheetfiles::saveNativeSheet(path("keep.vtl"), Sheet());
    const QByteArray before = bytesOf("keep.vtl");
    Sheet broken;
    broken.setCell(1, 1, QStringLiteral("two\nlines"));
    EXPECT_THROW(sheetfiles::saveNativeSheet(path("keep.vtl"), broken), SheetFileError);
    EXPECT_EQ(bytesOf("keep.vtl"), before);
    EXPECT_THROW(sheetfiles::saveNativeSheet(path("missing/x.vtl"), Sheet()), SheetFileError);
    EXPECT_THROW(sheetfiles::exportDelimitedText(folder.path(), Sheet(), u'\t'), SheetFileError);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList({"keep.vtl"}));
}

TEST_F(SheetFilesTest, RefusesFilesThatCannotBeRead)
{
    EXPECT_THROW(sheetfiles::openNativeSheet(path("none.vtl")), SheetFileError);
    EXPECT_THROW(sheetfiles::importDelimitedText(path("none.txt"), u'\t'), SheetFileError);
    EXPECT_THROW(sheetfiles::openNativeSheet(folder.path()), SheetFileError);
}

} // namespace
