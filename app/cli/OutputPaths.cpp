#include "OutputPaths.h"

#include <QDir>
#include <QFileInfo>

namespace outputpaths
{

namespace
{

// A file that does not exist yet is named through its folder, which may.
QString identity(const QString &path)
{
    const QFileInfo info(path);
    if (info.exists())
        return info.canonicalFilePath();
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    if (folder.isEmpty())
        return QDir::cleanPath(info.absoluteFilePath());
    return folder + u'/' + info.fileName();
}

} // namespace

bool sameFile(const QString &first, const QString &second)
{
    return identity(first) == identity(second);
}

} // namespace outputpaths
