#include "link/dialogs/CommSetupDlg.h"
#include "radio/Settings.h"
#include "support/ScriptedPrompt.h"
#include "support/TempSettings.h"

#include <QComboBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
// Answers the dialog once it shows: types text (when given) and presses OK or Cancel.
void Answer(CCommSetupDlg& dialog, const QString& text, bool ok) {
    QTimer::singleShot(0, &dialog, [&dialog, text, ok] {
        if (!text.isNull())
            dialog.Combo()->setEditText(text);
        ok ? dialog.accept() : dialog.reject();
    });
}
} // namespace

TEST(CommSetupDlg, ListsNoneTheNineComPortsThenTheDetectedDevices) {
    CCommSetupDlg dialog(nullptr, {"/dev/ttyUSB0", "/dev/ttyACM0"});
    QComboBox* combo = dialog.Combo();
    ASSERT_EQ(combo->count(), 12);
    EXPECT_EQ(combo->itemText(0), "None");
    EXPECT_EQ(combo->itemText(1), "Com 1");
    EXPECT_EQ(combo->itemText(9), "Com 9");
    EXPECT_EQ(combo->itemText(10), "/dev/ttyUSB0");
    EXPECT_EQ(dialog.PortAt(0), "0");
    EXPECT_EQ(dialog.PortAt(3), "3");
    EXPECT_EQ(dialog.PortAt(11), "/dev/ttyACM0");
    EXPECT_EQ(dialog.windowTitle(), "Comm Port Setup");
}

TEST(CommSetupDlg, ChoosesAPortOrCancels) {
    struct Case {
        const char* current;
        QString typed; // null: leave the selection alone
        bool ok;
        std::optional<QString> want;
    } cases[] = {
        {"2", QString(), true, QString("2")},
        {"0", QString(), true, QString("0")},
        {"/dev/ttyUSB0", QString(), true, QString("/dev/ttyUSB0")},
        {"2", "Com 7", true, QString("7")},
        {"2", "/dev/ttyS42", true, QString("/dev/ttyS42")},
        {"2", "fast port", true, std::nullopt}, // names nothing: as Cancel
        {"2", QString(), false, std::nullopt},
    };
    for (const Case& c : cases) {
        CCommSetupDlg dialog(nullptr, {"/dev/ttyUSB0"});
        Answer(dialog, c.typed, c.ok);
        EXPECT_EQ(dialog.Choose(c.current), c.want) << c.current << " " << c.typed.toStdString();
    }
}

TEST(CommSetupDlg, ShowsTheCurrentPortSelected) {
    CCommSetupDlg dialog(nullptr, {});
    QString shown;
    QTimer::singleShot(0, &dialog, [&] {
        shown = dialog.Combo()->currentText();
        dialog.reject();
    });
    dialog.Choose("4");
    EXPECT_EQ(shown, "Com 4");
}

TEST(CommSetupDlg, DrivesThePortSetupLoop) {
    TempSettings settings;
    ScriptedPrompt prompt;
    CCommPort port(&prompt);
    CCommSetupDlg dialog(nullptr, {});
    // A device that does not exist: the message, then the dialog again; the user cancels.
    Answer(dialog, "/dev/corvinel-missing", true);
    QTimer::singleShot(50, &dialog, [&] { dialog.reject(); });
    EXPECT_FALSE(port.Setup(dialog));
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_TRUE(prompt.messages[0].text.contains(": Invalid or unsupported port."));
    EXPECT_EQ(prompt.messages[0].caption, "Com port error");
    EXPECT_EQ(ReadCommPort(), "0");
}
