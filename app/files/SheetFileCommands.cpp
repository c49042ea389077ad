#include "SheetFileCommands.h"

#include "BusyCursor.h"
#include "Prompter.h"
#include "SheetCommands.h"
#include "SheetFiles.h"
#include "SheetModel.h"
#include "TMainForm.h"

#include <QAction>
#include <QFileInfo>

#include <exception>

const QString SheetFileCommands::Filter = QStringLiteral("Aρχείο Vistrel (*.vtl)|*.vtl");
const QString SheetFileCommands::OpenFailed = QStringLiteral("Σφάλμα κατά το άνοιγμα του αρχείου.");
const QString SheetFileCommands::SaveFailed =
    QStringLiteral("Σφάλμα κατά την αποθήκευση του αρχείου.");

QString SheetFileCommands::savedMessage(const QString &path)
{
    return QStringLiteral("Το αρχείο ") + path + QStringLiteral(" αποθηκεύτηκε με επιτυχία.");
}

SheetFileCommands::SheetFileCommands(TMainForm &window, FileChooser &chooser)
    : window_(window), chooser_(chooser)
{
    const MainActions &actions = window.actions();
    connect(actions.FileNew, &QAction::triggered, this, &SheetFileCommands::FileNewExecute);
    connect(actions.FileOpen, &QAction::triggered, this, &SheetFileCommands::FileOpenExecute);
    connect(actions.FileSave1, &QAction::triggered, this, &SheetFileCommands::FileSave1Execute);
    connect(actions.FileSaveAs, &QAction::triggered, this, &SheetFileCommands::FileSaveAsExecute);
    window.setSaveStep([this] { return save(); });
    window.setOpenStep([this](const QString &path) { openFile(path); });
}

FileChooser::Request SheetFileCommands::request(FileChooser::Purpose purpose) const
{
    const bool open = purpose == FileChooser::Purpose::Open;
    return {purpose, FileFilter(Filter), 1, QString(), open ? lastOpenFolder_ : lastSaveFolder_};
}

void SheetFileCommands::FileNewExecute()
{
    if (!window_.canDiscardChanges())
        return;
    window_.showNewSheetDialog();
    window_.setCurrentFileName(QString());
    window_.showCaptionFor(TMainForm::UntitledName);
    window_.updateStatusLine();
}

void SheetFileCommands::FileOpenExecute()
{
    if (!window_.canDiscardChanges())
        return;
    const auto choice = chooser_.choose(&window_, request(FileChooser::Purpose::Open));
    if (!choice)
        return;
    lastOpenFolder_ = QFileInfo(choice->path).absolutePath();
    openFile(choice->path);
}

bool SheetFileCommands::openFile(const QString &path)
{
    try {
        BusyCursor busy;
        Sheet sheet = sheetfiles::openNativeSheet(path);
        window_.commands().replaceSheet(std::move(sheet));
    } catch (const std::exception &) {
        window_.prompter().error(&window_, OpenFailed);
        return false;
    }
    window_.enableAnalysis();
    window_.setCurrentFileName(path);
    window_.showCaptionFor(path);
    window_.updateStatusLine();
    return true;
}

void SheetFileCommands::FileSave1Execute()
{
    if (window_.sheetModel().sheet().isModified())
        save();
}

bool SheetFileCommands::save()
{
    const QString path = window_.currentFileName();
    return path.isEmpty() ? FileSaveAsExecute() : write(path);
}

bool SheetFileCommands::FileSaveAsExecute()
{
    const auto choice = chooser_.choose(&window_, request(FileChooser::Purpose::Save));
    if (!choice)
        return false;
    lastSaveFolder_ = QFileInfo(choice->path).absolutePath();
    if (!write(choice->path))
        return false;
    window_.setCurrentFileName(choice->path);
    return true;
}

bool SheetFileCommands::write(const QString &path)
{
    try {
        BusyCursor busy;
        sheetfiles::saveNativeSheet(path, window_.sheetModel().sheet());
    } catch (const std::exception &) {
        window_.prompter().error(&window_, SaveFailed);
        return false;
    }
    window_.sheetModel().setModified(false);
    window_.showCaptionFor(path);
    window_.prompter().information(&window_, savedMessage(path));
    return true;
}
