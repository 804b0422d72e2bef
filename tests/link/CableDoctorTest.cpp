// The cable check's verdicts on permission and on programs that take serial adapters, seen
// through folders laid out like the system's.

#include "link/CableDoctor.h"
#include "support/AsOrdinaryUser.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool WriteText(const QString& path, const QByteArray& text) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(text) == text.size();
}

class FakeSystem : public testing::Test {
protected:
    QTemporaryDir root;
    doctor::SystemPaths paths{root.filePath("by-id"),
                              root.filePath("group"),
                              root.filePath("proc"),
                              {root.filePath("units")}};

    void Running(int pid, const char* name) {
        ASSERT_TRUE(WriteText(root.filePath(QStringLiteral("proc/%1/comm").arg(pid)),
                              QByteArray(name) + '\n'));
    }
};

doctor::SerialPortFacts Adapter(quint16 vendor, quint16 product) {
    return {"/dev/ttyUSB0", {}, "USB Serial", {}, vendor, product};
}

TEST_F(FakeSystem, ProgramsThatTakeAdaptersAreNamedWithTheirFix) {
    const auto ch340 = Adapter(0x1a86, 0x7523);
    const auto ftdi = Adapter(0x0403, 0x6001);
    auto found = doctor::CheckGrabbers({ch340}, paths);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].verdict, doctor::Verdict::Ok);

    // Installed, brltty waits for a CH340 or CP210x to be plugged in; other adapters are safe.
    ASSERT_TRUE(WriteText(root.filePath("units/brltty-udev.service"), "[Unit]\n"));
    found = doctor::CheckGrabbers({ftdi}, paths);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].verdict, doctor::Verdict::Note);
    found = doctor::CheckGrabbers({ftdi, ch340}, paths);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].verdict, doctor::Verdict::Problem);
    EXPECT_TRUE(found[0].text.contains("brltty"));
    EXPECT_TRUE(found[0].text.contains("sudo systemctl mask brltty-udev.service"));

    Running(812, "ModemManager");
    Running(13, "bash");
    found = doctor::CheckGrabbers({ftdi}, paths);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_TRUE(found[1].text.contains("ModemManager"));
    EXPECT_TRUE(found[1].text.contains("sudo systemctl disable --now ModemManager"));
    EXPECT_EQ(found[1].verdict, doctor::Verdict::Note);
}

// A device of group dialout, mode 0660, checked by a user outside that group.
TEST_F(FakeSystem, PermissionSaysWhetherToJoinTheGroupOrLogInAgain) {
    const group* dialout = ::getgrnam("dialout");
    if (!dialout || ::geteuid() != 0)
        GTEST_SKIP() << "needs root (to give a file to dialout) and a dialout group";
    const gid_t gid = dialout->gr_gid;
    const QString device = root.filePath("ttyUSB0");
    ASSERT_TRUE(WriteText(device, {}));
    ASSERT_EQ(::chown(QFile::encodeName(device).constData(), 0, gid), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(device).constData(), 0660), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(root.path()).constData(), 0755), 0);

    EXPECT_EQ(doctor::CheckPermission(device, paths).verdict, doctor::Verdict::Ok);
    EXPECT_EQ(doctor::CheckPermission(root.filePath("ttyUSB9"), paths).verdict,
              doctor::Verdict::Problem);

    const QByteArray groupLine = QByteArray("dialout:x:") + QByteArray::number(gid) + ":";
    const auto verdict = [&](const QByteArray& members, const char* expected) {
        if (!WriteText(paths.groupFile, groupLine + members + '\n'))
            return std::optional<bool>(false);
        return AsOrdinaryUser([&] {
            const doctor::Finding f = doctor::CheckPermission(device, paths);
            const bool ok =
                f.verdict == doctor::Verdict::Problem && f.text.contains(QLatin1String(expected));
            if (!ok)
                std::fprintf(stderr, "%s\n", qPrintable(f.text));
            return ok;
        });
    };
    // Not in the group: the exact command that adds this user.
    EXPECT_EQ(verdict("daemon", "sudo usermod -aG dialout nobody"), std::optional(true));
    // In the group file, but this session's groups predate it.
    EXPECT_EQ(verdict("daemon,nobody", "session began before you joined it"), std::optional(true));
}

} // namespace
