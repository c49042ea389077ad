#include "CliTestFiles.h"

#include "files/SheetFiles.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace cli::testing
{

QString fixture(const QString &name)
{
    return QStringLiteral(CLI_FIXTURES "/") + name;
}

QStringList Scratch::files() const
{
    return QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

CommandResult call(const QStringList &arguments)
{
    return runCommand(arguments);
}

Sheet threeTables()
{
    return sheetfiles::openNativeSheet(fixture("tables.vtl"));
}

} // namespace cli::testing
