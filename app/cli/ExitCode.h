// What a command-line call tells its caller through the exit code.
#pragma once

namespace cli
{

enum class ExitCode {
    Success = 0,
    AnalysisFailed = 1, // the analysis was refused or failed
    WrongUsage = 2,     // an unknown option or extension, an argument missing or out of range
    FileFailed = 3,     // a file could not be read or written, or a text output cannot hold a cell
};

} // namespace cli
