// Writes a grid of texts as an .xlsx workbook whose one worksheet, "output", holds the grid from
// A1 in a font of size 9, every column as wide as its longest text. A text that is a plain
// number with the given decimal separator is written as that number, every other one as text
// (and so is a number that needs all 17 significant digits of a double, which the library would
// round).
#pragma once

#include <QChar>
#include <QString>
#include <QTemporaryDir>

#include <vector>

#include <xlsxwriter.h>

class WorkbookWriter
{
  public:
    // A grid of rowCount x columnCount cells. Throws SheetFileError when a worksheet cannot
    // hold that many, or when no workbook can be started.
    WorkbookWriter(int rowCount, int columnCount, QChar decimal);
    ~WorkbookWriter();
    WorkbookWriter(const WorkbookWriter &) = delete;
    WorkbookWriter &operator=(const WorkbookWriter &) = delete;

    // Cells go in row by row, left to right, each row written once; empty cells may be left
    // out. Throws SheetFileError when the cell is outside the grid or cannot be written.
    void writeCell(int column, int row, const QString &text);

    // Finishes the workbook and puts it at `path`, replacing any file there. Throws
    // SheetFileError; then nothing new is left at `path` and a file that was there is kept.
    void save(const QString &path);

  private:
    void check(lxw_error error, int column, int row) const;
    void fitColumns();

    QChar decimal_;
    int rowCount_;
    QTemporaryDir scratch_;
    lxw_workbook *workbook_ = nullptr;
    lxw_worksheet *worksheet_ = nullptr;
    lxw_format *format_ = nullptr;
    std::vector<qsizetype> longest_; // the longest text of each column
};
