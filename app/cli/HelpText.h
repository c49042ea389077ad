// What --help and --version print.
#pragma once

#include <QString>

namespace cli
{

QString helpText();
QString versionText();

} // namespace cli
