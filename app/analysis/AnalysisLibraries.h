// The lifetime of the two libraries a run calls: kestlib, then lumalib, are initialised when it
// is made and terminated in the same order when it goes. Whoever runs analyses holds one (the
// analysis commands for the program's whole run, a command line for its own); the libraries
// count their initialisations, so holders may overlap.
#pragma once

namespace analysis
{

class AnalysisLibraries
{
  public:
    AnalysisLibraries();
    ~AnalysisLibraries();
    AnalysisLibraries(const AnalysisLibraries &) = delete;
    AnalysisLibraries &operator=(const AnalysisLibraries &) = delete;
};

} // namespace analysis
