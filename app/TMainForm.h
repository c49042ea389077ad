// The main window: menus, tool bars, the sheet grid and the status line; the start of the
// program once the window shows, and the way out through the save-changes question. The file
// commands plug into it through the save and open steps and the actions.
#pragma once

#include "MainActions.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>

class Prompter;
class QLabel;
class QMenu;
class Sheet;
class SheetCommands;
class SheetInput;
class SheetModel;
class SheetView;
class TAboutBox;
class TpreMainFrm;

class TMainForm : public QMainWindow
{
    Q_OBJECT

  public:
    static const QString ProgramTitle;
    static const QString UntitledName;

    explicit TMainForm(Prompter &prompter, QWidget *parent = nullptr);
    ~TMainForm() override;

    // The dialogs the window opens itself, created after it.
    void attachDialogs(TAboutBox &aboutBox, TpreMainFrm &newSheetDialog);
    // The command-line arguments after the program name.
    void setStartArguments(const QStringList &arguments) { startArguments_ = arguments; }

    const MainActions &actions() const { return actions_; }
    Prompter &prompter() const { return prompter_; }
    SheetModel &sheetModel() const { return *model_; }
    SheetView &grid() const { return *Grid; }
    SheetCommands &commands() const { return *commands_; }
    QMenu *popupMenu() const { return PopupMenu1; }
    QString statusText() const;

    QString currentFileName() const { return currentFileName_; }
    void setCurrentFileName(const QString &path) { currentFileName_ = path; }
    // "<name> - Vistrel v1.0"; an untitled sheet shows UntitledName.
    void showCaptionFor(const QString &documentName);
    void enableAnalysis();

    // Writes the sheet; true when it was written. Until a writer is plugged in nothing can be
    // saved, so a Yes to the question stops the command that asked.
    void setSaveStep(std::function<bool()> save) { save_ = std::move(save); }
    // Opens the sheet file named on the command line.
    void setOpenStep(std::function<void(const QString &)> open) { open_ = std::move(open); }

    // The save-changes question: true when the caller may go on.
    bool askSaveChanges();
    // True when the sheet holds no unsaved changes or the question allows dropping them.
    bool canDiscardChanges();
    // Shows the new-sheet dialog with both boxes at "1"; its OK makes the sheet.
    void showNewSheetDialog();
    void updateStatusLine();

    TAboutBox *splash() const;

  signals:
    // The new-sheet dialog made a sheet (the options apply their decimal separator then).
    void newSheetMade();

  protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

  private:
    void FormCreate();
    void FormActivate();
    void FileExit1Execute();
    void AboutExecute();
    void connectEditingActions();

    Prompter &prompter_;
    MainActions actions_;
    SheetModel *model_;
    SheetView *Grid;
    std::unique_ptr<SheetCommands> commands_;
    SheetInput *input_;
    QMenu *PopupMenu1;
    QLabel *statusLine_;
    TAboutBox *aboutBox_ = nullptr;
    TpreMainFrm *newSheetDialog_ = nullptr;
    QPointer<TAboutBox> splash_;
    std::function<bool()> save_ = [] { return false; };
    std::function<void(const QString &)> open_ = [](const QString &) {};
    QStringList startArguments_;
    QString currentFileName_;
    bool shown_ = false;
    bool activated_ = false;
    bool exiting_ = false;
};
