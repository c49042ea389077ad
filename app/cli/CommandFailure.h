// A command-line call that cannot go on: the message the user reads and the exit code that
// tells a script what failed.
#pragma once

#include "ExitCode.h"

#include <QByteArray>
#include <QString>

#include <exception>

namespace cli
{

class CommandFailure : public std::exception
{
  public:
    CommandFailure(ExitCode code, QString message);

    ExitCode code() const { return code_; }
    const QString &message() const { return message_; }
    const char *what() const noexcept override { return utf8_.constData(); }

  private:
    ExitCode code_;
    QString message_;
    QByteArray utf8_;
};

// Wrong usage, with the hint that points to --help.
[[noreturn]] void usageError(const QString &problem);

} // namespace cli
