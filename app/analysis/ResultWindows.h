// What a successful run shows: the windows are filled on the interface thread once the run has
// ended, then shown one after the other.
#pragma once

class QWidget;
struct AnalysisState;

namespace analysis
{

class ResultWindows
{
  public:
    virtual ~ResultWindows();

    // Fills the windows that keep their content from the run (the two plots).
    virtual void fill(const AnalysisState &state) = 0;
    // Shows the results, each window modal, and returns when the last one is closed.
    virtual void show(const AnalysisState &state, QWidget *parent) = 0;
};

} // namespace analysis
