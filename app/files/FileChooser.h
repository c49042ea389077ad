// The file dialogs of the file commands, behind an interface so that the commands run in tests
// without a modal loop.
#pragma once

#include "FileFilter.h"

#include <QString>

#include <optional>

class QWidget;

class FileChooser
{
  public:
    enum class Purpose { Open, Save };

    struct Request {
        Purpose purpose = Purpose::Open;
        FileFilter filter{QString()};
        int selectedEntry = 1; // 1-based, as the commands count them
        QString fileName;      // preset name, may be empty
        QString folder;        // where the dialog opens; empty for the current folder
    };

    struct Choice {
        QString path;
        int entry = 1; // the filter entry chosen, 1-based
    };

    virtual ~FileChooser();

    // The chosen file, or nothing when the user cancelled. An open dialog accepts existing files
    // only; both accept existing folders only.
    virtual std::optional<Choice> choose(QWidget *parent, const Request &request) = 0;
};
