// One entry of a zip archive, decompressed as it is read. Every byte counts against a budget the
// archive shares among its entries; passing it, or a damaged entry, is a read error whose text
// says which.
#pragma once

#include <QIODevice>
#include <QString>

#include <zip.h>

class ZipEntryDevice : public QIODevice
{
  public:
    // Takes ownership of the open entry; `budget` must outlive the device.
    ZipEntryDevice(zip_file_t *entry, qint64 &budget);
    ~ZipEntryDevice() override;

    bool isSequential() const override { return true; }
    bool atEnd() const override { return finished_; }
    bool failed() const { return failed_; }

    // Reads to the end of the entry, so that the archive's checksum of it is verified.
    // Returns false when that fails.
    bool readToEnd();

  protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *, qint64) override { return -1; }

  private:
    qint64 fail(const QString &why);

    zip_file_t *entry_;
    qint64 &budget_;
    bool finished_ = false;
    bool failed_ = false;
};
