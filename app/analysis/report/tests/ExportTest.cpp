#include "PreparedReport.h"
#include "ReportContentBuilder.h"
#include "ReportExport.h"
#include "ReportFixtures.h"
#include "files/workbook/WorkbookFile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>
#include <zip.h>

#include <map>

namespace
{

// The texts of a zip container's entry, read with libzip.
QByteArray zipEntry(const QString &path, const char *name)
{
    int error = 0;
    zip_t *archive = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &error);
    if (!archive)
        return {};
    QByteArray data;
    zip_stat_t stat;
    if (zip_stat(archive, name, 0, &stat) == 0) {
        zip_file_t *file = zip_fopen(archive, name, 0);
        data.resize(static_cast<qsizetype>(stat.size));
        zip_fread(file, data.data(), stat.size);
        zip_fclose(file);
    }
    zip_close(archive);
    return data;
}

QString firstZipName(const QString &path)
{
    int error = 0;
    zip_t *archive = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &error);
    QString name = archive ? QString::fromUtf8(zip_get_name(archive, 0, 0)) : QString();
    if (archive)
        zip_close(archive);
    return name;
}

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString readText(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll());
}

// Every element's text, in document order, with the element's local name; fails the test when
// the document is not well-formed XML.
std::vector<std::pair<QString, QString>> xmlTexts(const QByteArray &xml)
{
    std::vector<std::pair<QString, QString>> texts;
    QXmlStreamReader reader(xml);
    QStringList open;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement())
            open << reader.name().toString();
        else if (reader.isEndElement())
            open.removeLast();
        else if (reader.isCharacters() && !reader.isWhitespace())
            texts.emplace_back(open.value(open.size() - 1), reader.text().toString());
    }
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    return texts;
}

QStringList textsOf(const std::vector<std::pair<QString, QString>> &texts, const QString &element)
{
    QStringList result;
    for (const auto &[name, text] : texts)
        if (name == element)
            result << text;
    return result;
}

class ExportTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        reporttest::ensureApplication();
        report_ = PreparedReport(
            buildReportContent(reporttest::makeState(3, 2, 2, {"A", "B", "C"})), PageSetup{});
        // An edit on the first page: the first cell of the target table.
        report_.setItemText(0, {ItemRole::Cell, 0, 0, 0}, QStringLiteral("Νέα;\"1\""));
    }

    QString exported(ExportFormat format, const QString &name)
    {
        const QString path = dir_.filePath(name);
        exportReport(report_, format, path);
        EXPECT_TRUE(QFile::exists(path));
        return path;
    }

    QTemporaryDir dir_;
    PreparedReport report_;
};

} // namespace

TEST_F(ExportTest, PdfReadsBackWithEveryPageAndEmbeddedFonts)
{
    const QString path = exported(ExportFormat::Pdf, "report.pdf");
    const QString text = run("pdftotext", {"-layout", path, "-"});
    EXPECT_TRUE(text.contains(QStringLiteral("Αριθμητικά Αποτελέσματα της Προκρούστιας")));
    EXPECT_TRUE(text.contains(QStringLiteral("Πίνακας Στόχος Χt (z-scores)")));
    EXPECT_TRUE(text.contains(QStringLiteral("Νέα;\"1\"")));
    EXPECT_TRUE(text.contains("X2:C"));
    EXPECT_TRUE(text.contains("Sig. (2-tailed)"));
    EXPECT_TRUE(text.contains("-1-"));
    EXPECT_EQ(text.count(u'\f'), report_.pageCount());
    const QStringList fonts = run("pdffonts", {path}).split(u'\n', Qt::SkipEmptyParts).mid(2);
    ASSERT_FALSE(fonts.isEmpty());
    for (const QString &font : fonts)
        EXPECT_TRUE(font.contains(QStringLiteral(" yes "))) << font.toStdString();
}

TEST_F(ExportTest, CsvHoldsEachSectionAsCaptionHeaderAndRows)
{
    const QStringList lines = readText(exported(ExportFormat::Csv, "report.csv")).split("\r\n");
    EXPECT_EQ(lines[0], QStringLiteral("Πίνακας Στόχος Χt"));
    EXPECT_EQ(lines[1], ";v1;v2");
    EXPECT_EQ(lines[2], QStringLiteral("A;\"Νέα;\"\"1\"\"\";0.5"));
    EXPECT_EQ(lines[3], "B;1.25;1.5");
    EXPECT_EQ(lines[5], "");
    EXPECT_EQ(lines[6], QStringLiteral("Πίνακας Στόχος Χt (z-scores)"));
    EXPECT_TRUE(lines.contains(";r;Sig. (2-tailed);rho;Sig. (2-tailed) "));
    EXPECT_TRUE(lines.contains("X1;;"));
    EXPECT_TRUE(lines.contains("d^2;0.000;1.000"));
}

