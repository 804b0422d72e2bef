#include "radio/Backups.h"
#include "radio/UndoHistory.h"
#include "support/Files.h"
#include "support/TempSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace layout;

namespace {

void SetChannel(CVR500Radio& radio, int n, int hz) {
    ChannelRecord rec = *radio.GetChannel(n);
    radio.SetChannelUsed(n, true);
    EncodeDigits(rec.code, hz, 8);
    radio.StoreChannel(rec, n);
}

constexpr int kMemoryPage = 0;
constexpr int kSettingPage = 1;

} // namespace

TEST(UndoHistory, UndoAndRedoStepsBackToTheSavedStateAndOnAgain) {
    TempSettings settings;
    CVR500Radio radio;
    radio.NewImage();
    UndoHistory history;
    history.Reset(radio.EditImage());
    EXPECT_FALSE(history.CanUndo());
    EXPECT_EQ(history.Undo(radio), -1);

    SetChannel(radio, 7, 145'500'000);
    EXPECT_TRUE(history.Record(radio.EditImage(), "Edit Channel", kMemoryPage));
    const Image afterEdit = radio.EditImage();
    radio.EditRadio()[ri::kRfSquelch] = 5;
    EXPECT_TRUE(history.Record(radio.EditImage(), "Setting", kSettingPage));
    const Image afterSetting = radio.EditImage();
    // Leaving a page without changing anything is no step.
    EXPECT_FALSE(history.Record(radio.EditImage(), "Setting", kSettingPage));
    EXPECT_EQ(history.Steps(), 2u);

    EXPECT_EQ(history.UndoLabel(), "Setting");
    EXPECT_EQ(history.Undo(radio), kSettingPage);
    EXPECT_EQ(radio.EditImage(), afterEdit);
    EXPECT_EQ(history.RedoLabel(), "Setting");
    EXPECT_EQ(history.UndoLabel(), "Edit Channel");
    EXPECT_EQ(history.Undo(radio), kMemoryPage);
    EXPECT_FALSE(radio.IsChanged()); // back to the data as saved
    EXPECT_FALSE(history.CanUndo());

    EXPECT_EQ(history.Redo(radio), kMemoryPage);
    EXPECT_EQ(history.Redo(radio), kSettingPage);
    EXPECT_EQ(radio.EditImage(), afterSetting);
    EXPECT_EQ(history.Redo(radio), -1);

    // A new step after an undo drops what could have been redone.
    history.Undo(radio);
    SetChannel(radio, 8, 433'000'000);
    EXPECT_TRUE(history.Record(radio.EditImage(), "Paste", kMemoryPage));
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(history.UndoLabel(), "Paste");
    history.Undo(radio);
    EXPECT_EQ(radio.EditImage(), afterEdit);

    // A read starts a new history whose one step takes the data back to before the read.
    const Image beforeRead = radio.EditImage();
    history.Reset(beforeRead);
    std::fill_n(radio.EditRadio() + ri::kChannelUsedBitmap, ri::kChannelUsedBitmapSize, 0xFF);
    radio.MarkSaved();
    history.Record(radio.EditImage(), "Get Data", kMemoryPage);
    EXPECT_EQ(history.Steps(), 1u);
    history.Undo(radio);
    EXPECT_EQ(radio.EditImage(), beforeRead);
    EXPECT_TRUE(radio.IsChanged());
}

