#include "ReportPreview.h"
#include "PageView.h"
#include "PreviewDialogs.h"
#include "Prompter.h"
#include "ReportEntry.h"
#include "ReportFixtures.h"

#include <QAction>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace
{

struct FakePrompter : Prompter {
    struct Input {
        QString caption, prompt, text;
    };
    std::vector<Input> inputs;
    QStringList errors;
    QString answer; // what the input box returns; empty: the proposal (cancel)
    Answer questionAnswer = Answer::No;
    int questions = 0;

    void information(QWidget *, const QString &) override {}
    void error(QWidget *, const QString &text) override { errors << text; }
    Answer question(QWidget *, const QString &) override
    {
        ++questions;
        return questionAnswer;
    }
    QString input(QWidget *, const QString &caption, const QString &prompt,
                  const QString &text) override
    {
        inputs.push_back({caption, prompt, text});
        return answer.isEmpty() ? text : answer;
    }
};

struct FakeDialogs : PreviewDialogs {
    QString path;
    std::optional<PageSetup> setup;
    QString printTo;
    QString saveFileName(QWidget *, const QString &, const QString &, const QString &) override
    {
        return path;
    }
    QString openFileName(QWidget *, const QString &, const QString &) override { return path; }
    std::optional<PageSetup> pageSetup(QWidget *, const PageSetup &) override { return setup; }
    bool choosePrinter(QWidget *, QPrinter &printer, int) override
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printTo);
        return true;
    }
};

class ReportPreviewTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        reporttest::ensureApplication();
        preview_ = std::make_unique<ReportPreview>(prompter_, dialogs_);
        preview_->setReport(prepareReport(reporttest::makeState(4, 2, 2)));
        preview_->show();
    }

    // Clicks the text with this key on the page (by default the first that shows it); the page.
    int click(const ItemKey &key, int page = -1)
    {
        if (page < 0)
            page = preview_->report()->layout().homePage(key);
        preview_->goToPage(page);
        for (const PageItem &item : preview_->report()->pageItems(page))
            if (item.key == key) {
                const QPointF at =
                    QPointF(12, 12) + item.rect.center() * preview_->pageView()->zoom();
                QTest::mouseClick(preview_->pageView(), Qt::LeftButton, {}, at.toPoint());
                return page;
            }
        ADD_FAILURE() << "no such text";
        return page;
    }

    QString textOn(int page, const ItemKey &key) const
    {
        for (const PageItem &item : preview_->report()->pageItems(page))
            if (item.key == key)
                return item.text;
        return QStringLiteral("<absent>");
    }

    FakePrompter prompter_;
    FakeDialogs dialogs_;
    std::unique_ptr<ReportPreview> preview_;
    QTemporaryDir dir_;
};

const ItemKey secondSignificance{ItemRole::ColumnLabel, 10, -1, 3};

} // namespace

TEST_F(ReportPreviewTest, ClickingATextProposesItTrimmedAndConfirmingWritesItOnThatPageOnly)
{
    const int page = click(secondSignificance);
    ASSERT_EQ(prompter_.inputs.size(), 1u);
    EXPECT_EQ(prompter_.inputs[0].caption, QStringLiteral("Μετονομασία"));
    EXPECT_EQ(prompter_.inputs[0].prompt, QStringLiteral("Δώστε νέα τιμή/ετικέτα:"));
    EXPECT_EQ(prompter_.inputs[0].text, "Sig. (2-tailed)");
    EXPECT_EQ(textOn(page, secondSignificance), "Sig. (2-tailed)");

    prompter_.answer = QStringLiteral("σημαντικότητα");
    click({ItemRole::Footer}, page);
    EXPECT_EQ(textOn(page, {ItemRole::Footer}), QStringLiteral("σημαντικότητα"));
    if (page + 1 < preview_->report()->pageCount()) {
        EXPECT_EQ(textOn(page + 1, {ItemRole::Footer}), QStringLiteral("-%1-").arg(page + 2));
    }
}

TEST_F(ReportPreviewTest, ANewPageSetupAsksFirstWhenPagesCarryEdits)
{
    prompter_.answer = QStringLiteral("νέο");
    click({ItemRole::Title});
    PageSetup landscape;
    landscape.orientation = QPageLayout::Landscape;
    dialogs_.setup = landscape;
    prompter_.questionAnswer = Prompter::Answer::No;
    preview_->changePageSetup();
    EXPECT_EQ(prompter_.questions, 1);
    EXPECT_EQ(preview_->report()->setup().orientation, QPageLayout::Portrait);
    EXPECT_EQ(textOn(0, {ItemRole::Title}), QStringLiteral("νέο"));

    prompter_.questionAnswer = Prompter::Answer::Yes;
    preview_->changePageSetup();
    EXPECT_EQ(preview_->report()->setup().orientation, QPageLayout::Landscape);
    EXPECT_FALSE(preview_->report()->hasEdits());
    preview_->changePageSetup(); // no edits now: nothing to ask
    EXPECT_EQ(prompter_.questions, 2);
}

