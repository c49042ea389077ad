// The analysis through the real dialog, as the user drives it, with the result windows recorded.
#include "SheetFixtures.h"
#include "analysis/AnalysisCommands.h"
#include "analysis/AnalysisMessages.h"
#include "analysis/ResultWindows.h"
#include "files/NumberText.h"
#include "rt/Error.h"
#include "shells/TKestAFCfrm.h"
#include "tests/ShellFixture.h"

#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

namespace analysis
{
namespace
{

using testing::stackedTables;
using Kind = ScriptedPrompter::Kind;

class RecordingResults : public ResultWindows
{
  public:
    void fill(const AnalysisState &state) override
    {
        events << QStringLiteral("fill");
        filled = state;
    }
    void show(const AnalysisState &state, QWidget *parent) override
    {
        events << QStringLiteral("show");
        EXPECT_EQ(state, filled);
        shownOver = parent;
    }

    QStringList events;
    AnalysisState filled;
    QWidget *shownOver = nullptr;
};

class AnalysisDialogTest : public ShellTest
{
  protected:
    AnalysisDialogTest()
        : commands(main(), dialog(), results,
                   [this](std::span<const double> values, int n, int a, int m) {
                       return kest(values, n, a, m);
                   })
    {
        numbertext::setDecimalSeparator(u'.');
    }
    ~AnalysisDialogTest() override
    {
        dialog().hide();
        numbertext::setDecimalSeparator(separator);
    }

    TKestAFCfrm &dialog() const { return forms.KestAFCfrm(); }
    void openDialogOn(const Sheet &sheet)
    {
        model().replaceSheet(sheet);
        dialog().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog()));
    }
    void chooseAxes(int horizontal, int vertical)
    {
        dialog().edtdim->setValue(horizontal);
        dialog().edtdim2->setValue(vertical);
    }
    void clickOk() { QTest::mouseClick(dialog().Button1, Qt::LeftButton); }
    QStringList errors() const { return prompter.texts(Kind::Error); }

    const QChar separator = numbertext::decimalSeparator();
    KestCall kest = CallKest;
    RecordingResults results;
    AnalysisCommands commands;
};

TEST_F(AnalysisDialogTest, EachShowRangesOverTheVariablesWithPositionsOneAndTwo)
{
    openDialogOn(stackedTables(2, 3, 3));
    EXPECT_EQ(dialog().windowTitle(), "Επιλογές...");
    for (QSpinBox *box : {dialog().edtdim, dialog().edtdim2}) {
        EXPECT_EQ(box->minimum(), 1);
        EXPECT_EQ(box->maximum(), 3);
    }
    EXPECT_EQ(dialog().horizontalAxis(), 1);
    EXPECT_EQ(dialog().verticalAxis(), 2);

    chooseAxes(3, 1);
    dialog().hide();
    openDialogOn(stackedTables(2, 3, 5));
    EXPECT_EQ(dialog().edtdim2->maximum(), 5);
    EXPECT_EQ(dialog().horizontalAxis(), 1);
    EXPECT_EQ(dialog().verticalAxis(), 2);
}

TEST_F(AnalysisDialogTest, TypedAxesOutsideTheRangeOrNotNumbersAreRefused)
{
    openDialogOn(stackedTables(2, 3, 3));
    for (const QString &typed :
         {QStringLiteral("9"), QStringLiteral("0"), QStringLiteral("x"), QStringLiteral("-2")}) {
        dialog().edtdim->setFocus();
        dialog().edtdim->selectAll();
        QTest::keyClicks(dialog().edtdim, typed);
        clickOk();
        EXPECT_GE(dialog().horizontalAxis(), 1) << typed.toStdString();
        EXPECT_LE(dialog().horizontalAxis(), 3) << typed.toStdString();
    }
    for (const ScriptedPrompter::Shown &shown : prompter.shown())
        EXPECT_TRUE(shown.text == messages::AxesMustDiffer) << shown.text.toStdString();
}

TEST_F(AnalysisDialogTest, EqualAxesGiveTheAxisBoxAndNoRun)
{
    openDialogOn(stackedTables(2, 3, 3));
    chooseAxes(2, 2);
    clickOk();
    EXPECT_EQ(errors(), QStringList{messages::AxesMustDiffer});
    EXPECT_TRUE(results.events.isEmpty());
    EXPECT_EQ(commands.state(), AnalysisState{});
}

