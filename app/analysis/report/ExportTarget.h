// The file an export writes: a temporary file beside the destination, renamed over it only
// when the export has completed, so that a failed export leaves neither a partial file nor a
// damaged earlier one. Dropped without commit(), the temporary file is removed.
#pragma once

#include <QString>

class ExportTarget
{
  public:
    explicit ExportTarget(const QString &path); // throws ExportError when no file can be made there
    ~ExportTarget();
    ExportTarget(const ExportTarget &) = delete;
    ExportTarget &operator=(const ExportTarget &) = delete;

    const QString &temporaryPath() const { return temporary_; }
    void commit(); // throws ExportError when the rename fails

  private:
    QString path_;
    QString temporary_;
    bool committed_ = false;
};
