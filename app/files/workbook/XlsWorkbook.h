// An .xls workbook (the binary format of Excel 97 to 2003), read with FreeXL. The library loads
// the whole file when it opens it; the format's own limits (65536 rows by 256 columns) bound
// what that costs.
#pragma once

#include "WorkbookFile.h"

class XlsWorkbook : public WorkbookFile
{
  public:
    // Throws SheetFileError when the file cannot be read as an .xls workbook.
    explicit XlsWorkbook(const QString &path);
    ~XlsWorkbook() override;
    XlsWorkbook(const XlsWorkbook &) = delete;
    XlsWorkbook &operator=(const XlsWorkbook &) = delete;

    QStringList worksheetNames() const override { return names_; }
    WorksheetTexts readWorksheet(int index, QChar decimal) override;

  private:
    void readNames();

    const void *handle_ = nullptr;
    QStringList names_;
};
