#include "FileCommands.h"

#include "Forms.h"

FileCommands::FileCommands(Forms &forms)
    : sheetFiles_(forms.MainForm(), chooser_),
      interchange_(forms.MainForm(), forms.OptionsFrm(), chooser_)
{
}
