#include "DialogPrompter.h"
#include "Forms.h"
#include "TMainForm.h"
#include "WorkbookCommands.h"
#include "analysis/AnalysisCommands.h"
#include "analysis/ReportAndPlotWindows.h"
#include "analysis/plots/TOutPutFrm2.h"
#include "analysis/plots/TOutputFrm.h"
#include "cli/CommandLineEntry.h"
#include "files/FileCommands.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    // Batch analyses and conversions are decided before any window or display is needed.
    if (cli::isCommandLine(argc, argv))
        return cli::runCommandLine(argc, argv);

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vistrel"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    QGuiApplication::setDesktopFileName(QStringLiteral("vistrel"));
    // Icons come from the desktop's theme; Adwaita fills in where the theme has none.
    QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));

    DialogPrompter prompter;
    Forms forms(prompter, QApplication::arguments());
    FileCommands fileCommands(forms);
    fileCommands.interchange().setWorkbookInterchange(
        workbookcommands::interchange(forms.MainForm(), prompter, forms.XLSFrm()));
    analysis::ReportAndPlotWindows results(forms.OutputFrm(), forms.OutPutFrm2());
    analysis::AnalysisCommands analysisCommands(forms.MainForm(), forms.KestAFCfrm(), results);
    forms.MainForm().show();
    return QApplication::exec();
}
