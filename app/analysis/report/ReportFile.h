// The prepared report in a file of its own (*.vrp), edits included, so that an edited report can
// be reopened in the preview exactly as it was saved.
#pragma once

#include "PreparedReport.h"

#include <stdexcept>

// A report that could not be saved or read; message() is for the user.
class ReportFileError : public std::runtime_error
{
  public:
    explicit ReportFileError(const QString &message)
        : std::runtime_error(message.toStdString()), message_(message)
    {
    }
    const QString &message() const { return message_; }

  private:
    QString message_;
};

namespace reportfile
{

inline const QString suffix = QStringLiteral("vrp");

// Both throw ReportFileError; a failed save leaves any earlier file at the path untouched.
void save(const PreparedReport &report, const QString &path);
PreparedReport open(const QString &path);

} // namespace reportfile
