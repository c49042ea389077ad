#include "AnalysisLibraries.h"

#include "LibraryCalls.h"
#include "kestlib.h"
#include "lumalib.h"

namespace analysis
{

AnalysisLibraries::AnalysisLibraries()
{
    const std::lock_guard lock(libraryMutex());
    kestlibInitialize();
    lumalibInitialize();
}

AnalysisLibraries::~AnalysisLibraries()
{
    const std::lock_guard lock(libraryMutex());
    kestlibTerminate();
    lumalibTerminate();
}

} // namespace analysis
