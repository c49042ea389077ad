// The two kinds of call the command line makes, with no window, dialog, question, progress box
// or clipboard. Both need a QApplication (the offscreen platform will do) and throw
// CommandFailure when they cannot finish; then no output has been changed.
#pragma once

namespace cli
{

struct CommandLine;

// Reads the sheet, runs the analysis and writes the report and plots asked for.
void runBatch(const CommandLine &line);

// Reads the sheet in one format and writes it in another.
void runConversion(const CommandLine &line);

} // namespace cli
