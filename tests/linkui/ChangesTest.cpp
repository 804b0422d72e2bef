// A read keeps a backup; Send Data tells what it will change against it; the Compare window.

#include "e2e/SimProcess.h"
#include "link/CommPort.h"
#include "link/dialogs/CloneReadDlg.h"
#include "link/dialogs/CloneWriteDlg.h"
#include "link/dialogs/CompareDlg.h"
#include "radio/Backups.h"
#include "radio/Radio.h"
#include "support/Files.h"
#include "support/ScriptedPrompt.h"
#include "support/TempSettings.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace layout;

namespace {

class Changes : public testing::Test {
protected:
    TempSettings settings;
    QTemporaryDir dir;
    ScriptedPrompt prompt;
    CVR500Radio radio;
    CCommPort port{&prompt};
    SimProcess sim;

    void ReadFromReceiver(const std::vector<Byte>& file) {
        ASSERT_TRUE(WriteFile(dir.filePath("radio.rdf"), file));
        const QString device =
            sim.Start({"send", dir.filePath("radio.rdf"), "--start-delay", "50"});
        ASSERT_FALSE(device.isEmpty());
        port.SetPort(device);
        ASSERT_TRUE(port.Open());
        radio.NewImage();
        CCloneReadDlg dialog(radio, port, prompt);
        ASSERT_EQ(dialog.exec(), CCloneReadDlg::kDone);
        port.Close();
    }
};

QPushButton* Button(QWidget& dialog, const QString& text) {
    for (QPushButton* b : dialog.findChildren<QPushButton*>())
        if (b->text() == text)
            return b;
    return nullptr;
}

// The lines the list shows: the groups, and the differences of the groups that are open.
QStringList Items(QTreeWidget* tree) {
    QStringList items;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* group = tree->topLevelItem(i);
        items << group->text(0);
        for (int j = 0; group->isExpanded() && j < group->childCount(); ++j)
            items << "  " + group->child(j)->text(0);
    }
    return items;
}

} // namespace

TEST_F(Changes, SendDataTellsWhatChangesSinceTheLastRead) {
    CCloneWriteDlg before(radio, port, prompt);
    EXPECT_TRUE(before.findChild<QLabel*>("changesSummary")
                    ->text()
                    .startsWith("No data read from the receiver has been kept"));
    EXPECT_EQ(Button(before, "Show &Changes..."), nullptr);

    ReadFromReceiver(PatternFile(4, 0, 3));
    ASSERT_EQ(backups::List().size(), 1);
    EXPECT_EQ(ReadAll(backups::Newest()),
              QByteArray(reinterpret_cast<const char*>(radio.EditImage().data()), kImageSize));
    EXPECT_TRUE(prompt.messages.empty());

    // One channel and one setting changed since.
    Byte* used = radio.EditRadio() + ri::kChannelUsedBitmap;
    CRadio::SetBit(used, 9, !CRadio::GetBit(used, 9));
    radio.EditRadio()[ri::kDualWatchPairIndex] ^= 1;
    CCloneWriteDlg dialog(radio, port, prompt);
    const QString summary = dialog.findChild<QLabel*>("changesSummary")->text();
    EXPECT_TRUE(summary.startsWith("Compared with the data last read from the receiver ("));
    EXPECT_TRUE(summary.endsWith("), 1 channel and 1 setting will change."))
        << summary.toStdString();

    QStringList shown;
    QTimer::singleShot(0, [&] {
        auto* list = qobject_cast<CCompareDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->windowTitle(), "Compare");
        shown = Items(list->List());
        list->reject();
    });
    QTest::mouseClick(Button(dialog, "Show &Changes..."), Qt::LeftButton);
    ASSERT_EQ(shown.size(), 6) << shown.join('\n').toStdString();
    EXPECT_EQ(shown[0], "Memory channels (1)");
    EXPECT_TRUE(shown[1].startsWith("  Channel 10 (bank 0) ")) << shown[1].toStdString();
    EXPECT_EQ(shown[2], "Settings and lists (1)");
    EXPECT_TRUE(shown[3].startsWith("  Select Dual Watch memory pair (Dual Watch page): "));
    // The set-mode bytes a write clears were not zero in what the receiver sent.
    EXPECT_EQ(shown[4], "Data no page shows (1)");
    EXPECT_EQ(shown[5], "  14 other bytes differ (data no page shows)");
}

TEST_F(Changes, AReadWhoseBackupCannotBeWrittenStillCounts) {
    WriteAll(settings.DataFolder(), "a file where the data folder should be");
    ReadFromReceiver(PatternFile(4, 0, 3));
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_TRUE(prompt.LastText().startsWith(
        "The data were read, but no backup of them could be kept:\nCannot create folder:"));
    EXPECT_EQ(prompt.messages[0].icon, PromptIcon::Exclamation);
}

TEST_F(Changes, CompareWithAFileListsWhatDiffersFromIt) {
    radio.NewImage();
    ASSERT_TRUE(radio.SaveTo(dir.filePath("saved.rdf")));
    radio.EditRadio()[ri::kContrast] = 0;
    radio.SetPrompt(&prompt);

    prompt.openPaths = {dir.filePath("saved.rdf"), dir.filePath("missing.rdf")};
    QPointer<CCompareDlg> list = CCompareDlg::CompareWithFile(radio, prompt, nullptr);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(prompt.openRequests.at(0).title, "Compare With");
    EXPECT_EQ(Items(list->List()),
              QStringList({"Settings and lists (1)", "  Contrast (Setting page): 7 → 1"}));
    EXPECT_EQ(list->Text(), "Contrast (Setting page): 7 → 1\n");
    list->close(); // it stays open until closed, then goes
    QTest::qWait(0);
    EXPECT_TRUE(list.isNull());

    EXPECT_EQ(CCompareDlg::CompareWithFile(radio, prompt, nullptr), nullptr); // not there
    EXPECT_EQ(prompt.LastText(), "Cannot open file:\n" + dir.filePath("missing.rdf"));
}
