#include "WorkbookCommands.h"

#include "BusyCursor.h"
#include "Prompter.h"
#include "files/GridClipboard.h"
#include "files/InterchangeCommands.h"
#include "files/NumberText.h"
#include "shells/TXLSFrm.h"

#include <exception>

namespace workbookcommands
{

const QString ImportFailed = QStringLiteral("Σφάλμα κατά την εισαγωγή δεδομένων από αρχείο Excel.");
const QString ExportFailed = QStringLiteral("Σφάλμα κατά την εξαγωγή δεδομένων σε αρχείο Excel.");
const QString ChooserHelp = QStringLiteral(
    "Επιλέξτε το φύλλο εργασίας με τα δεδομένα. Η πρώτη γραμμή του δίνει τα ονόματα των στηλών, "
    "η πρώτη στήλη τα ονόματα των γραμμών και η τελευταία στήλη τους αριθμούς των πινάκων.");

QString exportedMessage(const QString &path)
{
    return QStringLiteral("Η εξαγωγή των δεδομένων στο αρχείο ") + path +
           QStringLiteral(" έγινε με επιτυχία.");
}

namespace
{

// The busy pointer while the file is read, but not over the chooser.
std::optional<Sheet> readWorkbook(const QString &path,
                                  const workbookfiles::WorksheetChooser &choose)
{
    std::optional<BusyCursor> busy(std::in_place);
    return workbookfiles::importWorkbook(
        path,
        [&busy, &choose](const QStringList &names) {
            busy.reset();
            const std::optional<int> chosen = choose(names);
            busy.emplace();
            return chosen;
        },
        numbertext::decimalSeparator());
}

std::optional<Sheet> importWorkbook(QWidget &window, Prompter &prompter,
                                    const workbookfiles::WorksheetChooser &choose,
                                    const QString &path)
{
    std::optional<Sheet> sheet;
    try {
        sheet = readWorkbook(path, choose);
    } catch (const std::exception &) {
        prompter.error(&window, ImportFailed);
        return std::nullopt;
    }
    if (sheet)
        prompter.information(&window, InterchangeCommands::importedMessage(path));
    return sheet;
}

// The tab-delimited grid stays on the clipboard whatever becomes of the file.
bool exportWorkbook(QWidget &window, Prompter &prompter, const QString &path, const Sheet &sheet)
{
    copyGridToClipboard(sheet, u'\t');
    try {
        BusyCursor busy;
        workbookfiles::exportWorkbook(path, sheet, numbertext::decimalSeparator());
    } catch (const std::exception &) {
        prompter.error(&window, ExportFailed);
        return false;
    }
    prompter.information(&window, exportedMessage(path));
    return true;
}

} // namespace

WorkbookInterchange interchange(QWidget &window, Prompter &prompter,
                                workbookfiles::WorksheetChooser choose)
{
    WorkbookInterchange hook;
    hook.importWorkbook = [&window, &prompter, choose = std::move(choose)](const QString &path) {
        return importWorkbook(window, prompter, choose, path);
    };
    hook.exportWorkbook = [&window, &prompter](const QString &path, const Sheet &sheet) {
        return exportWorkbook(window, prompter, path, sheet);
    };
    return hook;
}

WorkbookInterchange interchange(QWidget &window, Prompter &prompter, TXLSFrm &chooser)
{
    QObject::connect(&chooser, &TXLSFrm::helpRequested, &chooser,
                     [&chooser, &prompter] { prompter.information(&chooser, ChooserHelp); });
    return interchange(window, prompter,
                       [&chooser](const QStringList &names) { return chooser.choose(names); });
}

} // namespace workbookcommands
