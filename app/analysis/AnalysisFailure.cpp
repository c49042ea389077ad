#include "AnalysisFailure.h"

namespace analysis
{

AnalysisFailure::AnalysisFailure(QString message)
    : message_(std::move(message)), utf8_(message_.toUtf8())
{
}

} // namespace analysis
