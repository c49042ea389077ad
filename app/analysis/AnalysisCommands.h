// The analysis as the program offers it: the action "Προκρούστια Προβολή" shows the analysis
// dialog, and its OK runs the analysis on the sheet and shows the results. Made once at start,
// right after the windows, and kept as long; it holds the libraries for all that time.
#pragma once

#include "AnalysisLibraries.h"
#include "AnalysisRun.h"
#include "AnalysisState.h"

#include <QObject>

class TKestAFCfrm;
class TMainForm;

namespace analysis
{

class ResultWindows;

class AnalysisCommands : public QObject
{
  public:
    AnalysisCommands(TMainForm &main, TKestAFCfrm &dialog, ResultWindows &results,
                     KestCall kest = CallKest);

    // The state of the last run, for the report and the plots.
    const AnalysisState &state() const { return state_; }

    // Shows the analysis dialog, modal.
    void AFCExecute();
    // The dialog's OK: the axes must differ; then the run, and after a successful one the
    // results. The dialog stays open for further runs.
    void Button1Click();

  private:
    bool runAnalysis(int horizontalAxis, int verticalAxis);

    AnalysisLibraries libraries_; // first made, last gone: outlives every call
    TMainForm &main_;
    TKestAFCfrm &dialog_;
    ResultWindows &results_;
    KestCall kest_;
    AnalysisState state_;
    bool running_ = false;
};

} // namespace analysis
