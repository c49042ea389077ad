#include "CommandLineEntry.h"

#include "CommandFailure.h"
#include "CommandLine.h"
#include "CommandRuns.h"
#include "HelpText.h"

#include <QApplication>

#include <cstdio>
#include <new>

namespace cli
{

namespace
{

const char *const OptionPrefix = "--";

// Qt's own notes (no runtime folder, fonts substituted, ...) would break the rule that a call
// that succeeds prints nothing; only its serious errors get through.
void quietMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", message.toUtf8().constData());
}

void print(std::FILE *stream, QString text)
{
    if (text.isEmpty())
        return;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (!text.endsWith(u'\n'))
        text += u'\n';
    const QByteArray utf8 = text.toUtf8();
    std::fwrite(utf8.constData(), 1, static_cast<std::size_t>(utf8.size()), stream);
    std::fflush(stream);
}

void run(const CommandLine &line, CommandResult &result)
{
    switch (line.mode) {
    case CommandLine::Mode::Help:
        result.output = helpText();
        return;
    case CommandLine::Mode::Version:
        result.output = versionText();
        return;
    case CommandLine::Mode::Batch:
        return runBatch(line);
    case CommandLine::Mode::Convert:
        return runConversion(line);
    }
}

} // namespace

bool isCommandLine(int argc, char *argv[])
{
    return argc > 1 && QByteArray(argv[1]).startsWith(OptionPrefix);
}

CommandResult runCommand(const QStringList &arguments)
{
    CommandResult result;
    try {
        run(parseCommandLine(arguments), result);
    } catch (const CommandFailure &failure) {
        result.code = failure.code();
        result.error = failure.message();
    } catch (const std::bad_alloc &) {
        result.code = ExitCode::AnalysisFailed;
        result.error = QStringLiteral("vistrel: out of memory");
    } catch (const std::exception &error) {
        result.code = ExitCode::AnalysisFailed;
        result.error = QStringLiteral("vistrel: ") + QString::fromUtf8(error.what());
    }
    return result;
}

int runCommandLine(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    // Chosen before the application exists, whatever the environment says: a batch run never
    // needs a display, and must work where there is none.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietMessages);
    // Qt is given no arguments of ours to interpret as its own.
    int applicationArgc = 1;
    char *applicationArgv[] = {argv[0], nullptr};
    QApplication application(applicationArgc, applicationArgv);
    QApplication::setApplicationName(QStringLiteral("Vistrel"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));

    const CommandResult result = runCommand(arguments);
    print(stdout, result.output);
    print(stderr, result.error);
    return static_cast<int>(result.code);
}

} // namespace cli
