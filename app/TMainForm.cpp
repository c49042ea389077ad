#include "TMainForm.h"

#include "BusyCursor.h"
#include "FileTypeRegistration.h"
#include "MainMenus.h"
#include "Prompter.h"
#include "SheetCommands.h"
#include "SheetInput.h"
#include "SheetModel.h"
#include "SheetView.h"
#include "StatusLine.h"
#include "TAboutBox.h"
#include "TpreMainFrm.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QStatusBar>

const QString TMainForm::ProgramTitle = QStringLiteral("Vistrel v1.0");
const QString TMainForm::UntitledName = QStringLiteral("Δίχως Όνομα");

namespace
{

const QString RegistrationFailed =
    QStringLiteral("Η καταχώριση του τύπου αρχείων .vtl απέτυχε. Δεν ήταν δυνατή η εγγραφή του ");

} // namespace

TMainForm::TMainForm(Prompter &prompter, QWidget *parent)
    : QMainWindow(parent), prompter_(prompter), actions_(this), model_(new SheetModel(this)),
      Grid(new SheetView(this)),
      commands_(std::make_unique<SheetCommands>(*Grid, *model_, prompter)),
      input_(new SheetInput(*Grid, *commands_, this)), PopupMenu1(buildPopupMenu(this, actions_)),
      statusLine_(new QLabel)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(ProgramTitle);
    resize(804, 559);
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());

    buildMainMenu(*this, actions_);
    buildToolBars(*this, actions_);
    Grid->setSheetModel(model_);
    setCentralWidget(Grid);
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->setFixedHeight(25);
    statusBar()->addWidget(statusLine_, 1);

    connectEditingActions();
    connect(actions_.FileExit1, &QAction::triggered, this, &TMainForm::FileExit1Execute);
    connect(actions_.About, &QAction::triggered, this, &TMainForm::AboutExecute);
    connect(input_, &SheetInput::contextMenuRequested, PopupMenu1,
            [this](const QPoint &at) { PopupMenu1->popup(at); });

    connect(Grid, &SheetView::cursorMoved, this, &TMainForm::updateStatusLine);
    connect(Grid, &SheetView::focusEntered, this, &TMainForm::updateStatusLine);
    for (auto resized : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved,
                         &QAbstractItemModel::columnsInserted, &QAbstractItemModel::columnsRemoved})
        connect(model_, resized, this, &TMainForm::updateStatusLine);
    connect(model_, &QAbstractItemModel::modelReset, this, &TMainForm::updateStatusLine);

    commands_->autoFormat();
    updateStatusLine();
    FormCreate();
}

TMainForm::~TMainForm()
{
    delete splash_.data();
}

void TMainForm::connectEditingActions()
{
    const std::pair<QAction *, void (SheetCommands::*)()> commands[] = {
        {actions_.InsertVariable, &SheetCommands::insertColumn},
        {actions_.InsertCase, &SheetCommands::insertObject},
        {actions_.DeleteVariable, &SheetCommands::deleteColumn},
        {actions_.DeleteCase, &SheetCommands::deleteObject},
        {actions_.Cut2, &SheetCommands::cut},
        {actions_.Copy, &SheetCommands::copy},
        {actions_.Paste, &SheetCommands::paste},
        {actions_.SelectAll, &SheetCommands::selectAll},
        {actions_.Del, &SheetCommands::clear},
        {actions_.AutoFormat, &SheetCommands::autoFormat},
    };
    for (const auto &[action, command] : commands) {
        connect(action, &QAction::triggered, this,
                [this, command = command] { (commands_.get()->*command)(); });
    }
}

// Registers the file type and shows the splash; a registration that fails is reported, and the
// program goes on without the splash.
void TMainForm::FormCreate()
{
    const QString unwritten =
        FileTypeRegistration().registerFor(QCoreApplication::applicationFilePath());
    currentFileName_.clear();
    model_->setModified(false);
    if (!unwritten.isEmpty()) {
        prompter_.error(this, RegistrationFailed + unwritten);
        return;
    }
    splash_ = new TAboutBox;
    splash_->setFixedSize(454, 269);
    splash_->MakeSplash();
}

TAboutBox *TMainForm::splash() const
{
    return splash_;
}

void TMainForm::attachDialogs(TAboutBox &aboutBox, TpreMainFrm &newSheetDialog)
{
    aboutBox_ = &aboutBox;
    newSheetDialog_ = &newSheetDialog;
}

QString TMainForm::statusText() const
{
    return statusLine_->text();
}

void TMainForm::updateStatusLine()
{
    const Sheet &sheet = model_->sheet();
    statusLine_->setText(statusLine(Grid->cursorRow(), Grid->cursorColumn(), sheet.objectCount(),
                                    sheet.columnCount()));
}

void TMainForm::showCaptionFor(const QString &documentName)
{
    setWindowTitle(documentName + QStringLiteral(" - ") + ProgramTitle);
}

void TMainForm::enableAnalysis()
{
    actions_.AFC->setEnabled(true);
}

bool TMainForm::askSaveChanges()
{
    const QString text = QStringLiteral("Το αρχείο ") + currentFileName_ +
                         QStringLiteral(" έχει τροποποιηθεί.\n\rΑποθήκευση αλλαγών;");
    switch (prompter_.question(this, text)) {
    case Prompter::Answer::Yes:
        return save_();
    case Prompter::Answer::No:
        return true;
    case Prompter::Answer::Cancel:
        break;
    }
    return false;
}

bool TMainForm::canDiscardChanges()
{
    return !model_->sheet().isModified() || askSaveChanges();
}

void TMainForm::showNewSheetDialog()
{
    newSheetDialog_->resetBoxes();
    if (newSheetDialog_->exec() != QDialog::Accepted)
        return;
    BusyCursor busy;
    enableAnalysis();
    commands_->newSheet(newSheetDialog_->objectCount(), newSheetDialog_->variableCount());
    emit newSheetMade();
}

void TMainForm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    showCaptionFor(UntitledName);
}

// The first activation opens the file named on the command line, or asks for a new sheet.
void TMainForm::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow() || activated_)
        return;
    activated_ = true;
    QMetaObject::invokeMethod(this, &TMainForm::FormActivate, Qt::QueuedConnection);
}

void TMainForm::FormActivate()
{
    if (!startArguments_.isEmpty())
        open_(startArguments_.first());
    else
        showNewSheetDialog();
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    if (exiting_ || canDiscardChanges())
        event->accept();
    else
        event->ignore();
}

void TMainForm::FileExit1Execute()
{
    if (!canDiscardChanges())
        return;
    exiting_ = true;
    close();
}

void TMainForm::AboutExecute()
{
    aboutBox_->exec();
}
