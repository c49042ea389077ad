// New, Open, Save and Save As of the sheet's own file, and the file named on the command line.
// A failed read or write changes nothing but the message it shows: the window's sheet, file name,
// caption and modified flag stay as they were.
#pragma once

#include "FileChooser.h"

#include <QObject>
#include <QString>

class TMainForm;

class SheetFileCommands : public QObject
{
    Q_OBJECT

  public:
    static const QString Filter;
    static const QString OpenFailed;
    static const QString SaveFailed;
    static QString savedMessage(const QString &path);

    // Connects New, Open, Save and Save As, and plugs the save and open steps into the window.
    SheetFileCommands(TMainForm &window, FileChooser &chooser);

    void FileNewExecute();
    void FileOpenExecute();
    // Saves only a modified sheet.
    void FileSave1Execute();
    bool FileSaveAsExecute();

    // Reads a sheet file into the window; false, with the error shown, when it cannot.
    bool openFile(const QString &path);
    // Writes to the current file, or asks for one when there is none; true when written.
    bool save();

  private:
    bool write(const QString &path);
    FileChooser::Request request(FileChooser::Purpose purpose) const;

    TMainForm &window_;
    FileChooser &chooser_;
    QString lastSaveFolder_;
    QString lastOpenFolder_;
};
