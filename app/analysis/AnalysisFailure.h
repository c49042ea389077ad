// Why a run stopped, in the words the user is shown.
#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

namespace analysis
{

class AnalysisFailure : public std::exception
{
  public:
    explicit AnalysisFailure(QString message);

    const QString &message() const { return message_; }
    const char *what() const noexcept override { return utf8_.constData(); }

  private:
    QString message_;
    QByteArray utf8_;
};

} // namespace analysis
