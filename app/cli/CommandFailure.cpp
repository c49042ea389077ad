#include "CommandFailure.h"

namespace cli
{

CommandFailure::CommandFailure(ExitCode code, QString message)
    : code_(code), message_(std::move(message)), utf8_(message_.toUtf8())
{
}

void usageError(const QString &problem)
{
    throw CommandFailure(
        ExitCode::WrongUsage,
        QStringLiteral("vistrel: %1\nTry 'vistrel --help' for more information.").arg(problem));
}

} // namespace cli
