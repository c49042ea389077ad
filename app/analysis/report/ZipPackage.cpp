#include "ZipPackage.h"

#include <QFile>

#include <zip.h>

ZipPackage::ZipPackage(const QString &path)
{
    int error = 0;
    archive_ = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
}

ZipPackage::~ZipPackage()
{
    if (archive_)
        zip_discard(archive_);
}

bool ZipPackage::addData(const QString &name, const QByteArray &data, bool compressed)
{
    if (!archive_)
        return false;
    const QByteArray &kept = buffers_.emplace_back(data);
    zip_source_t *source =
        zip_source_buffer(archive_, kept.constData(), static_cast<zip_uint64_t>(kept.size()), 0);
    if (!source)
        return false;
    const zip_int64_t index =
        zip_file_add(archive_, name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8);
    if (index < 0) {
        zip_source_free(source);
        return false;
    }
    return compressed || zip_set_file_compression(archive_, static_cast<zip_uint64_t>(index),
                                                  ZIP_CM_STORE, 0) == 0;
}

bool ZipPackage::addFile(const QString &name, const QString &filePath)
{
    if (!archive_)
        return false;
    zip_source_t *source =
        zip_source_file(archive_, QFile::encodeName(filePath).constData(), 0, -1);
    if (!source)
        return false;
    if (zip_file_add(archive_, name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8) < 0) {
        zip_source_free(source);
        return false;
    }
    return true;
}

bool ZipPackage::close()
{
    if (!archive_)
        return false;
    if (zip_close(archive_) != 0)
        return false;
    archive_ = nullptr;
    return true;
}
