// File-type registration under a temporary data folder.
#include "FileTypeRegistration.h"
#include "QtPrinters.h"
#include "ScriptedPrompter.h"
#include "TMainForm.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace
{

QString contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Sets an environment variable for the life of the object.
class ScopedEnvironment
{
  public:
    ScopedEnvironment(const char *name, const QByteArray &value)
        : name_(name), old_(qgetenv(name)), had_(qEnvironmentVariableIsSet(name))
    {
        qputenv(name, value);
    }
    ~ScopedEnvironment()
    {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }

  private:
    const char *name_;
    QByteArray old_;
    bool had_;
};

TEST(FileTypeRegistration, WritesAMimeTypeAndADesktopEntryRunningTheProgram)
{
    QTemporaryDir home;
    const FileTypeRegistration registration(home.path());
    EXPECT_EQ(registration.registerFor("/opt/vistrel/bin/vistrel"), "");

    const QString mime = contents(home.path() + "/mime/packages/vistrel-vtl.xml");
    EXPECT_TRUE(mime.contains("<glob pattern=\"*.vtl\"/>"));
    EXPECT_TRUE(mime.contains("type=\"application/x-vistrel-sheet\""));
    const QString entry = contents(home.path() + "/applications/vistrel.desktop");
    EXPECT_TRUE(entry.startsWith("[Desktop Entry]\n"));
    EXPECT_TRUE(entry.contains("\nExec=\"/opt/vistrel/bin/vistrel\" %f\n"));
    EXPECT_TRUE(entry.contains("\nMimeType=application/x-vistrel-sheet;\n"));
    EXPECT_TRUE(entry.contains("\nType=Application\n"));
}

TEST(FileTypeRegistration, RewritesTheEntryForTheProgramStartedLast)
{
    QTemporaryDir home;
    const FileTypeRegistration registration(home.path());
    registration.registerFor("/old/vistrel");
    registration.registerFor("/new/vistrel");
    const QString entry = contents(registration.desktopFile());
    EXPECT_TRUE(entry.contains("Exec=\"/new/vistrel\" %f"));
    EXPECT_FALSE(entry.contains("/old/"));
}

TEST(FileTypeRegistration, QuotesTheProgramPathForTheExecLine)
{
    const struct {
        QString path;
        QString exec;
    } cases[] = {
        {"/home/me/My Programs/vistrel", "\"/home/me/My Programs/vistrel\" %f"},
        {"/a \"b\"/vistrel", "\"/a \\\"b\\\"/vistrel\" %f"},
        {"/a$b`c/vistrel", "\"/a\\$b\\`c/vistrel\" %f"},
        {"/a\\b/vistrel", "\"/a\\\\b/vistrel\" %f"},
        {"/100%/vistrel", "\"/100%%/vistrel\" %f"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FileTypeRegistration::execLine(c.path), c.exec) << c.path.toStdString();
}

TEST(FileTypeRegistration, EscapesBackslashesOnceMoreInTheDesktopFile)
{
    QTemporaryDir home;
    const FileTypeRegistration registration(home.path());
    registration.registerFor("/a\\b/vistrel");
    EXPECT_TRUE(contents(registration.desktopFile()).contains("Exec=\"/a\\\\\\\\b/vistrel\" %f"));
}

TEST(FileTypeRegistration, DataHomeComesFromXdgWhenAbsolute)
{
    {
        ScopedEnvironment xdg("XDG_DATA_HOME", "/srv/data");
        EXPECT_EQ(FileTypeRegistration::defaultDataHome(), "/srv/data");
    }
    for (const QByteArray &unusable : {QByteArray(), QByteArray("relative/data")}) {
        ScopedEnvironment xdg("XDG_DATA_HOME", unusable);
        EXPECT_EQ(FileTypeRegistration::defaultDataHome(), QDir::homePath() + "/.local/share");
    }
}

TEST(FileTypeRegistration, ReportsTheFileItCouldNotWrite)
{
    QTemporaryDir home;
    QFile blocker(home.path() + "/mime");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const FileTypeRegistration registration(home.path());
    EXPECT_EQ(registration.registerFor("/usr/bin/vistrel"), registration.mimeFile());
}

TEST(FileTypeRegistration, TheMainWindowRegistersTheRunningProgram)
{
    ScriptedPrompter prompter;
    TMainForm window(prompter);
    const QString entry = contents(FileTypeRegistration().desktopFile());
    EXPECT_TRUE(
        entry.contains(FileTypeRegistration::execLine(QCoreApplication::applicationFilePath())));
    EXPECT_TRUE(prompter.shown().isEmpty());
    EXPECT_NE(window.splash(), nullptr);
}

TEST(FileTypeRegistration, AFailureIsReportedAndTheProgramStartsWithoutTheSplash)
{
    QTemporaryDir home;
    QFile blocker(home.path() + "/file");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ScopedEnvironment xdg("XDG_DATA_HOME", (home.path() + "/file/data").toLocal8Bit());

    ScriptedPrompter prompter;
    TMainForm window(prompter);
    const QStringList errors = prompter.texts(ScriptedPrompter::Kind::Error);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith("Η καταχώριση του τύπου αρχείων .vtl απέτυχε."));
    EXPECT_TRUE(errors[0].contains(home.path() + "/file/data/mime/packages/vistrel-vtl.xml"));
    EXPECT_EQ(window.splash(), nullptr);
    EXPECT_EQ(window.windowTitle(), "Vistrel v1.0");
}

} // namespace