TEST_F(AnalysisDialogTest, WithOneVariableOkAlwaysGivesTheAxisBox)
{
    openDialogOn(testing::sheetOf({{"", "v1", "C"}, {"a", "1", "1"}, {"b", "2", "2"}}));
    EXPECT_EQ(dialog().edtdim->maximum(), 1);
    EXPECT_EQ(dialog().verticalAxis(), 1);
    clickOk();
    EXPECT_EQ(errors(), QStringList{messages::AxesMustDiffer});
}

TEST_F(AnalysisDialogTest, OkRunsTheAnalysisAndShowsTheResultsOverTheOpenDialog)
{
    const Sheet sheet = stackedTables(3, 4, 3);
    openDialogOn(sheet);
    chooseAxes(3, 1);
    clickOk();

    EXPECT_TRUE(prompter.shown().isEmpty());
    EXPECT_EQ(results.events, QStringList({"fill", "show"}));
    EXPECT_EQ(results.shownOver, &dialog());
    EXPECT_TRUE(dialog().isVisible());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    AnalysisState expected;
    RunAnalysis(sheet, {3, 1, u'.'}, expected);
    EXPECT_EQ(commands.state(), expected);
    EXPECT_EQ(commands.state().HorizontalAxisName, "v3");

    // A second press runs again, from the sheet alone.
    clickOk();
    EXPECT_EQ(results.events, QStringList({"fill", "show", "fill", "show"}));
    EXPECT_EQ(commands.state(), expected);
}

TEST_F(AnalysisDialogTest, TheRunReadsAndWritesWithTheProgramsDecimalSeparator)
{
    numbertext::setDecimalSeparator(u',');
    openDialogOn(stackedTables(2, 3, 2, u','));
    clickOk();
    EXPECT_TRUE(prompter.shown().isEmpty());
    EXPECT_EQ(commands.state().Decimal, u',');
    EXPECT_TRUE(commands.state().Xtz.at(0, 0).contains(u','));
}

TEST_F(AnalysisDialogTest, FailedRunsShowTheirBoxAndNoResults)
{
    struct Case {
        const char *name;
        Sheet sheet;
        KestCall kest;
        QString message;
    };
    Sheet badValue = stackedTables(2, 3, 2);
    badValue.setCell(2, 5, QStringLiteral("1;5"));
    const KestCall failing = [](std::span<const double>, int, int, int) -> KestOutputs {
        throw rt::Error("Out of memory.");
    };
    const std::vector<Case> cases{
        {"unequal tables", testing::withTableNumbers(stackedTables(1, 3, 2), {"1", "1", "2"}),
         CallKest, messages::UnequalTables},
        {"a value that is not a number", badValue, CallKest,
         QStringLiteral("'1;5' is not a valid floating point value")},
        {"a library error", stackedTables(2, 3, 2), failing,
         messages::LibraryFailed + QStringLiteral("\nOut of memory.")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        prompter.forget();
        kest = c.kest;
        openDialogOn(c.sheet);
        clickOk();
        EXPECT_EQ(errors(), QStringList{c.message});
        EXPECT_TRUE(results.events.isEmpty());
        EXPECT_TRUE(commands.state().RunFailed);
        EXPECT_TRUE(dialog().isVisible());
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    }
}

TEST_F(AnalysisDialogTest, TheAnalysisActionOpensTheDialogModally)
{
    model().replaceSheet(stackedTables(2, 3, 4));
    QWidget *modal = nullptr;
    int maximum = 0;
    QTimer::singleShot(0, [&] {
        modal = QApplication::activeModalWidget();
        maximum = dialog().edtdim->maximum();
        QTest::mouseClick(dialog().CancelBtn, Qt::LeftButton);
    });
    actions().AFC->setEnabled(true);
    actions().AFC->trigger();
    EXPECT_EQ(modal, &dialog());
    EXPECT_EQ(maximum, 4);
    EXPECT_FALSE(dialog().isVisible());
}

} // namespace
} // namespace analysis