TEST(UndoHistory, KeepsTheNewestStepsWithinItsBound) {
    Image image{};
    UndoHistory bySteps(3);
    bySteps.Reset(image);
    std::vector<Image> states;
    for (int i = 1; i <= 5; ++i) {
        image[100 + i] = Byte(i);
        bySteps.Record(image, QString::number(i), i);
        states.push_back(image);
    }
    EXPECT_EQ(bySteps.Steps(), 3u);
    EXPECT_EQ(bySteps.Undo(image), 5);
    EXPECT_EQ(bySteps.Undo(image), 4);
    EXPECT_EQ(bySteps.Undo(image), 3);
    EXPECT_EQ(bySteps.Undo(image), -1);
    EXPECT_EQ(image, states[1]);

    // Steps that rewrite the whole image keep the old and the new value of every byte.
    UndoHistory byBytes(100, 300'000);
    byBytes.Reset(image);
    for (int i = 1; i <= 4; ++i) {
        image.fill(Byte(0x10 * i));
        byBytes.Record(image, "Get Data", 0);
    }
    EXPECT_EQ(byBytes.Steps(), 2u);
    EXPECT_LE(byBytes.KeptBytes(), 300'000u);

    // The program's own bound.
    UndoHistory standard;
    standard.Reset(image);
    for (int i = 0; i < UndoHistory::kMaxSteps + 50; ++i) {
        image[i] ^= 0x5A;
        standard.Record(image, "Edit Channel", 0);
    }
    EXPECT_EQ(standard.Steps(), size_t(UndoHistory::kMaxSteps));
    EXPECT_LE(standard.KeptBytes(), UndoHistory::kMaxBytes);
}

class Backups : public testing::Test {
protected:
    void SetUp() override { qputenv("XDG_DATA_HOME", home.path().toUtf8()); }
    void TearDown() override { qunsetenv("XDG_DATA_HOME"); }
    QTemporaryDir home;
};

TEST_F(Backups, AreNamedByTimeAndTheNewestFiftyKept) {
    EXPECT_EQ(backups::Newest(), QString());
    Image image{};
    const QDateTime start(QDate(2026, 12, 7), QTime(9, 30, 0), Qt::UTC);
    ASSERT_TRUE(QDir().mkpath(backups::Folder()));
    WriteAll(backups::Folder() + "/mine.rdf", "a file of the user's");
    WriteAll(backups::Folder() + "/vr500-mine.rdf", "another file of the user's");
    for (int i = 0; i < 52; ++i) {
        image[kRadioImage] = Byte(i);
        const backups::Written w = backups::Write(image, start.addSecs(60 * i));
        ASSERT_TRUE(w.failure.isEmpty()) << w.failure.toStdString();
    }
    const QStringList all = backups::List();
    EXPECT_EQ(all.size(), backups::kKeepBackups);
    EXPECT_EQ(backups::Newest(), backups::Folder() + "/vr500-2026-12-07-102100Z-000052.rdf");
    EXPECT_EQ(all.last(), backups::Folder() + "/vr500-2026-12-07-093200Z-000003.rdf");
    EXPECT_EQ(ReadAll(backups::Newest()).at(kRadioImage), 51);
    EXPECT_TRUE(QFile::exists(backups::Folder() + "/mine.rdf"));
    EXPECT_TRUE(QFile::exists(backups::Folder() + "/vr500-mine.rdf"));

    // Two reads in one second both stay.
    const backups::Written again = backups::Write(image, start.addSecs(60 * 51));
    EXPECT_EQ(again.path, backups::Folder() + "/vr500-2026-12-07-102100Z-000053.rdf");
    EXPECT_EQ(backups::Newest(), again.path);
}

// The clock set back (or a time zone change) must not make the newest read look oldest.
TEST_F(Backups, OrderIsTheOrderOfReadsWhateverTheClock) {
    Image image{};
    const QDateTime now(QDate(2026, 12, 7), QTime(12, 0, 0), Qt::UTC);
    for (int i = 0; i < backups::kKeepBackups; ++i) {
        image[kRadioImage] = Byte(i);
        ASSERT_TRUE(backups::Write(image, now.addSecs(i)).failure.isEmpty());
    }
    image[kRadioImage] = 0xEE;
    const backups::Written late = backups::Write(image, now.addYears(-3));
    ASSERT_TRUE(late.failure.isEmpty());
    EXPECT_TRUE(QFile::exists(late.path));
    EXPECT_EQ(backups::Newest(), late.path);
    EXPECT_EQ(ReadAll(backups::Newest()).at(kRadioImage), char(0xEE));
    EXPECT_EQ(backups::List().size(), backups::kKeepBackups);
    EXPECT_EQ(ReadAll(backups::List().last()).at(kRadioImage), 1); // the first read went
}

// Backups made before sequence numbers are still listed (after the numbered ones), and are
// the first to go.
TEST_F(Backups, OlderNamesStayListed) {
    ASSERT_TRUE(QDir().mkpath(backups::Folder()));
    const QString old1 = backups::Folder() + "/vr500-2030-01-01-120000.rdf";
    const QString old2 = backups::Folder() + "/vr500-2030-01-01-120000_2.rdf";
    WriteAll(old1, "old");
    WriteAll(old2, "old");
    EXPECT_EQ(backups::List(), (QStringList{old2, old1}));
    const backups::Written w = backups::Write(Image{});
    EXPECT_EQ(backups::List(), (QStringList{w.path, old2, old1}));
    for (int i = 0; i < backups::kKeepBackups - 2; ++i)
        backups::Write(Image{});
    EXPECT_EQ(backups::List().last(), old2);
    EXPECT_FALSE(QFile::exists(old1));
}

// A link planted at the next name, pointing where the user may write, is neither written
// through nor replaced.
TEST_F(Backups, ANameThatExistsIsSkipped) {
    ASSERT_TRUE(QDir().mkpath(backups::Folder()));
    const QDateTime when(QDate(2026, 12, 7), QTime(9, 30, 0), Qt::UTC);
    const QString target = home.filePath("bashrc");
    const QString planted = backups::Folder() + "/vr500-2026-12-07-093000Z-000001.rdf";
    ASSERT_TRUE(QFile::link(target, planted));
    const backups::Written w = backups::Write(Image{}, when);
    ASSERT_TRUE(w.failure.isEmpty()) << w.failure.toStdString();
    EXPECT_EQ(w.path, backups::Folder() + "/vr500-2026-12-07-093000Z-000002.rdf");
    EXPECT_FALSE(QFile::exists(target));
    EXPECT_TRUE(QFileInfo(planted).isSymLink());
}

TEST_F(Backups, AFolderThatCannotBeMadeIsReported) {
    WriteAll(home.filePath("Tarnwick"), "a file where the folder should be");
    const backups::Written w = backups::Write(Image{});
    EXPECT_TRUE(w.path.isEmpty());
    EXPECT_TRUE(w.failure.startsWith("Cannot create folder:\n")) << w.failure.toStdString();
    EXPECT_EQ(backups::Newest(), QString());
}
