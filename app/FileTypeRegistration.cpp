#include "FileTypeRegistration.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

#include <utility>

const QString FileTypeRegistration::MimeType = QStringLiteral("application/x-vistrel-sheet");

namespace
{

constexpr int ToolMilliseconds = 10000;

bool writeFile(const QString &path, const QString &text)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) >= 0 && file.commit();
}

void runIfPresent(const QString &tool, const QString &folder)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        return;
    QProcess process;
    // Their advice about search paths means nothing to the user of this program.
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(program, {folder});
    process.waitForFinished(ToolMilliseconds);
}

// A desktop entry's string value escapes backslashes and control characters once more.
QString escapedValue(const QString &value)
{
    QString escaped;
    for (const QChar c : value) {
        if (c == u'\\')
            escaped += QStringLiteral("\\\\");
        else if (c == u'\n')
            escaped += QStringLiteral("\\n");
        else if (c == u'\t')
            escaped += QStringLiteral("\\t");
        else if (c == u'\r')
            escaped += QStringLiteral("\\r");
        else
            escaped += c;
    }
    return escaped;
}

} // namespace

QString FileTypeRegistration::defaultDataHome()
{
    const QString configured = qEnvironmentVariable("XDG_DATA_HOME");
    if (!configured.isEmpty() && QDir::isAbsolutePath(configured))
        return configured;
    return QDir::homePath() + QStringLiteral("/.local/share");
}

FileTypeRegistration::FileTypeRegistration(QString dataHome) : dataHome_(std::move(dataHome)) {}

QString FileTypeRegistration::mimeFile() const
{
    return dataHome_ + QStringLiteral("/mime/packages/vistrel-vtl.xml");
}

QString FileTypeRegistration::desktopFile() const
{
    return dataHome_ + QStringLiteral("/applications/vistrel.desktop");
}

// Inside the quotes of an Exec argument ", `, $ and \ are escaped with a backslash, and % is
// doubled wherever it appears.
QString FileTypeRegistration::execLine(const QString &programPath)
{
    QString quoted = QStringLiteral("\"");
    for (const QChar c : programPath) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        quoted += c;
        if (c == u'%')
            quoted += u'%';
    }
    return quoted + QStringLiteral("\" %f");
}

QString FileTypeRegistration::registerFor(const QString &programPath) const
{
    const QString mime =
        QStringLiteral(
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
            "  <mime-type type=\"") +
        MimeType +
        QStringLiteral("\">\n"
                       "    <comment>Vistrel data sheet</comment>\n"
                       "    <comment xml:lang=\"el\">Φύλλο δεδομένων Vistrel</comment>\n"
                       "    <glob pattern=\"*.vtl\"/>\n"
                       "  </mime-type>\n"
                       "</mime-info>\n");
    const QString entry = QStringLiteral("[Desktop Entry]\n"
                                         "Type=Application\n"
                                         "Name=Vistrel\n"
                                         "Comment=Procrustes comparison of data tables\n"
                                         "Comment[el]=Προκρούστια σύγκριση πινάκων δεδομένων\n"
                                         "Exec=") +
                          escapedValue(execLine(programPath)) +
                          QStringLiteral("\n"
                                         "Icon=x-office-spreadsheet\n"
                                         "Terminal=false\n"
                                         "Categories=Education;Science;Math;\n"
                                         "MimeType=") +
                          MimeType + QStringLiteral(";\n");

    for (const auto &[path, text] :
         {std::pair{mimeFile(), mime}, std::pair{desktopFile(), entry}}) {
        if (!writeFile(path, text))
            return path;
    }
    runIfPresent(QStringLiteral("update-mime-database"), dataHome_ + QStringLiteral("/mime"));
    runIfPresent(QStringLiteral("update-desktop-database"),
                 dataHome_ + QStringLiteral("/applications"));
    return {};
}
