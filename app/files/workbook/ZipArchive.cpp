#include "ZipArchive.h"

#include "files/SheetFileError.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace
{

// Worksheet XML compresses about tenfold, highly repetitive sheets a few times more; a hundred
// times the file's size, with a floor for small files, leaves every real workbook room.
constexpr qint64 BudgetPerFileByte = 100;
constexpr qint64 BudgetFloor = qint64(16) << 20;
constexpr qint64 BudgetCeiling = qint64(2) << 30;

qint64 budgetFor(const QString &path)
{
    return std::min(BudgetCeiling, BudgetFloor + BudgetPerFileByte * QFileInfo(path).size());
}

std::string zipErrorText(int code)
{
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    std::string text = zip_error_strerror(&error);
    zip_error_fini(&error);
    return text;
}

} // namespace

ZipArchive::ZipArchive(const QString &path) : budget_(budgetFor(path))
{
    int code = 0;
    archive_ = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
    if (archive_ == nullptr)
        throw SheetFileError(path.toStdString() +
                             " is not a readable workbook archive: " + zipErrorText(code));
}

ZipArchive::~ZipArchive()
{
    zip_discard(archive_);
}

zip_int64_t ZipArchive::locate(const QString &entry) const
{
    // Part names in these packages are case-insensitive.
    return zip_name_locate(archive_, entry.toUtf8().constData(), ZIP_FL_NOCASE | ZIP_FL_ENC_UTF_8);
}

bool ZipArchive::contains(const QString &entry) const
{
    return locate(entry) >= 0;
}

std::unique_ptr<ZipEntryDevice> ZipArchive::open(const QString &entry)
{
    const std::string name = entry.toStdString();
    const zip_int64_t index = locate(entry);
    if (index < 0)
        throw SheetFileError("the workbook has no part " + name);
    zip_stat_t stat;
    if (zip_stat_index(archive_, static_cast<zip_uint64_t>(index), 0, &stat) != 0)
        throw SheetFileError("the workbook's part " + name + " cannot be read");
    if ((stat.valid & ZIP_STAT_SIZE) && stat.size > static_cast<zip_uint64_t>(budget_))
        throw SheetFileError("the workbook's part " + name +
                             " decompresses to far more data than the file's size allows for a "
                             "workbook");
    zip_file_t *file = zip_fopen_index(archive_, static_cast<zip_uint64_t>(index), 0);
    if (file == nullptr)
        throw SheetFileError("the workbook's part " + name +
                             " cannot be read: " + zip_strerror(archive_));
    return std::make_unique<ZipEntryDevice>(file, budget_);
}
