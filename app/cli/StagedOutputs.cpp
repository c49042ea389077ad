#include "StagedOutputs.h"

#include "CommandFailure.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <sys/stat.h>

namespace cli
{

namespace
{

[[noreturn]] void cannotWrite(const QString &path, const QString &reason)
{
    throw CommandFailure(ExitCode::FileFailed,
                         QStringLiteral("cannot write %1: %2").arg(path, reason));
}

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// A temporary file is made private; the output gets what the file it replaces had, or what a
// new file gets under the user's umask.
mode_t permissionsFor(const QByteArray &path)
{
    struct stat existing;
    if (::stat(path.constData(), &existing) == 0)
        return existing.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

StagedOutputs::~StagedOutputs()
{
    for (const Staged &output : staged_)
        QFile::remove(output.temporary);
}

void StagedOutputs::stage(const QString &path,
                          const std::function<void(const QString &temporary)> &write)
{
    const QFileInfo info(path);
    if (info.isDir())
        cannotWrite(path, QStringLiteral("it is a folder"));
    QTemporaryFile file(info.absolutePath() + QStringLiteral("/.") + info.fileName() +
                        QStringLiteral(".XXXXXX"));
    file.setAutoRemove(false);
    if (!file.open())
        cannotWrite(path, file.errorString());
    file.close();
    staged_.push_back({path, file.fileName()});
    try {
        write(file.fileName());
    } catch (const CommandFailure &failure) {
        QString message = failure.message();
        throw CommandFailure(failure.code(), message.replace(file.fileName(), path));
    }
}

void StagedOutputs::commit()
{
    for (auto output = staged_.begin(); output != staged_.end(); output = staged_.erase(output)) {
        const QByteArray temporary = QFile::encodeName(output->temporary);
        const QByteArray path = QFile::encodeName(output->path);
        // rename() replaces the destination in one step; QFile::rename would refuse to.
        if (::chmod(temporary.constData(), permissionsFor(path)) != 0 ||
            std::rename(temporary.constData(), path.constData()) != 0)
            cannotWrite(output->path, systemError());
    }
}

} // namespace cli
