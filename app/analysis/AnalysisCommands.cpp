#include "AnalysisCommands.h"

#include "AnalysisFailure.h"
#include "AnalysisMessages.h"
#include "BusyCursor.h"
#include "Prompter.h"
#include "ResultWindows.h"
#include "SheetModel.h"
#include "TMainForm.h"
#include "WorkerCall.h"
#include "files/NumberText.h"
#include "shells/TKestAFCfrm.h"

#include <QAction>
#include <QScopedValueRollback>

namespace analysis
{

namespace
{

const QString RunningActivity = QStringLiteral("Υπολογισμός της ανάλυσης...");

} // namespace

AnalysisCommands::AnalysisCommands(TMainForm &main, TKestAFCfrm &dialog, ResultWindows &results,
                                   KestCall kest)
    : main_(main), dialog_(dialog), results_(results), kest_(std::move(kest))
{
    dialog_.setVariableCountSource([&main] { return main.sheetModel().sheet().columnCount() - 1; });
    connect(main_.actions().AFC, &QAction::triggered, this, &AnalysisCommands::AFCExecute);
    connect(&dialog_, &TKestAFCfrm::runRequested, this, &AnalysisCommands::Button1Click);
}

void AnalysisCommands::AFCExecute()
{
    dialog_.exec();
}

void AnalysisCommands::Button1Click()
{
    const int horizontal = dialog_.horizontalAxis();
    const int vertical = dialog_.verticalAxis();
    if (horizontal == vertical) {
        main_.prompter().error(&dialog_, messages::AxesMustDiffer);
        return;
    }
    if (runAnalysis(horizontal, vertical))
        results_.show(state_, &dialog_);
}

// One run at a time; the sheet is read as it is now and nothing of an earlier run is kept.
bool AnalysisCommands::runAnalysis(int horizontalAxis, int verticalAxis)
{
    if (running_)
        return false;
    const QScopedValueRollback oneRun(running_, true);
    const AnalysisRequest request{horizontalAxis, verticalAxis, numbertext::decimalSeparator()};
    const Sheet &sheet = main_.sheetModel().sheet();
    try {
        const BusyCursor busy;
        callOnWorker([&] { RunAnalysis(sheet, request, state_, kest_); }, &dialog_,
                     RunningActivity);
        results_.fill(state_);
        return true;
    } catch (const AnalysisFailure &failure) {
        main_.prompter().error(&dialog_, failure.message());
        return false;
    }
}

} // namespace analysis
