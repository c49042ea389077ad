#include "CommandLine.h"

#include "CommandFailure.h"
#include "OutputPaths.h"
#include "files/NumberText.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <functional>
#include <vector>

namespace cli
{

namespace
{

const QString EndOfOptions = QStringLiteral("--");
constexpr int SmallestPlotSide = 16;
constexpr int LargestPlotSide = 10000;

enum class Applies { Both, BatchOnly, ConvertOnly };

struct Option {
    QString name;
    Applies applies;
    // Empty for a flag, which takes no value.
    std::function<void(CommandLine &, const QString &value)> take;
    std::function<void(CommandLine &)> set;
};

int numberFrom1(const QString &option, const QString &value)
{
    const std::optional<int> number = numbertext::parseInteger(value);
    if (!number || *number < 1)
        usageError(QStringLiteral("%1 needs a whole number from 1, not '%2'").arg(option, value));
    return *number;
}

QChar decimalChoice(const QString &value)
{
    if (value == u"." || value == u",")
        return value.front();
    usageError(QStringLiteral("--decimal is '.' or ',', not '%1'").arg(value));
}

// The four delimiters of the options dialog, by name or as the character itself.
QChar delimiterChoice(const QString &option, const QString &value)
{
    const QString name = value.toLower();
    if (name == u"tab" || value == u"\t")
        return u'\t';
    if (name == u"space" || value == u" ")
        return u' ';
    if (value == u";" || value == u",")
        return value.front();
    usageError(QStringLiteral("%1 is tab, ';', ',' or space, not '%2'").arg(option, value));
}

QSize plotSizeFrom(const QString &value)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,6})[xX](\\d{1,6})$"));
    const QRegularExpressionMatch match = pattern.match(value);
    const auto side = [&match](int index) { return match.captured(index).toInt(); };
    const auto fits = [](int length) {
        return length >= SmallestPlotSide && length <= LargestPlotSide;
    };
    if (!match.hasMatch() || !fits(side(1)) || !fits(side(2)))
        usageError(QStringLiteral("--plot-size is WIDTHxHEIGHT in pixels, each from %1 to %2, "
                                  "not '%3'")
                       .arg(SmallestPlotSide)
                       .arg(LargestPlotSide)
                       .arg(value));
    return {side(1), side(2)};
}

PlotOutput plotOutput(const QString &option, const QString &path)
{
    const std::optional<plots::ChartFileFormat> format = plots::chartFileFormatFor(path);
    if (!format)
        usageError(QStringLiteral("%1 writes .png, .pdf or .svg, not '%2'").arg(option, path));
    return {path, *format};
}

const std::vector<Option> &options()
{
    static const std::vector<Option> all = {
        {QStringLiteral("--x"),
         Applies::BatchOnly,
         [](CommandLine &line, const QString &v) { line.horizontalAxis = numberFrom1("--x", v); },
         {}},
        {QStringLiteral("--y"),
         Applies::BatchOnly,
         [](CommandLine &line, const QString &v) { line.verticalAxis = numberFrom1("--y", v); },
         {}},
        {QStringLiteral("--decimal"),
         Applies::Both,
         [](CommandLine &line, const QString &v) { line.decimal = decimalChoice(v); },
         {}},
        {QStringLiteral("--delimiter"),
         Applies::Both,
         [](CommandLine &line, const QString &v) {
             line.delimiter = delimiterChoice("--delimiter", v);
         },
         {}},
        {QStringLiteral("--out-delimiter"),
         Applies::ConvertOnly,
         [](CommandLine &line, const QString &v) {
             line.outputDelimiter = delimiterChoice("--out-delimiter", v);
         },
         {}},
        {QStringLiteral("--sheet-index"),
         Applies::Both,
         [](CommandLine &line, const QString &v) {
             line.sheetIndex = numberFrom1("--sheet-index", v);
         },
         {}},
        {QStringLiteral("--sheet-name"),
         Applies::Both,
         [](CommandLine &line, const QString &v) { line.sheetName = v; },
         {}},
        {QStringLiteral("--text-frames"),
         Applies::BatchOnly,
         {},
         [](CommandLine &line) { line.framedText = true; }},
        {QStringLiteral("--plot-size"),
         Applies::BatchOnly,
         [](CommandLine &line, const QString &v) { line.plotSize = plotSizeFrom(v); },
         {}},
        {QStringLiteral("--report"),
         Applies::BatchOnly,
         [](CommandLine &line, const QString &v) { line.report = v; },
         {}},
        {QStringLiteral("--distance-plot"),
         Applies::BatchOnly,
         [](CommandLine &line, const QString &v) {
             line.distancePlot = plotOutput("--distance-plot", v);
         },
         {}},
        {QStringLiteral("--configuration-plot"),
         Applies::BatchOnly,
         [](CommandLine &line, const QString &v) {
             line.configurationPlot = plotOutput("--configuration-plot", v);
         },
         {}},
    };
    return all;
}