TEST_F(ExportTest, WorkbookHoldsNumbersAsNumbersAndLabelsAsText)
{
    const QString path = exported(ExportFormat::Xlsx, "report.xlsx");
    // Strings are inline or shared; numbers are plain values.
    QXmlStreamReader sheet(zipEntry(path, "xl/worksheets/sheet1.xml"));
    QStringList shared;
    if (const QByteArray strings = zipEntry(path, "xl/sharedStrings.xml"); !strings.isEmpty())
        for (const auto &[name, text] : xmlTexts(strings))
            if (name == "t")
                shared << text;
    std::map<QString, std::pair<QString, QString>> cells; // reference -> (type, value)
    QString reference, type;
    while (!sheet.atEnd()) {
        sheet.readNext();
        if (sheet.isStartElement() && sheet.name() == u"c") {
            reference = sheet.attributes().value("r").toString();
            type = sheet.attributes().value("t").toString();
        } else if (sheet.isStartElement() && (sheet.name() == u"v" || sheet.name() == u"t")) {
            const QString value = sheet.readElementText();
            cells[reference] = {type, type == "s" ? shared.value(value.toInt()) : value};
        }
    }
    ASSERT_FALSE(sheet.hasError());
    EXPECT_EQ(cells["A1"].second, QStringLiteral("Πίνακας Στόχος Χt"));
    EXPECT_EQ(cells["B2"].second, "v1");
    EXPECT_EQ(cells["B3"].second, QStringLiteral("Νέα;\"1\""));
    EXPECT_EQ(cells["C3"], std::make_pair(QString(), QString("0.5")));
    EXPECT_EQ(cells["A7"].second, QStringLiteral("Πίνακας Στόχος Χt (z-scores)"));
    EXPECT_EQ(cells["A9"].second, "A");
    EXPECT_EQ(cells["C9"], std::make_pair(QString(), QString("0.001")));
    EXPECT_TRUE(zipEntry(path, "xl/styles.xml").contains("formatCode=\"0.000\""));

    // The program's own workbook reader, which was written apart from this export, reads the
    // same texts and numbers back.
    const auto workbook = openWorkbookFile(path);
    ASSERT_EQ(workbook->worksheetNames(), QStringList{QStringLiteral("Αναφορά")});
    std::map<std::pair<int, int>, QString> texts;
    const WorksheetTexts worksheet = workbook->readWorksheet(0, u'.');
    for (const WorksheetTexts::Cell &cell : worksheet.cells())
        texts[{cell.row, cell.column}] = cell.text;
    const auto at = [&texts](int row, int column) { return texts[{row, column}]; };
    EXPECT_EQ(at(0, 0), QStringLiteral("Πίνακας Στόχος Χt"));
    EXPECT_EQ(at(2, 1), QStringLiteral("Νέα;\"1\""));
    EXPECT_EQ(at(8, 2), "0.001");
    EXPECT_EQ(at(8, 0), "A");
}

TEST_F(ExportTest, SpreadsheetDocumentHoldsTypedCellsInOneTable)
{
    const QString path = exported(ExportFormat::Ods, "report.ods");
    EXPECT_EQ(firstZipName(path), "mimetype");
    EXPECT_EQ(zipEntry(path, "mimetype"), "application/vnd.oasis.opendocument.spreadsheet");
    const QByteArray content = zipEntry(path, "content.xml");
    const auto texts = xmlTexts(content);
    EXPECT_EQ(textsOf(texts, "p").first(), QStringLiteral("Πίνακας Στόχος Χt"));
    QXmlStreamReader reader(content);
    int tables = 0, threeDecimalNumbers = 0;
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement())
            continue;
        tables += reader.name() == u"table";
        const auto attributes = reader.attributes();
        if (reader.name() == u"table-cell" && attributes.value("office:value-type") == u"float" &&
            attributes.value("table:style-name") == u"Three")
            ++threeDecimalNumbers;
    }
    EXPECT_EQ(tables, 1);
    EXPECT_GT(threeDecimalNumbers, 50);
    EXPECT_TRUE(content.contains("office:value=\"0.001\""));
}

TEST_F(ExportTest, TextDocumentHoldsTitleCaptionsAndATablePerSection)
{
    const QString path = exported(ExportFormat::Odt, "report.odt");
    EXPECT_EQ(zipEntry(path, "mimetype"), "application/vnd.oasis.opendocument.text");
    const auto texts = xmlTexts(zipEntry(path, "content.xml"));
    const QStringList paragraphs = textsOf(texts, "p");
    EXPECT_EQ(paragraphs.first(),
              QStringLiteral(
                  "Αριθμητικά Αποτελέσματα της Προκρούστιας Ορθογώνιας Προβολής ή Περιστροφής"));
    EXPECT_TRUE(paragraphs.contains(QStringLiteral("Αποστάσεις Xt - Xw")));
    EXPECT_TRUE(paragraphs.contains(QStringLiteral("Νέα;\"1\"")));
    EXPECT_EQ(zipEntry(path, "content.xml").count("<table:table "), 12);
    xmlTexts(zipEntry(path, "styles.xml"));
    xmlTexts(zipEntry(path, "META-INF/manifest.xml"));
}

