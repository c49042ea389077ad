// The file dialogs the user sees.
#pragma once

#include "FileChooser.h"

class DialogFileChooser : public FileChooser
{
  public:
    std::optional<Choice> choose(QWidget *parent, const Request &request) override;
};