const Option *findOption(const QString &name)
{
    const auto &all = options();
    const auto found =
        std::find_if(all.begin(), all.end(), [&name](const Option &o) { return o.name == name; });
    return found == all.end() ? nullptr : &*found;
}

class Parser
{
  public:
    explicit Parser(const QStringList &arguments) : arguments_(arguments) {}

    CommandLine parse()
    {
        if (asks(QStringLiteral("--help")))
            return modeOnly(CommandLine::Mode::Help);
        if (asks(QStringLiteral("--version")))
            return modeOnly(CommandLine::Mode::Version);
        for (next_ = 0; next_ < arguments_.size();)
            read(arguments_[next_++]);
        if (!mode_)
            usageError(QStringLiteral("give --batch, --convert, --help or --version"));
        line_.mode = *mode_;
        checkOptionsApply();
        if (line_.mode == CommandLine::Mode::Batch)
            finishBatch();
        else
            finishConversion();
        return line_;
    }

  private:
    // --help and --version answer whatever else the line holds, as long as they come before "--".
    bool asks(const QString &option) const
    {
        const qsizetype end = arguments_.indexOf(EndOfOptions);
        const QStringList options = end < 0 ? arguments_ : arguments_.first(end);
        return options.contains(option);
    }

    static CommandLine modeOnly(CommandLine::Mode mode)
    {
        CommandLine line;
        line.mode = mode;
        return line;
    }

    void read(const QString &argument)
    {
        if (argument == EndOfOptions) {
            while (next_ < arguments_.size())
                positionals_ << arguments_[next_++];
            return;
        }
        if (!argument.startsWith(EndOfOptions)) {
            positionals_ << argument;
            return;
        }
        const qsizetype equals = argument.indexOf(u'=');
        const QString name = equals < 0 ? argument : argument.first(equals);
        const std::optional<QString> attached =
            equals < 0 ? std::nullopt : std::optional(argument.sliced(equals + 1));
        if (name == u"--batch" || name == u"--convert")
            return takeMode(name, attached);
        const Option *option = findOption(name);
        if (!option)
            usageError(QStringLiteral("unknown option '%1'").arg(name));
        given_.push_back(option);
        if (option->set) {
            if (attached)
                usageError(QStringLiteral("%1 takes no value").arg(name));
            return option->set(line_);
        }
        option->take(line_, attached ? *attached : value(name));
    }

    QString value(const QString &name)
    {
        if (next_ >= arguments_.size())
            usageError(QStringLiteral("%1 needs a value").arg(name));
        return arguments_[next_++];
    }

    void takeMode(const QString &name, const std::optional<QString> &attached)
    {
        if (attached)
            usageError(QStringLiteral("%1 takes no value").arg(name));
        const auto mode =
            name == u"--batch" ? CommandLine::Mode::Batch : CommandLine::Mode::Convert;
        if (mode_ && *mode_ != mode)
            usageError(QStringLiteral("--batch and --convert cannot be combined"));
        mode_ = mode;
    }

