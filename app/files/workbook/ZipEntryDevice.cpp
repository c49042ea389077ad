#include "ZipEntryDevice.h"

#include <array>

ZipEntryDevice::ZipEntryDevice(zip_file_t *entry, qint64 &budget) : entry_(entry), budget_(budget)
{
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

ZipEntryDevice::~ZipEntryDevice()
{
    zip_fclose(entry_);
}

bool ZipEntryDevice::readToEnd()
{
    std::array<char, 16384> chunk;
    while (!finished_ && !failed_)
        read(chunk.data(), static_cast<qint64>(chunk.size()));
    return !failed_;
}

qint64 ZipEntryDevice::readData(char *data, qint64 maxSize)
{
    if (finished_ || failed_)
        return -1;
    const zip_int64_t count = zip_fread(entry_, data, static_cast<zip_uint64_t>(maxSize));
    if (count < 0)
        return fail(QString::fromUtf8(zip_file_strerror(entry_)));
    if (count == 0) {
        finished_ = true;
        return -1;
    }
    budget_ -= count;
    if (budget_ < 0)
        return fail(QStringLiteral("it decompresses to far more data than the file's size allows "
                                   "for a workbook"));
    return count;
}

qint64 ZipEntryDevice::fail(const QString &why)
{
    failed_ = true;
    setErrorString(why);
    return -1;
}
