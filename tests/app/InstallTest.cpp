// cmake --install puts the programs, the desktop entry, the icon and the data file type in
// place, and the desktop finds data files by their first bytes; the Debian package holds the
// same and runs from where it is unpacked.

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
          "share/mime/packages/corvinel.xml", "share/man/man1/corvinel-cli.1.gz",
          "share/metainfo/invalid.corvinel.Corvinel.metainfo.xml",
          "share/corvinel/library/marine-vhf.csv", "share/corvinel/translations/corvinel_ja.qm"})
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

TEST(Install, DebianPackageHoldsEverythingAndRunsWhereItIsUnpacked) {
    const auto tool = [](const char* name) {
        return QStandardPaths::findExecutable(QLatin1String(name));
    };
    for (const char* needed :
         {"dpkg-deb", "dpkg-shlibdeps", "desktop-file-validate", "appstreamcli"})
        if (tool(needed).isEmpty())
            GTEST_SKIP() << needed << " is needed (scripts/deps.sh)";
    QTemporaryDir out;
    QString log;
    ASSERT_EQ(
        RunProgram(QStringLiteral(CORVINEL_CPACK),
                   {"--config", BuildDir() + "/CPackConfig.cmake", "-G", "DEB", "-B", out.path()},
                   &log),
        0)
        << log.toStdString();
    const QStringList debs = QDir(out.path()).entryList({"*.deb"}, QDir::Files);
    ASSERT_EQ(debs.size(), 1) << log.toStdString();
    const QString deb = QDir(out.path()).filePath(debs[0]);

    QString fields;
    ASSERT_EQ(RunProgram(tool("dpkg-deb"), {"-f", deb, "Package", "Depends", "Section"}, &fields),
              0);
    EXPECT_TRUE(fields.contains("Package: corvinel\n")) << fields.toStdString();
    EXPECT_TRUE(fields.contains("Section: hamradio")) << fields.toStdString();
    // Found by dpkg-shlibdeps in the programs, with the plugins Qt loads at run time.
    for (const char* dependency :
         {"libc6 (>=", "libqt6core6", "libqt6serialport6", "libqt6widgets6", "qt6-qpa-plugins"})
        EXPECT_TRUE(fields.contains(QLatin1String(dependency))) << dependency;

    const QDir root(out.filePath("root"));
    ASSERT_EQ(RunProgram(tool("dpkg-deb"), {"-x", deb, root.path()}, &log), 0) << log.toStdString();
    for (const char* file :
         {"usr/bin/corvinel", "usr/bin/corvinel-sim", "usr/share/man/man1/corvinel.1.gz",
          "usr/share/man/man1/corvinel-cli.1.gz", "usr/share/man/man1/corvinel-sim.1.gz",
          "usr/share/doc/corvinel/copyright", "usr/share/doc/corvinel/changelog.gz",
          "usr/share/doc/corvinel/help/index.html", "usr/share/mime/packages/corvinel.xml",
          "usr/share/icons/hicolor/scalable/apps/corvinel.svg",
          "usr/share/corvinel/translations/corvinel_ja.qm"})
        EXPECT_TRUE(root.exists(QLatin1String(file))) << file;
    QString version;
    EXPECT_EQ(RunProgram(root.filePath("usr/bin/corvinel-cli"), {"--version"}, &version), 0);
    EXPECT_EQ(version.trimmed(), QStringLiteral("corvinel-cli 1.05"));
    EXPECT_EQ(RunProgram(tool("desktop-file-validate"),
                         {root.filePath("usr/share/applications/corvinel.desktop")}, &log),
              0)
        << log.toStdString();
    EXPECT_EQ(
        RunProgram(tool("appstreamcli"),
                   {"validate", "--no-net",
                    root.filePath("usr/share/metainfo/invalid.corvinel.Corvinel.metainfo.xml")},
                   &log),
        0)
        << log.toStdString();
    if (tool("lintian").isEmpty())
        return;
    EXPECT_EQ(RunProgram(tool("lintian"), {"--fail-on", "error", deb}, &log), 0)
        << log.toStdString();
}
