// corvinel-cli read keeps what the receiver sent in the backups folder.
#ifdef CORVINEL_CLI

#include "SimProcess.h"

#include <QDir>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ReadBackup : public testing::Test {
protected:
    QTemporaryDir config;
    QTemporaryDir data;
    QTemporaryDir work;
    std::vector<Byte> file = PatternFile(4, 0, 9);

    QString Folder() const { return data.filePath("Tarnwick/Corvinel/backups"); }
    QStringList Backups() const { return QDir(Folder()).entryList({"vr500-*.rdf"}, QDir::Files); }

    // Reads from a simulated receiver; returns the tool's exit status and its stderr.
    std::pair<int, QString> Read(const QStringList& extra, const QString& dataHome) {
        SimProcess sim;
        WriteFile(work.filePath("radio.rdf"), file);
        const QString device =
            sim.Start({"send", work.filePath("radio.rdf"), "--start-delay", "200"});
        EXPECT_FALSE(device.isEmpty());
        QProcess cli;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", config.path());
        env.insert("XDG_DATA_HOME", dataHome);
        env.insert("LC_ALL", "en_US.UTF-8");
        cli.setProcessEnvironment(env);
        cli.start(QStringLiteral(CORVINEL_CLI),
                  QStringList{"read", "--port", device, "-o", work.filePath("read.rdf")} + extra);
        cli.closeWriteChannel();
        EXPECT_TRUE(cli.waitForFinished(30000));
        return {cli.exitCode(), QString::fromUtf8(cli.readAllStandardError())};
    }
};

TEST_F(ReadBackup, EveryReadIsKeptUnlessToldNot) {
    auto [exit, err] = Read({}, data.path());
    ASSERT_EQ(exit, 0) << qPrintable(err);
    ASSERT_EQ(Backups().size(), 1);
    const QString backup = Folder() + "/" + Backups().first();
    EXPECT_TRUE(err.contains("Backup: " + backup)) << qPrintable(err);
    const std::vector<Byte> kept = ReadFile(backup);
    ASSERT_EQ(kept.size(), size_t(layout::kImageSize));
    EXPECT_EQ(kept, ReadFile(work.filePath("read.rdf")));
    EXPECT_TRUE(std::equal(kept.begin() + layout::kRadioImage,
                           kept.begin() + layout::kRadioImage + layout::kRadioImageSize,
                           file.begin() + layout::kRadioImage));

    std::tie(exit, err) = Read({"--no-backup"}, data.path());
    EXPECT_EQ(exit, 0) << qPrintable(err);
    EXPECT_EQ(Backups().size(), 1);
    EXPECT_FALSE(err.contains("Backup"));
}

TEST_F(ReadBackup, ABackupThatCannotBeWrittenDoesNotFailTheRead) {
    WriteFile(work.filePath("not-a-folder"), {1, 2, 3});
    const auto [exit, err] = Read({}, work.filePath("not-a-folder"));
    EXPECT_EQ(exit, 0) << qPrintable(err);
    EXPECT_TRUE(err.contains("No backup was kept: Cannot create folder:")) << qPrintable(err);
    EXPECT_EQ(ReadFile(work.filePath("read.rdf")).size(), size_t(layout::kImageSize));
}

} // namespace

#endif
