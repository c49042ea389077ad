// Writing the prepared report to a file in one of the formats the preview offers. Display-free:
// the preview and the command line both call exportReport.
#pragma once

#include <QString>

#include <functional>
#include <optional>
#include <stdexcept>
#include <vector>

class PreparedReport;

enum class ExportFormat { Pdf, Rtf, Odt, Ods, Xlsx, Html, Csv, PlainText, FramedText };

struct ExportFormatInfo {
    ExportFormat format;
    QString name;   // as the preview lists it
    QString suffix; // without the dot
};

const std::vector<ExportFormatInfo> &exportFormats();
const ExportFormatInfo &formatInfo(ExportFormat format);
// By suffix or by name used on the command line: pdf, rtf, odt, ods, xlsx, html, csv, txt and
// "framed" (formatted text).
std::optional<ExportFormat> exportFormatFromName(const QString &name);

// Told how much of the work is done; answers false to stop the export (which then fails).
using ExportProgress = std::function<bool(qint64 done, qint64 total)>;

// An export that did not complete; what() is the message the user sees.
class ExportError : public std::runtime_error
{
  public:
    explicit ExportError(const QString &path);
    const QString &message() const { return message_; }

  private:
    QString message_;
};

// Writes the report, edits included, to the path, replacing the file there only once the new one
// is complete. Throws ExportError, leaving no partial file, when it cannot.
void exportReport(const PreparedReport &report, ExportFormat format, const QString &path,
                  const ExportProgress &progress = {});
