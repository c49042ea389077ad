// An .xlsx workbook read straight from its archive: the workbook part for the worksheets' names
// and order, the shared strings, and one worksheet part at a time.
#pragma once

#include "WorkbookFile.h"
#include "XlsxRelationships.h"
#include "ZipArchive.h"

class XlsxWorkbook : public WorkbookFile
{
  public:
    // Reads the list of worksheets. Throws SheetFileError.
    explicit XlsxWorkbook(const QString &path);

    QStringList worksheetNames() const override { return names_; }
    WorksheetTexts readWorksheet(int index, QChar decimal) override;

  private:
    void readWorkbookPart();
    QStringList readSharedStrings();

    ZipArchive archive_;
    QString workbookPart_;
    XlsxRelationships relationships_; // of the workbook part
    QStringList names_;
    QStringList parts_; // the worksheet part of each name
};
