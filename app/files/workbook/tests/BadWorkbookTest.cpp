// Files that are not sound workbooks: each fails with a reason, without crashing or reading
// without bound.
#include "WorkbookFile.h"
#include "WorkbookFixtures.h"
#include "files/SheetFileError.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace
{

const QByteArray SmallSheet = R"(<sheetData><row r="1"><c r="A1"><v>1</v></c><c r="B1"><v>2</v>)"
                              R"(</c></row><row r="2"><c r="A2"><v>3</v></c></row></sheetData>)";

class BadWorkbook : public testing::Test
{
  protected:
    QString path() const { return folder_.filePath("bad.xlsx"); }

    void writeBytes(const QByteArray &bytes) const
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray readBytes() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The failure's message, or "" when the workbook was read.
    std::string readFailure() const
    {
        try {
            openWorkbookFile(path())->readWorksheet(0, u',');
        } catch (const SheetFileError &error) {
            return error.what();
        }
        return {};
    }

    void expectFailure(const char *needle) const
    {
        const std::string message = readFailure();
        EXPECT_FALSE(message.empty());
        EXPECT_NE(message.find(needle), std::string::npos) << "message: " << message;
    }

    QTemporaryDir folder_;
};

TEST_F(BadWorkbook, FilesThatAreNoWorkbookAtAll)
{
    EXPECT_THROW(openWorkbookFile(folder_.filePath("missing.xlsx")), SheetFileError);
    for (const QByteArray &bytes : {QByteArray(), QByteArray("Γ / Σ\t1\tC\r\n"),
                                    QByteArray("PK\x03\x04") + " and nothing else",
                                    QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1") + "short"}) {
        writeBytes(bytes);
        EXPECT_FALSE(readFailure().empty()) << bytes.toStdString();
    }
}

TEST_F(BadWorkbook, TruncatedArchives)
{
    fixtures::writeArchive(path(), fixtures::workbookParts(SmallSheet));
    const QByteArray whole = readBytes();
    for (const qsizetype length : {whole.size() - 1, whole.size() / 2, qsizetype(30)}) {
        writeBytes(whole.left(length));
        EXPECT_FALSE(readFailure().empty()) << "kept " << length << " bytes";
    }
}

// A changed byte in a stored (uncompressed) part keeps the XML well-formed; only the checksum
// tells.
TEST_F(BadWorkbook, DamagedPartFailsItsChecksum)
{
    fixtures::writeArchive(path(), fixtures::workbookParts(SmallSheet), true);
    QByteArray bytes = readBytes();
    const qsizetype at = bytes.indexOf("<v>2</v>");
    ASSERT_GT(at, 0);
    bytes[at + 3] = '5';
    writeBytes(bytes);
    expectFailure("sheet1.xml");
}

TEST_F(BadWorkbook, PartsThatAreNotWhatTheyShouldBe)
{
    const std::vector<std::pair<std::function<void(fixtures::Parts &)>, const char *>> cases{
        {[](fixtures::Parts &parts) {
             parts["xl/worksheets/sheet1.xml"] = "<chartsheet><sheetData/></chartsheet>";
         },
         "not a worksheet part"},
        {[](fixtures::Parts &parts) {
             parts["xl/worksheets/sheet1.xml"] = "<worksheet><sheetData><row>";
         },
         "sheet1.xml"},
        {[](fixtures::Parts &parts) { parts["xl/worksheets/sheet1.xml"] = "<worksheet/>"; },
         "no cell data"},
        {[](fixtures::Parts &parts) { parts.remove("xl/worksheets/sheet1.xml"); }, "no part"},
        {[](fixtures::Parts &parts) { parts.remove("_rels/.rels"); }, "no part"},
        {[](fixtures::Parts &parts) { parts["xl/workbook.xml"] = "<sst/>"; }, "not a workbook"},
        // Nested entities that would expand a thousand-fold at each level.
        {[](fixtures::Parts &parts) {
             parts["xl/sharedStrings.xml"] =
                 R"(<?xml version="1.0"?><!DOCTYPE sst [<!ENTITY a "aaaaaaaaaa">)"
                 R"(<!ENTITY b "&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;"><!ENTITY c "&b;&b;&b;&b;&b;&b;&b;)"
                 R"(&b;&b;&b;">]><sst><si><t>&c;&c;&c;&c;&c;&c;</t></si></sst>)";
         },
         "sharedStrings.xml"},
    };
    for (const auto &[change, needle] : cases) {
        fixtures::Parts parts = fixtures::workbookParts(SmallSheet);
        change(parts);
        fixtures::writeArchive(path(), parts);
        expectFailure(needle);
    }
}

TEST_F(BadWorkbook, CellsThatAreNotSound)
{
    const std::vector<std::pair<QByteArray, const char *>> cases{
        {R"(<c r="ZZZZ1"><v>1</v></c>)", "not valid: ZZZZ1"}, // column 475254
        {R"(<c r="XFE1"><v>1</v></c>)", "not valid: XFE1"},   // one past the last column
        {R"(<c r="A1048577"><v>1</v></c>)", "not valid"},
        {R"(<c r="1A"><v>1</v></c>)", "not valid"},
        {R"(<c r="A1"><v>one</v></c>)", "a number cell holds one"},
        {R"(<c r="A1" t="s"><v>7</v></c>)", "missing shared string"},
        {R"(<c r="A1" t="b"><v>2</v></c>)", "a boolean cell holds 2"},
        {R"(<c r="A1" t="x"><v>2</v></c>)", "unknown type x"},
        {R"(<c r="A1"><v>1<b/></v></c>)", "holds an element"},
    };
    for (const auto &[cell, needle] : cases) {
        fixtures::writeArchive(path(), fixtures::workbookParts("<sheetData><row r=\"1\">" + cell +
                                                               "</row></sheetData>"));
        expectFailure(needle);
    }
}

// Forty megabytes of blanks in a worksheet compress to a file a thousand times smaller.
class ZipBomb : public BadWorkbook
{
  protected:
    void SetUp() override
    {
        fixtures::writeArchive(path(),
                               fixtures::workbookParts(SmallSheet + QByteArray(40 << 20, ' ')));
        ASSERT_LT(readBytes().size(), 1 << 20);
    }
};

TEST_F(ZipBomb, FailsOnTheSizeItDeclares)
{
    expectFailure("far more data");
}

// The archive's directory and local headers claim the part is small; the limit holds while the
// part is decompressed.
TEST_F(ZipBomb, FailsWhileDecompressingWhenTheSizeIsUnderstated)
{
    QByteArray bytes = readBytes();
    const QByteArray name = "xl/worksheets/sheet1.xml";
    const auto understate = [&bytes, &name](const QByteArray &signature, int sizeAt, int nameAt) {
        for (qsizetype at = bytes.indexOf(signature); at >= 0;
             at = bytes.indexOf(signature, at + 4)) {
            if (bytes.mid(at + nameAt, name.size()) != name)
                continue;
            bytes[at + sizeAt] = 0;
            bytes[at + sizeAt + 1] = 0x10; // 4096 bytes
            bytes[at + sizeAt + 2] = 0;
            bytes[at + sizeAt + 3] = 0;
        }
    };
    understate(QByteArray("PK\x01\x02", 4), 24, 46);
    understate(QByteArray("PK\x03\x04", 4), 22, 30);
    writeBytes(bytes);
    expectFailure("far more data");
}

} // namespace
