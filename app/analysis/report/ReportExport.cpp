#include "ReportExport.h"

#include "ExportTarget.h"
#include "PreparedReport.h"
#include "ReportExporters.h"

#include <QSaveFile>

namespace
{

QString errorText(const QString &path)
{
    return QStringLiteral("Σφάλμα κατά την εξαγωγή της αναφοράς στο αρχείο ") + path +
           QStringLiteral(".");
}

// Formats streamed through a device go through QSaveFile, which renames into place on commit.
template <typename Write> void writeThroughDevice(const QString &path, Write write)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw ExportError(path);
    write(file);
    if (!file.commit())
        throw ExportError(path);
}

} // namespace

ExportError::ExportError(const QString &path)
    : std::runtime_error(errorText(path).toStdString()), message_(errorText(path))
{
}

const std::vector<ExportFormatInfo> &exportFormats()
{
    static const std::vector<ExportFormatInfo> formats = {
        {ExportFormat::Pdf, QStringLiteral("Αρχείο PDF"), QStringLiteral("pdf")},
        {ExportFormat::Rtf, QStringLiteral("Εμπλουτισμένο κείμενο (RTF)"), QStringLiteral("rtf")},
        {ExportFormat::Odt, QStringLiteral("Κείμενο OpenDocument"), QStringLiteral("odt")},
        {ExportFormat::Ods, QStringLiteral("Υπολογιστικό φύλλο OpenDocument"),
         QStringLiteral("ods")},
        {ExportFormat::Xlsx, QStringLiteral("Βιβλίο εργασίας Excel"), QStringLiteral("xlsx")},
        {ExportFormat::Html, QStringLiteral("Σελίδα HTML"), QStringLiteral("html")},
        {ExportFormat::Csv, QStringLiteral("Αρχείο CSV"), QStringLiteral("csv")},
        {ExportFormat::PlainText, QStringLiteral("Απλό κείμενο"), QStringLiteral("txt")},
        {ExportFormat::FramedText, QStringLiteral("Μορφοποιημένο κείμενο"), QStringLiteral("txt")},
    };
    return formats;
}

const ExportFormatInfo &formatInfo(ExportFormat format)
{
    for (const ExportFormatInfo &info : exportFormats())
        if (info.format == format)
            return info;
    return exportFormats().front();
}

std::optional<ExportFormat> exportFormatFromName(const QString &name)
{
    const QString wanted = name.trimmed().toLower();
    if (wanted == QStringLiteral("framed"))
        return ExportFormat::FramedText;
    for (const ExportFormatInfo &info : exportFormats())
        if (info.suffix == wanted)
            return info.format;
    return std::nullopt;
}

void exportReport(const PreparedReport &report, ExportFormat format, const QString &path,
                  const ExportProgress &progress)
{
    const qint64 work =
        format == ExportFormat::Pdf ? report.pageCount() : exporters::rowWork(report);
    exporters::Progress counter(progress, work, path);
    const auto throughTarget = [&](auto write) {
        ExportTarget target(path);
        write(report, target.temporaryPath(), counter);
        target.commit();
    };
    switch (format) {
    case ExportFormat::Pdf:
        return writeThroughDevice(
            path, [&](QIODevice &out) { exporters::writePdf(report, out, counter); });
    case ExportFormat::Rtf:
        return writeThroughDevice(
            path, [&](QIODevice &out) { exporters::writeRtf(report, out, counter); });
    case ExportFormat::Html:
        return writeThroughDevice(
            path, [&](QIODevice &out) { exporters::writeHtml(report, out, counter); });
    case ExportFormat::Csv:
        return writeThroughDevice(
            path, [&](QIODevice &out) { exporters::writeCsv(report, out, counter); });
    case ExportFormat::PlainText:
    case ExportFormat::FramedText:
        return writeThroughDevice(path, [&](QIODevice &out) {
            exporters::writeText(report, out, format == ExportFormat::FramedText, counter);
        });
    case ExportFormat::Odt:
        return throughTarget(exporters::writeOdt);
    case ExportFormat::Ods:
        return throughTarget(exporters::writeOds);
    case ExportFormat::Xlsx:
        return throughTarget(exporters::writeXlsx);
    }
}
