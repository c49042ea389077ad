// Writes a zip container (OpenDocument files) with libzip. Entries are read from memory or from
// files when close() writes the archive; close() reports failure by returning false.
#pragma once

#include <QByteArray>
#include <QString>

#include <list>

struct zip;

class ZipPackage
{
  public:
    explicit ZipPackage(const QString &path);
    ~ZipPackage();
    ZipPackage(const ZipPackage &) = delete;
    ZipPackage &operator=(const ZipPackage &) = delete;

    bool isOpen() const { return archive_ != nullptr; }
    bool addData(const QString &name, const QByteArray &data, bool compressed = true);
    bool addFile(const QString &name, const QString &filePath);
    bool close();

  private:
    zip *archive_ = nullptr;
    std::list<QByteArray> buffers_; // kept alive until the archive is written
};
