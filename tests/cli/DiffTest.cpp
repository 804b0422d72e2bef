// corvinel-cli diff, as a user or a script runs it.
#include "radio/Radio.h"
#include "support/Files.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace layout;

namespace {

struct Result {
    int exit = -1;
    QString out;
    QString err;
};

class Diff : public testing::Test {
protected:
    Result Run(const QStringList& args) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", config.path());
        env.insert("LC_ALL", "en_US.UTF-8");
        p.setProcessEnvironment(env);
        p.start(qEnvironmentVariable("CORVINEL_BUILD_DIR") + "/cli/corvinel-cli", args);
        EXPECT_TRUE(p.waitForFinished(30000));
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
                QString::fromUtf8(p.readAllStandardOutput()),
                QString::fromUtf8(p.readAllStandardError())};
    }
    QString Path(const char* name) const { return work.filePath(name); }

    QTemporaryDir config;
    QTemporaryDir work;
};

} // namespace

TEST_F(Diff, ListsTheDifferencesAndExitsAsDiffDoes) {
    ASSERT_EQ(Run({"new", "-o", Path("a.rdf")}).exit, 0);
    QByteArray bytes = ReadAll(Path("a.rdf"));
    Byte* radio = reinterpret_cast<Byte*>(bytes.data()) + kRadioImage;
    CRadio::SetBit(radio + ri::kChannelUsedBitmap, 41, true);
    EncodeDigits(radio + ri::ChannelFrequency(42), 145'500'000, 8);
    radio[ri::ChannelFlag(42)] = 1;
    NameFromText("REPEATER", radio + ri::ChannelName(42));
    radio[ri::kContrast] = 9;
    EncodeDigits(radio + ri::BandEntry(5), 1'080'000, 6);
    WriteAll(Path("b.rdf"), bytes);
    const QString before = QString::fromUtf8(ReadAll(Path("a.rdf")).toHex());

    const Result d = Run({"diff", Path("a.rdf"), Path("b.rdf")});
    EXPECT_EQ(d.exit, 1) << d.err.toStdString();
    const QStringList lines = d.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3) << d.out.toStdString();
    EXPECT_EQ(lines[0], "Channel 42 (bank 0) added: 145.50000 NFM \"REPEATER\"");
    EXPECT_TRUE(lines[1].startsWith("Contrast (Setting page): ")) << lines[1].toStdString();
    EXPECT_TRUE(lines[1].endsWith(" → 10")) << lines[1].toStdString();
    EXPECT_TRUE(lines[2].startsWith("Auto Band row 7: lower edge ")) << lines[2].toStdString();
    EXPECT_TRUE(lines[2].endsWith(" → 108.0000")) << lines[2].toStdString();

    const Result same = Run({"diff", Path("a.rdf"), Path("a.rdf")});
    EXPECT_EQ(same.exit, 0);
    EXPECT_EQ(same.out, "");

    WriteAll(Path("broken.rdf"), "RDF");
    const Result broken = Run({"diff", Path("a.rdf"), Path("broken.rdf")});
    EXPECT_EQ(broken.exit, 2);
    EXPECT_EQ(broken.err, "Not a radio data file:\n" + Path("broken.rdf") + "\n");
    EXPECT_EQ(Run({"diff", Path("a.rdf")}).exit, 2);
    EXPECT_EQ(Run({"diff", Path("a.rdf"), Path("missing.rdf")}).exit, 2);
    EXPECT_EQ(QString::fromUtf8(ReadAll(Path("a.rdf")).toHex()), before); // diff writes nothing

    const Result help = Run({"diff", "--help"});
    EXPECT_EQ(help.exit, 0);
    EXPECT_TRUE(help.out.startsWith("usage: corvinel-cli diff FILE1 FILE2"));
}
