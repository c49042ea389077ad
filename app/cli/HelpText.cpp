#include "HelpText.h"

#include "TMainForm.h"

namespace cli
{

QString helpText()
{
    return QStringLiteral(
        "Usage:\n"
        "  vistrel [SHEET.vtl]                  open the program's window (further arguments "
        "ignored)\n"
        "  vistrel --batch SHEET [options] [--report OUT] [--distance-plot OUT] "
        "[--configuration-plot OUT]\n"
        "                                       analyse SHEET and write the results, with no "
        "window\n"
        "  vistrel --convert IN OUT [options]   convert a sheet to another format, with no "
        "window\n"
        "  vistrel --help | --version\n"
        "\n"
        "Sheets: .vtl, delimited text (.txt, .csv), .xlsx and .xls workbooks (.xls read only);\n"
        "extensions in any letter case. Outputs are overwritten without asking, and only once\n"
        "every output of the call has been written.\n"
        "\n"
        "Outputs of --batch (at least one):\n"
        "  --report OUT                         the report: .pdf .html .csv .txt .rtf .odt .ods "
        ".xlsx\n"
        "  --distance-plot OUT                  the distance plot: .png .pdf .svg\n"
        "  --configuration-plot OUT             the configuration plot: .png .pdf .svg\n"
        "\n"
        "Options:\n"
        "  --x N, --y N                         the plot's two variables (default 1 and 2)\n"
        "  --decimal . | ,                      decimal separator (default: the system "
        "locale's)\n"
        "  --delimiter tab|';'|','|space        delimiter of a text input (default tab)\n"
        "  --out-delimiter tab|';'|','|space    delimiter of a text output (default tab)\n"
        "  --sheet-index N                      worksheet N (from 1) of a workbook input "
        "(default 1)\n"
        "  --sheet-name NAME                    the worksheet of a workbook input by name\n"
        "  --text-frames                        a .txt report as formatted text (default "
        "simple)\n"
        "  --plot-size WxH                      plot size in pixels (default 800x600; PNG at 96 "
        "dpi)\n"
        "  --                                   end of options: what follows are file names\n"
        "An option's value may also follow it after '=', as in --x=3.\n"
        "\n"
        "Numbers in the sheet are read, and the results written, with the decimal separator of\n"
        "the system locale unless --decimal is given, as in the program's window; scripts\n"
        "should pass --decimal so that they work the same under every locale.\n"
        "\n"
        "On success nothing is printed. On failure the message goes to standard error and the\n"
        "exit code says what failed:\n"
        "  1  the analysis was refused or failed\n"
        "  2  wrong usage: an unknown option or extension, a missing argument, --x or --y\n"
        "     outside the sheet's variables, a worksheet the workbook does not hold\n"
        "  3  a file could not be read or written, or a text output would need a cell that\n"
        "     holds its delimiter or a line break\n");
}

QString versionText()
{
    return TMainForm::ProgramTitle + u'\n';
}

} // namespace cli
