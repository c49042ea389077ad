#include "ExportTarget.h"

#include "ReportExport.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cstdio>

ExportTarget::ExportTarget(const QString &path) : path_(path)
{
    const QFileInfo info(path);
    QTemporaryFile file(info.absolutePath() + QStringLiteral("/.") + info.fileName() +
                        QStringLiteral(".XXXXXX"));
    file.setAutoRemove(false);
    if (info.fileName().isEmpty() || info.isDir() || !file.open())
        throw ExportError(path);
    temporary_ = file.fileName();
}

ExportTarget::~ExportTarget()
{
    if (!committed_)
        QFile::remove(temporary_);
}

void ExportTarget::commit()
{
    // rename() replaces an existing destination in one step; QFile::rename would refuse it.
    if (std::rename(QFile::encodeName(temporary_).constData(),
                    QFile::encodeName(path_).constData()) != 0)
        throw ExportError(path_);
    committed_ = true;
}