TEST_F(ReportPreviewTest, ToolButtonsShowTheirGreekCaptionsAndNavigate)
{
    for (const char *caption :
         {"Εκτύπωση", "Άνοιγμα", "Αποθήκευση", "Εξαγωγή", "Γρήγορη εξαγωγή", "Εύρεση", "Διάρθρωση",
          "Μικρογραφίες", "Διαμόρφωση σελίδας", "Μεγέθυνση", "Σμίκρυνση", "100%", "Πρώτη",
          "Προηγούμενη", "Επόμενη", "Τελευταία"}) {
        QAction *action = preview_->action(QString::fromUtf8(caption));
        ASSERT_NE(action, nullptr) << caption;
        EXPECT_FALSE(action->toolTip().isEmpty());
    }
    for (QToolButton *button : preview_->findChildren<QToolButton *>()) {
        if (button->defaultAction()) {
            EXPECT_EQ(button->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        }
    }
    EXPECT_DOUBLE_EQ(preview_->pageView()->zoom(), 1.0);
    preview_->action(QStringLiteral("Τελευταία"))->trigger();
    EXPECT_EQ(preview_->currentPage(), preview_->report()->pageCount() - 1);
    preview_->action(QStringLiteral("Προηγούμενη"))->trigger();
    EXPECT_EQ(preview_->currentPage(), preview_->report()->pageCount() - 2);
    preview_->action(QStringLiteral("Πρώτη"))->trigger();
    EXPECT_EQ(preview_->currentPage(), 0);
    preview_->action(QStringLiteral("Μεγέθυνση"))->trigger();
    EXPECT_DOUBLE_EQ(preview_->pageView()->zoom(), 1.25);
}

TEST_F(ReportPreviewTest, TheOutlineListsTheSectionsAndJumpsToThem)
{
    auto *outline = preview_->findChild<QTreeWidget *>();
    ASSERT_NE(outline, nullptr);
    ASSERT_EQ(outline->topLevelItemCount(), 12);
    EXPECT_EQ(outline->topLevelItem(8)->text(0), QStringLiteral("Αποστάσεις Xt - Xw"));
    QTreeWidgetItem *last = outline->topLevelItem(11);
    emit outline->itemClicked(last, 0);
    EXPECT_EQ(preview_->currentPage(), preview_->report()->layout().sectionPage(11));
}

TEST_F(ReportPreviewTest, FindGoesToTheNextPageShowingTheText)
{
    EXPECT_TRUE(preview_->findNext("X2R(4)"));
    const int first = preview_->currentPage();
    EXPECT_EQ(first, preview_->report()->layout().sectionPage(10));
    EXPECT_TRUE(preview_->findNext("X2R(4)")); // the same text further on: section 11 then 12
    EXPECT_FALSE(preview_->findNext(QStringLiteral("κανένα τέτοιο κείμενο")));
}

TEST_F(ReportPreviewTest, ExportsSavesAndOpensThroughItsDialogs)
{
    prompter_.answer = QStringLiteral("νέο");
    click({ItemRole::Caption, 0});
    dialogs_.path = dir_.filePath("report.csv");
    preview_->exportTo(ExportFormat::Csv);
    QFile csv(dialogs_.path);
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_TRUE(csv.readAll().startsWith(QStringLiteral("νέο\r\n").toUtf8()));

    dialogs_.path = dir_.filePath("missing/report.pdf");
    preview_->exportTo(ExportFormat::Pdf);
    ASSERT_EQ(prompter_.errors.size(), 1);
    EXPECT_EQ(prompter_.errors[0],
              QStringLiteral("Σφάλμα κατά την εξαγωγή της αναφοράς στο αρχείο ") + dialogs_.path +
                  ".");

    dialogs_.path = dir_.filePath("report.vrp");
    preview_->saveReport();
    preview_->setReport(prepareReport(reporttest::makeState(2, 1, 1)));
    preview_->openReport();
    EXPECT_EQ(textOn(0, {ItemRole::Caption, 0}), QStringLiteral("νέο"));
    EXPECT_EQ(prompter_.errors.size(), 1);
}

TEST_F(ReportPreviewTest, PrintsThePreparedPagesWithTheirEdits)
{
    prompter_.answer = QStringLiteral("εκτυπωμένο");
    click({ItemRole::Caption, 1});
    dialogs_.printTo = dir_.filePath("printed.pdf");
    preview_->printPages();
    QProcess pdftotext;
    pdftotext.start("pdftotext", {dialogs_.printTo, "-"});
    pdftotext.waitForFinished();
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    EXPECT_TRUE(text.contains(QStringLiteral("εκτυπωμένο")));
    EXPECT_EQ(text.count(u'\f'), preview_->report()->pageCount());
    EXPECT_TRUE(prompter_.errors.isEmpty());
}

TEST_F(ReportPreviewTest, EachPreparationStartsAfreshWithoutTheEarlierEdits)
{
    const AnalysisState state = reporttest::makeState(5, 2, 2);
    const auto build = [&state](const std::function<bool()> &keepGoing) {
        return prepareReport(state, PageSetup{}, keepGoing);
    };
    preview_->prepare(build);
    preview_->waitUntilPrepared();
    ASSERT_NE(preview_->report(), nullptr);
    prompter_.answer = QStringLiteral("νέο");
    click({ItemRole::Title});
    EXPECT_TRUE(preview_->report()->hasEdits());
    preview_->prepare(build);
    preview_->waitUntilPrepared();
    ASSERT_NE(preview_->report(), nullptr);
    EXPECT_FALSE(preview_->report()->hasEdits());
    EXPECT_EQ(textOn(0, {ItemRole::Title}), preview_->report()->content().title);
}
