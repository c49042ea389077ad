#include "InterchangeCommands.h"

#include "BusyCursor.h"
#include "GridClipboard.h"
#include "InterchangeFilters.h"
#include "NumberText.h"
#include "Prompter.h"
#include "SheetCommands.h"
#include "SheetFiles.h"
#include "SheetModel.h"
#include "TMainForm.h"
#include "TextFile.h"
#include "shells/TOptionsFrm.h"

#include <QAction>

#include <exception>

const QString InterchangeCommands::ImportFailed =
    QStringLiteral("Σφάλμα κατά την εισαγωγή δεδομένων από αρχείο κειμένου.");
const QString InterchangeCommands::ExportFailed =
    QStringLiteral("Σφάλμα κατά την εξαγωγή δεδομένων σε αρχείο κειμένου.");
const QString InterchangeCommands::ExportFileName = QStringLiteral("mydata");
const QString InterchangeCommands::OptionsHelp = QStringLiteral(
    "Ο οριοθέτης δεκαδικών ισχύει σε κάθε μετατροπή κειμένου σε αριθμό και αριθμού σε κείμενο. "
    "Ο οριοθέτης δεδομένων χωρίζει τα κελιά στην εισαγωγή και στην εξαγωγή αρχείων κειμένου.");

QString InterchangeCommands::importedMessage(const QString &path)
{
    return QStringLiteral("Η εισαγωγή δεδομένων από το αρχείο ") + path +
           QStringLiteral(" έγινε με επιτυχία.");
}

QString InterchangeCommands::exportedMessage(const QString &path)
{
    return QStringLiteral("Τα δεδομένα αποθηκεύτηκαν στο αρχείο ") + path +
           QStringLiteral(" με επιτυχία.");
}

InterchangeCommands::InterchangeCommands(TMainForm &window, TOptionsFrm &options,
                                         FileChooser &chooser)
    : window_(window), options_(options), chooser_(chooser)
{
    const MainActions &actions = window.actions();
    connect(actions.Options, &QAction::triggered, this, &InterchangeCommands::OptionsExecute);
    connect(actions.ImportXLSData, &QAction::triggered, this,
            &InterchangeCommands::ImportXLSDataExecute);
    connect(actions.ExportXLSData, &QAction::triggered, this,
            &InterchangeCommands::ExportXLSDataExecute);
    connect(&window, &TMainForm::newSheetMade, &options, &TOptionsFrm::InitOptions);
    connect(&options, &TOptionsFrm::decimalSeparatorApplied, this,
            &numbertext::setDecimalSeparator);
    connect(&options, &TOptionsFrm::helpRequested, this,
            [this] { window_.prompter().information(&options_, OptionsHelp); });
}

void InterchangeCommands::OptionsExecute()
{
    options_.exec();
}

void InterchangeCommands::ImportXLSDataExecute()
{
    const FileFilter filter(
        interchangefilters::importFilter(workbook_.importFilterEntry, options_.delimiterIndex()));
    if (!window_.canDiscardChanges())
        return;
    const auto choice =
        chooser_.choose(&window_, {FileChooser::Purpose::Open, filter, 1, QString(), QString()});
    if (!choice)
        return;
    if (choice->entry == 1)
        importWorkbook(choice->path);
    else
        importText(choice->path);
}

void InterchangeCommands::importWorkbook(const QString &path)
{
    if (!workbook_.importWorkbook)
        return;
    std::optional<Sheet> sheet = workbook_.importWorkbook(path);
    if (!sheet)
        return;
    sheet->setModified(true);
    window_.commands().replaceSheet(std::move(*sheet));
    showImported(path);
}

bool InterchangeCommands::importText(const QString &path)
{
    try {
        BusyCursor busy;
        Sheet sheet = sheetfiles::importDelimitedText(path, options_.delimiter());
        // The text import leaves the modified flag as it was.
        sheet.setModified(window_.sheetModel().sheet().isModified());
        window_.commands().replaceSheet(std::move(sheet));
    } catch (const std::exception &) {
        window_.prompter().error(&window_, ImportFailed);
        return false;
    }
    showImported(path);
    window_.prompter().information(&window_, importedMessage(path));
    return true;
}

// An import keeps the current file name: Save still writes the sheet file that was current.
void InterchangeCommands::showImported(const QString &path)
{
    window_.enableAnalysis();
    window_.showCaptionFor(path);
    window_.updateStatusLine();
}

void InterchangeCommands::ExportXLSDataExecute()
{
    const FileFilter filter(
        interchangefilters::exportFilter(workbook_.exportFilterEntry, options_.delimiterIndex()));
    const auto choice = chooser_.choose(&window_, {FileChooser::Purpose::Save, filter,
                                                   lastExportEntry_, ExportFileName, QString()});
    if (!choice)
        return;
    lastExportEntry_ = choice->entry;
    if (choice->entry != 1) {
        exportText(choice->path);
        return;
    }
    if (workbook_.exportWorkbook)
        workbook_.exportWorkbook(choice->path, window_.sheetModel().sheet());
}

bool InterchangeCommands::exportText(const QString &path)
{
    try {
        BusyCursor busy;
        const QString text =
            copyGridToClipboard(window_.sheetModel().sheet(), options_.delimiter());
        textfile::write(path, text);
    } catch (const std::exception &) {
        window_.prompter().error(&window_, ExportFailed);
        return false;
    }
    window_.prompter().information(&window_, exportedMessage(path));
    return true;
}
