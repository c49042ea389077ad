#include "ResultWindows.h"

namespace analysis
{

ResultWindows::~ResultWindows() = default;

} // namespace analysis