TEST_F(ExportTest, HtmlIsOneWellFormedPageWithATablePerSection)
{
    const QByteArray html = readText(exported(ExportFormat::Html, "report.html")).toUtf8();
    const auto texts = xmlTexts(html);
    EXPECT_EQ(textsOf(texts, "h2").size(), 12);
    EXPECT_EQ(html.count("<table>"), 12);
    EXPECT_TRUE(textsOf(texts, "td").contains(QStringLiteral("Νέα;\"1\"")));
    EXPECT_TRUE(textsOf(texts, "th").contains("Sig. (2-tailed) "));
    EXPECT_TRUE(html.contains("charset=\"utf-8\""));
}

TEST_F(ExportTest, RichTextIsAsciiWithUnicodeEscapes)
{
    const QByteArray rtf = readText(exported(ExportFormat::Rtf, "report.rtf")).toUtf8();
    EXPECT_TRUE(rtf.startsWith("{\\rtf1"));
    for (const char byte : rtf)
        ASSERT_GE(static_cast<unsigned char>(byte), 0) << "only ASCII";
    EXPECT_TRUE(rtf.contains("\\u913?"));  // capital alpha of the title
    EXPECT_TRUE(rtf.contains("\\u935?t")); // capital chi
    EXPECT_EQ(rtf.count('{') - rtf.count("\\{"), rtf.count('}') - rtf.count("\\}"));
    EXPECT_TRUE(rtf.contains("X2:C"));
}

TEST_F(ExportTest, TextFilesPadColumnsAndFrameThemOnlyWhenFormatted)
{
    const QStringList plain =
        readText(exported(ExportFormat::PlainText, "plain.txt")).split("\r\n");
    const QStringList framed =
        readText(exported(ExportFormat::FramedText, "framed.txt")).split("\r\n");
    EXPECT_FALSE(plain.join("").contains(QStringLiteral("│")));
    const qsizetype header = plain.indexOf(QRegularExpression("^\\s+v1\\s+v2\\s*$"));
    ASSERT_GT(header, 0);
    EXPECT_EQ(plain[header + 1].size(), plain[header].size());
    EXPECT_TRUE(plain[header + 1].startsWith(QStringLiteral("A  Νέα;\"1\"")));
    EXPECT_TRUE(framed.contains(QStringLiteral("│ X1:A │ 3.25 │ 3.5 │")));
    EXPECT_TRUE(framed.join("").contains(QStringLiteral("┌───")));
    EXPECT_TRUE(framed.join("").contains(QStringLiteral("┴")));
}

// Every format: a failed or cancelled export leaves no new file, no temporary file, and an
// earlier file at the path untouched; the message names the path.
TEST_F(ExportTest, AFailedExportLeavesNoPartialFile)
{
    for (const ExportFormatInfo &info : exportFormats()) {
        const QString missing = dir_.filePath("no such folder/report." + info.suffix);
        try {
            exportReport(report_, info.format, missing);
            ADD_FAILURE() << info.suffix.toStdString();
        } catch (const ExportError &error) {
            EXPECT_EQ(error.message(),
                      QStringLiteral("Σφάλμα κατά την εξαγωγή της αναφοράς στο αρχείο ") + missing +
                          ".");
        }

        const QString path = dir_.filePath("kept." + info.suffix);
        QFile earlier(path);
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier");
        earlier.close();
        const auto stopHalfway = [](qint64 done, qint64 total) { return done < total / 2; };
        EXPECT_THROW(exportReport(report_, info.format, path, stopHalfway), ExportError)
            << info.suffix.toStdString();
        EXPECT_EQ(readText(path), "earlier");
        EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
        QFile::remove(path);
    }
}

TEST_F(ExportTest, AnExportReplacesAnEarlierFileAndReportsItsProgress)
{
    const QString path = dir_.filePath("report.csv");
    QFile earlier(path);
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier");
    earlier.close();
    qint64 last = 0, total = 0;
    exportReport(report_, ExportFormat::Csv, path, [&](qint64 done, qint64 all) {
        EXPECT_GE(done, last);
        last = done;
        total = all;
        return true;
    });
    EXPECT_EQ(last, total);
    EXPECT_TRUE(readText(path).startsWith(QStringLiteral("Πίνακας")));
}

TEST(ExportFormats, NamesFromTheCommandLine)
{
    EXPECT_EQ(exportFormatFromName("PDF"), ExportFormat::Pdf);
    EXPECT_EQ(exportFormatFromName("xlsx"), ExportFormat::Xlsx);
    EXPECT_EQ(exportFormatFromName("txt"), ExportFormat::PlainText);
    EXPECT_EQ(exportFormatFromName("framed"), ExportFormat::FramedText);
    EXPECT_EQ(exportFormatFromName("doc"), std::nullopt);
}
