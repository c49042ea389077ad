// Files for the command-line tests: a scratch folder per test, the fixtures, and calls made the
// way the program makes them.
#pragma once

#include "CommandLineEntry.h"

#include "Sheet.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace cli::testing
{

QString fixture(const QString &name);

class Scratch
{
  public:
    QString path(const QString &name) const { return dir_.filePath(name); }
    // Every file in the folder, hidden ones included, so that a temporary file left is seen.
    QStringList files() const;

  private:
    QTemporaryDir dir_;
};

QByteArray readBytes(const QString &path);
void writeBytes(const QString &path, const QByteArray &bytes);

CommandResult call(const QStringList &arguments);

// The twelve rows of three tables (target and two more) of four objects A..D over the
// variables x, y, z, values written with a point.
Sheet threeTables();

} // namespace cli::testing