    void checkOptionsApply() const
    {
        const bool batch = line_.mode == CommandLine::Mode::Batch;
        const Applies other = batch ? Applies::ConvertOnly : Applies::BatchOnly;
        for (const Option *option : given_)
            if (option->applies == other)
                usageError(QStringLiteral("%1 is an option of %2 only")
                               .arg(option->name, batch ? "--convert" : "--batch"));
        if (line_.sheetIndex && line_.sheetName)
            usageError(QStringLiteral("give --sheet-index or --sheet-name, not both"));
    }

    void takeInput()
    {
        line_.input = positionals_.front();
        const std::optional<SheetFileKind> kind = sheetFileKindFor(line_.input);
        if (!kind)
            usageError(QStringLiteral("'%1' is not a sheet file: .vtl, .txt, .csv, .xlsx or .xls")
                           .arg(line_.input));
        line_.inputKind = *kind;
    }

    void checkPositionals(qsizetype wanted, const QString &what) const
    {
        if (positionals_.size() < wanted)
            usageError(QStringLiteral("%1 needs %2").arg(modeName(), what));
        if (positionals_.size() > wanted)
            usageError(QStringLiteral("%1 takes %2; '%3' is one too many")
                           .arg(modeName(), what, positionals_[wanted]));
    }

    QString modeName() const
    {
        return line_.mode == CommandLine::Mode::Batch ? QStringLiteral("--batch")
                                                      : QStringLiteral("--convert");
    }

    void finishBatch()
    {
        checkPositionals(1, QStringLiteral("one sheet file"));
        takeInput();
        if (line_.report)
            takeReportFormat(*line_.report);
        const QStringList outputs = batchOutputs(line_);
        if (outputs.isEmpty())
            usageError(
                QStringLiteral("--batch needs --report, --distance-plot or --configuration-plot"));
        checkDistinct(outputs);
        // A report or a plot written over the data it came from would destroy the data.
        for (const QString &output : outputs)
            if (outputpaths::sameFile(output, line_.input))
                usageError(
                    QStringLiteral("'%1' is the input sheet; it cannot be an output").arg(output));
    }

    void takeReportFormat(const QString &path)
    {
        const QString suffix = QFileInfo(path).suffix().toLower();
        // "framed" names the formatted text on its own; as an extension it is no format.
        const std::optional<ExportFormat> format =
            suffix == u"framed" ? std::nullopt : exportFormatFromName(suffix);
        if (!format)
            usageError(QStringLiteral("--report writes .pdf, .html, .csv, .txt, .rtf, .odt, .ods "
                                      "or .xlsx, not '%1'")
                           .arg(path));
        line_.reportFormat = *format == ExportFormat::PlainText && line_.framedText
                                 ? ExportFormat::FramedText
                                 : *format;
    }

    static void checkDistinct(const QStringList &outputs)
    {
        for (qsizetype i = 0; i < outputs.size(); ++i)
            for (qsizetype j = i + 1; j < outputs.size(); ++j)
                if (outputpaths::sameFile(outputs[i], outputs[j]))
                    usageError(QStringLiteral("'%1' is named for two outputs").arg(outputs[j]));
    }

    void finishConversion()
    {
        checkPositionals(2, QStringLiteral("an input and an output file"));
        takeInput();
        line_.output = positionals_[1];
        const std::optional<SheetFileKind> kind = sheetFileKindFor(line_.output);
        if (!kind || !canWrite(*kind))
            usageError(QStringLiteral("--convert writes .vtl, .txt, .csv or .xlsx, not '%1'")
                           .arg(line_.output));
        line_.outputKind = *kind;
    }

    const QStringList &arguments_;
    qsizetype next_ = 0;
    CommandLine line_;
    std::optional<CommandLine::Mode> mode_;
    QStringList positionals_;
    std::vector<const Option *> given_;
};

} // namespace

QStringList batchOutputs(const CommandLine &line)
{
    QStringList outputs;
    if (line.report)
        outputs << *line.report;
    if (line.distancePlot)
        outputs << line.distancePlot->path;
    if (line.configurationPlot)
        outputs << line.configurationPlot->path;
    return outputs;
}

CommandLine parseCommandLine(const QStringList &arguments)
{
    return Parser(arguments).parse();
}

} // namespace cli
