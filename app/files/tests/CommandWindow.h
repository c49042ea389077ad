// The real main window with the file commands plugged in, a scripted prompter and file chooser,
// and a temporary folder for the files it reads and writes.
#pragma once

#include "ScriptedFileChooser.h"
#include "ScriptedPrompter.h"
#include "SheetGrid.h"
#include "SheetModel.h"
#include "TAboutBox.h"
#include "TMainForm.h"
#include "TpreMainFrm.h"
#include "files/InterchangeCommands.h"
#include "files/SheetFileCommands.h"
#include "shells/TOptionsFrm.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

class CommandWindow : public ::testing::Test
{
  protected:
    CommandWindow() { window.attachDialogs(aboutBox, newSheetDialog); }

    QString path(const QString &name) const { return folder.filePath(name); }

    void writeFile(const QString &name, const QByteArray &bytes) const
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray readFile(const QString &name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    const Sheet &sheet() const { return window.sheetModel().sheet(); }
    Grid grid() const { return gridOf(sheet()); }

    // Everything a failed or cancelled command must leave as it was.
    struct State {
        Grid grid;
        QString fileName;
        QString caption;
        bool modified;
        friend bool operator==(const State &, const State &) = default;
    };
    State state() const
    {
        return {grid(), window.currentFileName(), window.windowTitle(), sheet().isModified()};
    }

    // A modified sheet loaded from a.vtl, so that every later step has something to lose.
    void openModifiedSheet()
    {
        writeFile("a.vtl", "2\r\n2\r\nx\r\nC\r\na\r\nb\r\n1,5\r\n1\r\n2,5\r\n1\r\n");
        ASSERT_TRUE(files.openFile(path("a.vtl")));
        window.sheetModel().setModified(true);
        prompter.forget();
    }

    static FileChooser::Choice chosen(const QString &path, int entry = 1) { return {path, entry}; }

    QTemporaryDir folder;
    ScriptedPrompter prompter;
    ScriptedFileChooser chooser;
    TMainForm window{prompter};
    TAboutBox aboutBox;
    TpreMainFrm newSheetDialog{prompter};
    TOptionsFrm options;
    SheetFileCommands files{window, chooser};
    InterchangeCommands interchange{window, options, chooser};
};
