// The program's command-line entry: batch analyses and conversions run without any window, and
// --help and --version. main() asks isCommandLine before anything else, so that no window and
// no display is ever needed for them.
#pragma once

#include "ExitCode.h"

#include <QString>
#include <QStringList>

namespace cli
{

// Whether the program was started for the command line: its first argument is an option
// ("--batch", "--help", ...). Otherwise the first argument is a sheet file for the window.
bool isCommandLine(int argc, char *argv[]);

struct CommandResult {
    ExitCode code = ExitCode::Success;
    QString output; // for standard output
    QString error;  // for standard error
};

// One call, the arguments after the program's name, in a program that has its QApplication.
CommandResult runCommand(const QStringList &arguments);

// The whole command-line program: selects the offscreen platform, makes the application,
// runs the call and prints what it says in UTF-8. Returns the exit code.
int runCommandLine(int argc, char *argv[]);

} // namespace cli
