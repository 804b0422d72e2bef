// cmake --install puts the programs, the desktop entry, the icon and the data file type in
// place, and the desktop finds data files by their first bytes.

#include "e2e/SimProcess.h"

#include <QDir>
#include <QFile>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Runs program with args; its exit code, or -1 when it could not run.
int RunProgram(const QString& program, const QStringList& args, QString* output = nullptr) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit)
        return -1;
    if (output)
        *output = QString::fromLocal8Bit(p.readAll());
    return p.exitCode();
}

bool WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace

TEST(Install, PutsEveryFileInPlaceAndClaimsOnlyItsOwnDataFiles) {
    QTemporaryDir stage;
    QString log;
    ASSERT_EQ(RunProgram(QStringLiteral(CORVINEL_CMAKE),
                         {"--install", BuildDir(), "--prefix", stage.path()}, &log),
              0)
        << log.toStdString();
    const QDir root(stage.path());
    for (const char* file :
         {"bin/corvinel", "bin/corvinel-cli", "bin/corvinel-sim",
          "share/applications/corvinel.desktop", "share/icons/hicolor/scalable/apps/corvinel.svg",
          "share/mime/packages/corvinel.xml", "share/corvinel/library/marine-vhf.csv"})
        EXPECT_TRUE(root.exists(QLatin1String(file))) << file;

    const QString validate =
        QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    const QString mimeUpdate =
        QStandardPaths::findExecutable(QStringLiteral("update-mime-database"));
    if (validate.isEmpty() || mimeUpdate.isEmpty())
        GTEST_SKIP() << "desktop-file-utils and shared-mime-info are needed (scripts/deps.sh)";
    EXPECT_EQ(RunProgram(validate, {root.filePath("share/applications/corvinel.desktop")}, &log), 0)
        << log.toStdString();

    ASSERT_EQ(RunProgram(mimeUpdate, {root.filePath("share/mime")}, &log), 0) << log.toStdString();
    qputenv("XDG_DATA_DIRS", (root.filePath("share") + ":/usr/share").toLocal8Bit());
    ASSERT_TRUE(
        WriteBytes(root.filePath("ours.rdf"), QByteArray("RDF\0VX50", 8) + QByteArray(172, 0)));
    ASSERT_TRUE(
        WriteBytes(root.filePath("renamed.bin"), QByteArray("RDF\0VX50", 8) + QByteArray(172, 0)));
    ASSERT_TRUE(WriteBytes(root.filePath("graph.rdf"),
                           "<?xml version=\"1.0\"?>\n<rdf:RDF xmlns:rdf=\"http://www.w3.org/"
                           "1999/02/22-rdf-syntax-ns#\"></rdf:RDF>\n"));
    QMimeDatabase db;
    const QString ours = QStringLiteral("application/x-corvinel-radio-data");
    EXPECT_EQ(db.mimeTypeForFile(root.filePath("ours.rdf")).name(), ours);
    EXPECT_EQ(db.mimeTypeForFile(root.filePath("renamed.bin")).name(), ours);
    EXPECT_NE(db.mimeTypeForFile(root.filePath("graph.rdf")).name(), ours);
}
