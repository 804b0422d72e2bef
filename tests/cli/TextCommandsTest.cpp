#include "support/Files.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Outcome {
    int exit = -1;
    QByteArray out;
    QString err;
};

// The built tool with settings of its own, in a scratch folder.
class TextCommands : public testing::Test {
protected:
    Outcome Run(const QStringList& args) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(work.path());
        p.start(qEnvironmentVariable("CORVINEL_BUILD_DIR") + QStringLiteral("/cli/corvinel-cli"),
                args);
        EXPECT_TRUE(p.waitForFinished(30000));
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
                p.readAllStandardOutput(), QString::fromUtf8(p.readAllStandardError())};
    }
    QString Path(const char* name) const { return work.filePath(QString::fromLatin1(name)); }

    QTemporaryDir config;
    QTemporaryDir work;
};

} // namespace

// A user keeps the data set as text: dump, edit a line, apply onto the file, dump again.
TEST_F(TextCommands, DumpEditApplyScenario) {
    ASSERT_EQ(Run({"new", "--country", "2", "-o", Path("my.rdf")}).exit, 0);
    WriteAll(Path("seed.csv"), "Location,Name,Frequency,Mode,Skip\n1,MARINE,156.8,FM,P\n");
    ASSERT_EQ(Run({"import", Path("seed.csv"), Path("my.rdf")}).exit, 0);

    // To stdout and to a file alike; the unchanged text gives the identical file back,
    // with and without the base.
    const Outcome dumped = Run({"dump", Path("my.rdf")});
    ASSERT_EQ(dumped.exit, 0) << dumped.err.toStdString();
    ASSERT_EQ(Run({"dump", Path("my.rdf"), "-o", Path("my.yaml")}).exit, 0);
    EXPECT_EQ(ReadAll(Path("my.yaml")), dumped.out);
    EXPECT_TRUE(dumped.out.contains(
        "- {channel: 1, frequency: 156.80000, mode: NFM, name: \"MARINE\", preferential scan: "
        "true}"));
    ASSERT_EQ(Run({"apply", Path("my.yaml"), "-o", Path("fresh.rdf")}).exit, 0);
    ASSERT_EQ(Run({"apply", Path("my.yaml"), Path("my.rdf"), "-o", Path("onto.rdf")}).exit, 0);
    EXPECT_EQ(ReadAll(Path("fresh.rdf")), ReadAll(Path("my.rdf")));
    EXPECT_EQ(ReadAll(Path("onto.rdf")), ReadAll(Path("my.rdf")));

    // An edit lands in the file; the diff names it as the pages do.
    QByteArray edited = dumped.out;
    edited.replace("name: \"MARINE\"", "name: \"CH16\"");
    WriteAll(Path("edited.yaml"), edited);
    ASSERT_EQ(Run({"apply", Path("edited.yaml"), Path("my.rdf"), "-o", Path("edited.rdf")}).exit,
              0);
    EXPECT_TRUE(Run({"channels", Path("edited.rdf")}).out.contains("CH16"));

    // A value the pages refuse: reported with file, line and key; nothing written.
    QByteArray bad = dumped.out;
    bad.replace("mode: NFM, name", "mode: FM, name");
    WriteAll(Path("bad.yaml"), bad);
    const int line = bad.left(bad.indexOf("mode: FM")).count('\n') + 1;
    const Outcome refused = Run({"apply", Path("bad.yaml"), "-o", Path("bad.rdf")});
    EXPECT_EQ(refused.exit, 1);
    EXPECT_TRUE(refused.err.contains(
        QStringLiteral("bad.yaml:line %1: channels 1: mode: must be one of").arg(line)))
        << refused.err.toStdString();
    EXPECT_TRUE(refused.err.contains(QStringLiteral("Nothing was written.")));
    EXPECT_FALSE(QFile::exists(Path("bad.rdf")));

    EXPECT_EQ(Run({"apply", Path("my.yaml")}).exit, 2); // -o is required
    EXPECT_EQ(Run({"apply", Path("my.yaml"), "-o", Path("my.yaml")}).exit, 1);
    EXPECT_EQ(ReadAll(Path("my.yaml")), dumped.out);
}
