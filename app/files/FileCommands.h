// Everything the file work plugs into the program at start: the file dialogs, the commands of the
// sheet file and those of the interchange. Made once, right after the windows, and kept as long.
#pragma once

#include "DialogFileChooser.h"
#include "InterchangeCommands.h"
#include "SheetFileCommands.h"

class Forms;

class FileCommands
{
  public:
    explicit FileCommands(Forms &forms);

    SheetFileCommands &sheetFiles() { return sheetFiles_; }
    // Where the workbook interchange plugs in.
    InterchangeCommands &interchange() { return interchange_; }

  private:
    DialogFileChooser chooser_;
    SheetFileCommands sheetFiles_;
    InterchangeCommands interchange_;
};
