// Telling whether two paths on the command line name one file.
#pragma once

#include <QString>

namespace outputpaths
{

// Compares the files themselves where they exist (links, "." and ".." resolved), their folders
// where only those exist, and the absolute paths otherwise.
bool sameFile(const QString &first, const QString &second);

} // namespace outputpaths
