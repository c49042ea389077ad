// The main window's actions, named as the handlers that later connect to them expect. Each has
// its caption, shortcut, hint (tool tip | status tip) and icon.
#pragma once

class QAction;
class QWidget;

struct MainActions {
    explicit MainActions(QWidget *owner);

    QAction *FileNew;
    QAction *FileOpen;
    QAction *ImportXLSData;
    QAction *ExportXLSData;
    QAction *FileSaveAs;
    QAction *FileSave1;
    QAction *Options;
    QAction *FileExit1;

    QAction *InsertVariable;
    QAction *InsertCase;
    QAction *DeleteVariable;
    QAction *DeleteCase;
    QAction *Cut2;
    QAction *Copy;
    QAction *Paste;
    QAction *SelectAll;
    QAction *Del;
    QAction *AutoFormat;

    QAction *AFC;
    QAction *About;
};
