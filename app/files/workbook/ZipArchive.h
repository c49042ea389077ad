// A zip archive opened for reading. Everything read from it shares one budget of decompressed
// bytes, a generous multiple of the file's own size: an archive that would decompress to far
// more (a zip bomb) fails early instead of exhausting memory and time.
#pragma once

#include "ZipEntryDevice.h"

#include <QString>

#include <memory>

#include <zip.h>

class ZipArchive
{
  public:
    // Throws SheetFileError when the file is not a readable zip archive.
    explicit ZipArchive(const QString &path);
    ~ZipArchive();
    ZipArchive(const ZipArchive &) = delete;
    ZipArchive &operator=(const ZipArchive &) = delete;

    bool contains(const QString &entry) const;

    // The entry's bytes as a stream. Throws SheetFileError when the entry is missing, cannot be
    // opened or declares a size beyond the budget left.
    std::unique_ptr<ZipEntryDevice> open(const QString &entry);

  private:
    zip_int64_t locate(const QString &entry) const;

    zip_t *archive_ = nullptr;
    qint64 budget_ = 0;
};
