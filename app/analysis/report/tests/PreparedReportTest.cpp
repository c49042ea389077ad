#include "PreparedReport.h"
#include "ReportContentBuilder.h"
#include "ReportEntry.h"
#include "ReportFile.h"
#include "ReportFixtures.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace
{

const ItemKey firstColumnOfSection3{ItemRole::ColumnLabel, 2, -1, 0};

// The pages that show a text.
std::vector<int> pagesWith(const PreparedReport &report, const ItemKey &key)
{
    std::vector<int> pages;
    for (int p = 0; p < report.pageCount(); ++p)
        for (const PageItem &item : report.pageItems(p))
            if (item.key == key)
                pages.push_back(p);
    return pages;
}

QString textOn(const PreparedReport &report, int page, const ItemKey &key)
{
    for (const PageItem &item : report.pageItems(page))
        if (item.key == key)
            return item.text;
    return QStringLiteral("<absent>");
}

class PreparedReportTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        reporttest::ensureApplication();
        report_ = prepareReport(reporttest::makeState(40, 3, 3));
        pages_ = pagesWith(report_, firstColumnOfSection3);
        ASSERT_GE(pages_.size(), 2u); // the column label is repeated on a continuation page
    }

    PreparedReport report_;
    std::vector<int> pages_;
    QTemporaryDir dir_;
};

} // namespace

TEST_F(PreparedReportTest, AnEditChangesItsOwnPageOnly)
{
    report_.setItemText(pages_[1], firstColumnOfSection3, QStringLiteral("νέο"));
    EXPECT_EQ(textOn(report_, pages_[1], firstColumnOfSection3), QStringLiteral("νέο"));
    EXPECT_EQ(textOn(report_, pages_[0], firstColumnOfSection3), "v1");
    // Exports that hold each text once take it from the first page that shows it.
    EXPECT_EQ(report_.text(firstColumnOfSection3), "v1");
    report_.setItemText(pages_[0], firstColumnOfSection3, QStringLiteral("πρώτο"));
    EXPECT_EQ(report_.text(firstColumnOfSection3), QStringLiteral("πρώτο"));
    EXPECT_TRUE(report_.hasEdits());
}

TEST_F(PreparedReportTest, ANewLayoutOrANewRunDropsTheEdits)
{
    report_.setItemText(0, {ItemRole::Title}, QStringLiteral("άλλος τίτλος"));
    PageSetup letter;
    letter.paper = QPageSize::Letter;
    report_.relayout(letter);
    EXPECT_FALSE(report_.hasEdits());
    EXPECT_EQ(textOn(report_, 0, {ItemRole::Title}), report_.content().title);
    EXPECT_FALSE(prepareReport(reporttest::makeState(40, 3, 3)).hasEdits());
}

TEST_F(PreparedReportTest, ASavedReportOpensWithItsPagesAndEdits)
{
    PageSetup setup;
    setup.orientation = QPageLayout::Landscape;
    setup.marginsMm = QMarginsF(10, 15, 10, 15);
    report_.relayout(setup);
    const std::vector<int> pages = pagesWith(report_, firstColumnOfSection3);
    report_.setItemText(pages.back(), firstColumnOfSection3, QStringLiteral("νέο"));
    report_.setItemText(1, {ItemRole::Footer}, QStringLiteral("σελίδα"));
    const QString path = dir_.filePath("report.vrp");
    reportfile::save(report_, path);
    const PreparedReport opened = reportfile::open(path);
    EXPECT_EQ(opened.content(), report_.content());
    EXPECT_EQ(opened.setup(), setup);
    ASSERT_EQ(opened.pageCount(), report_.pageCount());
    EXPECT_EQ(textOn(opened, pages.back(), firstColumnOfSection3), QStringLiteral("νέο"));
    EXPECT_EQ(textOn(opened, 1, {ItemRole::Footer}), QStringLiteral("σελίδα"));
    EXPECT_EQ(textOn(opened, 2, {ItemRole::Footer}), "-3-");
}

TEST_F(PreparedReportTest, ADamagedFileIsRefusedWithAMessage)
{
    const QString path = dir_.filePath("report.vrp");
    reportfile::save(report_, path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray whole = file.readAll();
    file.close();
    const QByteArray damaged[] = {whole.left(whole.size() / 2), QByteArray("not a report"),
                                  QByteArray(), whole + "tail"};
    for (const QByteArray &bytes : damaged) {
        const QString broken = dir_.filePath("broken.vrp");
        QFile out(broken);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        out.close();
        try {
            reportfile::open(broken);
            ADD_FAILURE() << bytes.size();
        } catch (const ReportFileError &error) {
            EXPECT_EQ(error.message(),
                      QStringLiteral("Το αρχείο ") + broken +
                          QStringLiteral(" δεν είναι αναφορά του Vistrel ή είναι κατεστραμμένο."));
        }
    }
    EXPECT_THROW(reportfile::save(report_, dir_.filePath("missing/report.vrp")), ReportFileError);
}

TEST(ReportEntry, TheCommandLineWritesEveryFormatWithoutADisplay)
{
    reporttest::ensureApplication();
    QTemporaryDir dir;
    const AnalysisState state = reporttest::makeState(4, 2, 2);
    for (const ExportFormatInfo &info : exportFormats()) {
        const QString path =
            dir.filePath(QStringLiteral("report%1.%2").arg(int(info.format)).arg(info.suffix));
        exportReportFile(state, info.format, path);
        EXPECT_GT(QFile(path).size(), 0) << info.suffix.toStdString();
    }
}

TEST(ReportEntry, AnEmptyRunGivesOnePageOfCaptionsAndExportsIt)
{
    reporttest::ensureApplication();
    const PreparedReport report = prepareReport(AnalysisState{});
    EXPECT_EQ(report.pageCount(), 1);
    QTemporaryDir dir;
    for (const ExportFormatInfo &info : exportFormats())
        EXPECT_NO_THROW(exportReport(report, info.format, dir.filePath("empty." + info.suffix)));
}
