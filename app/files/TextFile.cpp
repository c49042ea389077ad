#include "TextFile.h"

#include "SheetFileError.h"
#include "TextEncoding.h"

#include <QFile>
#include <QSaveFile>

namespace textfile
{

namespace
{

[[noreturn]] void fail(const char *what, const QString &path, const QString &reason)
{
    throw SheetFileError(std::string(what) + " " + path.toStdString() + ": " +
                         reason.toStdString());
}

} // namespace

QString read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail("cannot open", path, file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        fail("cannot read", path, file.errorString());
    return textencoding::decode(bytes);
}

void write(const QString &path, QStringView text)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        fail("cannot create", path, file.errorString());
    if (!textencoding::write(text, file) || !file.commit())
        fail("cannot write", path, file.errorString());
}

} // namespace textfile
