// The desktop program started as a user starts it, seen from outside: opening a file
// remembers its folder in the settings, and warnings go to stderr.

#include "SimProcess.h"

#include <QDir>
#include <QProcessEnvironment>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

// Starts the program in folder with args and waits until it has opened a file from there;
// returns what it said on stderr, or "(not opened)".
QString OpensFrom(const QString& config, const QString& folder, const QStringList& args) {
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", config);
    env.insert("XDG_DATA_HOME", config);
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("LC_ALL", "en_US.UTF-8"); // the stored country stays 4, the files' own
    program.setProcessEnvironment(env);
    program.setWorkingDirectory(folder);
    program.start(BuildDir() + QStringLiteral("/app/corvinel"), args);
    for (int waited = 0; waited < 15000 && program.state() != QProcess::NotRunning; waited += 100) {
        const QSettings stored(config + "/Tarnwick/VR500.conf", QSettings::IniFormat);
        if (QDir(stored.value("DataDir").toString()) == QDir(folder)) {
            program.waitForReadyRead(500);
            return QString::fromUtf8(program.readAllStandardError());
        }
        QThread::msleep(100);
    }
    return QStringLiteral("(not opened)");
}

// A port name with a NUL in the settings crashed the window at every start; a file whose name
// starts with "-" was taken for an option and silently ignored.
TEST(ProgramStart, DashFilesOpenAndABadStoredPortIsIgnored) {
    if (!QFile::exists(BuildDir() + QStringLiteral("/app/corvinel")))
        GTEST_SKIP() << "the desktop program is not built";
    QTemporaryDir config, work;
    QSettings(config.filePath("Tarnwick/VR500.conf"), QSettings::IniFormat)
        .setValue("CommPort", QString("/dev/tty") + QChar(0) + "S0");
    ASSERT_TRUE(WriteFile(work.filePath("-dash.rdf"), PatternFile(4, 0)));
    const QString said = OpensFrom(config.path(), work.path(), {"--", "-dash.rdf"});
    EXPECT_TRUE(said.contains("CommPort is ignored")) << qPrintable(said);

    ASSERT_TRUE(QDir(work.path()).mkdir("b"));
    ASSERT_TRUE(WriteFile(work.filePath("b/-dash.rdf"), PatternFile(4, 0)));
    const QString told = OpensFrom(config.path(), work.filePath("b"), {"-x", "-dash.rdf"});
    EXPECT_TRUE(told.contains("unknown option -x")) << qPrintable(told);
}

} // namespace
