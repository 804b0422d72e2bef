// The transfer dialogs driven offscreen against corvinel-sim on a pseudo-terminal.

#include "e2e/SimProcess.h"
#include "link/CommPort.h"
#include "link/dialogs/CloneReadDlg.h"
#include "link/dialogs/CloneWriteDlg.h"
#include "radio/Radio.h"
#include "radio/Settings.h"
#include "support/ImageEdit.h"
#include "support/ScriptedPrompt.h"
#include "support/TempSettings.h"

#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace layout;

namespace {

class CloneDialogs : public testing::Test {
protected:
    TempSettings settings;
    QTemporaryDir dir;
    ScriptedPrompt prompt;
    CVR500Radio radio;
    CCommPort port{&prompt};
    SimProcess sim;

    QString Path(const char* name) const { return dir.filePath(QLatin1String(name)); }

    // Starts the simulator with args and opens the port on its device.
    void Connect(const QStringList& args) {
        const QString device = sim.Start(args);
        ASSERT_FALSE(device.isEmpty());
        port.SetPort(device);
        ASSERT_TRUE(port.Open());
    }
    void StartSending(const std::vector<Byte>& file, QStringList extra = {}) {
        ASSERT_TRUE(WriteFile(Path("radio.rdf"), file));
        Connect(QStringList{QStringLiteral("send"), Path("radio.rdf"),
                            QStringLiteral("--start-delay"), QStringLiteral("50")} +
                extra);
    }
    std::vector<Byte> RadioBytes(const Image& image) const {
        return {image.begin() + kRadioImage, image.begin() + kRadioImage + kRadioImageSize};
    }
    static std::vector<Byte> RadioBytes(const std::vector<Byte>& file) {
        return {file.begin() + kRadioImage, file.begin() + kRadioImage + kRadioImageSize};
    }
};

QPushButton* Button(QDialog& dialog, const QString& text) {
    for (QPushButton* b : dialog.findChildren<QPushButton*>())
        if (b->text() == text)
            return b;
    return nullptr;
}

// Runs f as soon as the dialog's event loop runs.
template <typename F> void Soon(F f, int ms = 0) {
    QTimer::singleShot(ms, f);
}

// Runs f once the progress bar has moved past zero.
template <typename F> void WhenDataFlows(QDialog& dialog, F f) {
    auto* poll = new QTimer(&dialog);
    QObject::connect(poll, &QTimer::timeout, &dialog, [&dialog, f, poll] {
        if (dialog.findChild<QProgressBar*>()->value() > 0) {
            poll->stop();
            f();
        }
    });
    poll->start(5);
}

void ClickWhenDataFlows(QDialog& dialog, const QString& button) {
    WhenDataFlows(dialog,
                  [&dialog, button] { QTest::mouseClick(Button(dialog, button), Qt::LeftButton); });
}

} // namespace

TEST_F(CloneDialogs, ReadFillsTheImageAndStoresTheReceiversCountry) {
    const auto file = PatternFile(1, 1);
    StartSending(file);
    FillImage(radio, 0x5A);
    const Image before = radio.EditImage();
    CCloneReadDlg dialog(radio, port, prompt);
    EXPECT_EQ(dialog.windowTitle(), "Read data from VR-500");
    ASSERT_NE(Button(dialog, "Cancel"), nullptr);
    EXPECT_TRUE(Button(dialog, "Cancel")->isDefault());

    EXPECT_EQ(dialog.exec(), CCloneReadDlg::kDone);
    EXPECT_EQ(RadioBytes(radio.EditImage()), RadioBytes(file));
    EXPECT_EQ(radio.SavedImage(), before); // kept for the caller to undo
    EXPECT_EQ(dialog.findChild<QProgressBar*>()->value(), 100);
    int country = 0, wideband = 0;
    EXPECT_TRUE(ReadCountrySettings(country, wideband));
    EXPECT_EQ(country, 1);
    EXPECT_EQ(wideband, 1);
    EXPECT_TRUE(prompt.messages.empty());
}

// The next write sends the stored version, so a read that could not store the receiver's
// version must say so. (A settings folder whose parent is a file stops root too.)
TEST_F(CloneDialogs, ReadWhoseVersionCannotBeStoredSaysSo) {
    StartSending(PatternFile(1, 0));
    ASSERT_TRUE(WriteFile(Path("blocker"), {}));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, Path("blocker"));
    CCloneReadDlg dialog(radio, port, prompt);
    EXPECT_EQ(dialog.exec(), CCloneReadDlg::kDone);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.Folder());
    ASSERT_EQ(prompt.messages.size(), 1u);
    const QString text = prompt.LastText();
    EXPECT_TRUE(text.startsWith("The data were read. The receiver's version (country 1, "
                                "wideband 0) could not be stored"))
        << qPrintable(text);
    EXPECT_EQ(prompt.messages[0].icon, PromptIcon::Exclamation);
    EXPECT_EQ(radio.Country(), 1); // what a save writes into the file
    EXPECT_EQ(radio.Wideband(), 0);
}

TEST_F(CloneDialogs, ReadFailuresShowTheirMessages) {
    struct Case {
        QStringList args;
        QString text, caption;
    } cases[] = {
        {{"--silence-after", "5"}, "The receiver stopped sending", "Comm Error"},
        {{"--bad-checksum", "3"}, "Checksum error", "error"},
    };
    for (const Case& c : cases) {
        ScriptedPrompt local;
        CCommPort localPort(&local);
        SimProcess localSim;
        ASSERT_TRUE(WriteFile(Path("radio.rdf"), PatternFile(4, 0)));
        localPort.SetPort(localSim.Start(QStringList{"send", Path("radio.rdf")} + c.args));
        ASSERT_TRUE(localPort.Open());
        CCloneReadDlg dialog(radio, localPort, local);
        EXPECT_EQ(dialog.exec(), CCloneReadDlg::kFailed) << c.text.toStdString();
        ASSERT_EQ(local.messages.size(), 1u);
        EXPECT_TRUE(local.messages[0].text.startsWith(c.text));
        EXPECT_EQ(local.messages[0].caption, c.caption);
    }
}

TEST_F(CloneDialogs, ReadCancelledBeforeAnyDataChangesNothing) {
    StartSending(PatternFile(1, 0), {"--start-delay", "20000"});
    FillImage(radio, 0x11);
    const Image before = radio.EditImage();
    CCloneReadDlg dialog(radio, port, prompt);
    Soon([&] { QTest::mouseClick(Button(dialog, "Cancel"), Qt::LeftButton); }, 100);
    EXPECT_EQ(dialog.exec(), CCloneReadDlg::kCancelled);
    EXPECT_EQ(radio.EditImage(), before);
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(CloneDialogs, ReadCancelledAfterDataBeganFailsQuietly) {
    StartSending(PatternFile(1, 0), {"--baud", "9600"});
    CCloneReadDlg dialog(radio, port, prompt);
    ClickWhenDataFlows(dialog, "Cancel");
    EXPECT_EQ(dialog.exec(), CCloneReadDlg::kFailed); // the caller restores the image
    EXPECT_TRUE(prompt.messages.empty());
    int country = 0, wideband = 0;
    EXPECT_FALSE(ReadCountrySettings(country, wideband)); // nothing stored
}

TEST_F(CloneDialogs, ReadHelpExplainsWhatToCheck) {
    CCloneReadDlg dialog(radio, port, prompt);
    QTest::mouseClick(Button(dialog, "&Help"), Qt::LeftButton);
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_TRUE(prompt.LastText().contains("Comport Setup"));
}

TEST_F(CloneDialogs, ClosingTheReadWindowCountsAsCancel) {
    StartSending(PatternFile(1, 0), {"--start-delay", "20000"});
    CCloneReadDlg dialog(radio, port, prompt);
    Soon([&] { dialog.close(); }, 50);
    EXPECT_EQ(dialog.exec(), CCloneReadDlg::kCancelled);
}

TEST_F(CloneDialogs, WriteSendsTheImageWithTheStoredCountry) {
    WriteCountrySettings(0, 1);
    Connect({"receive", Path("out.rdf")});
    radio.SetEditImage([] {
        Image image{};
        const auto file = PatternFile(3, 0, 9);
        std::copy(file.begin(), file.end(), image.begin());
        return image;
    }());
    CCloneWriteDlg dialog(radio, port, prompt);
    EXPECT_EQ(dialog.windowTitle(), "Write data to the VR-500");
    Soon([&] {
        QTest::mouseClick(Button(dialog, "OK"), Qt::LeftButton);
        QTest::mouseClick(Button(dialog, "OK"), Qt::LeftButton); // again: carries on
    });
    EXPECT_EQ(dialog.exec(), CCloneWriteDlg::kEnded);
    EXPECT_TRUE(dialog.Succeeded());
    ASSERT_EQ(prompt.messages.size(), 1u); // a finished write says so
    EXPECT_EQ(prompt.messages[0].text, "The data were written to the receiver.");
    EXPECT_EQ(prompt.messages[0].icon, PromptIcon::Information);
    EXPECT_EQ(dialog.findChild<QProgressBar*>()->value(), 100);

    for (int offset : ri::kClearedBeforeWrite)
        EXPECT_EQ(radio.EditRadio()[offset], 0) << offset;
    port.Close(); // the simulator ends when the program lets go of the line
    ASSERT_TRUE(sim.Result().startsWith("received 490 frames"));
    const auto received = RadioBytes(ReadFile(Path("out.rdf")));
    auto sent = RadioBytes(radio.EditImage());
    sent[ri::kCountryCode] = 0; // the start frame carries the stored settings
    sent[ri::kWidebandFlag] = 1;
    EXPECT_EQ(received, sent);
}

TEST_F(CloneDialogs, WriteRefusalShowsTheVersionMessage) {
    Connect({"receive", Path("out.rdf"), "--refuse", "0:80"});
    CCloneWriteDlg dialog(radio, port, prompt);
    Soon([&] { QTest::mouseClick(Button(dialog, "OK"), Qt::LeftButton); });
    EXPECT_EQ(dialog.exec(), CCloneWriteDlg::kEnded);
    EXPECT_FALSE(dialog.Succeeded());
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].text,
              "The current version of the file does not match the radio.\nRead data from the "
              "radio so the program can match the data to the radio.");
    EXPECT_EQ(prompt.messages[0].caption, "");
}

TEST_F(CloneDialogs, WriteCancelledBeforeOkSendsAndClearsNothing) {
    for (int offset : ri::kClearedBeforeWrite)
        radio.EditRadio()[offset] = 0xAA;
    const Image before = radio.EditImage();
    CCloneWriteDlg dialog(radio, port, prompt); // the port may even be closed
    Soon([&] { QTest::mouseClick(Button(dialog, "Cancel"), Qt::LeftButton); });
    EXPECT_EQ(dialog.exec(), 2); // the result every caller knows as the user's Cancel
    EXPECT_EQ(radio.EditImage(), before);
}

// The close box is no Cancel: the dialog ends itself, as after any other ending of its own.
TEST_F(CloneDialogs, ClosingTheWriteWindowEndsIt) {
    const Image before = radio.EditImage();
    {
        CCloneWriteDlg dialog(radio, port, prompt);
        Soon([&] { dialog.close(); });
        EXPECT_EQ(dialog.exec(), CCloneWriteDlg::kEnded);
        EXPECT_EQ(radio.EditImage(), before);
    }
    Connect({"receive", Path("out.rdf"), "--baud", "9600"});
    CCloneWriteDlg dialog(radio, port, prompt);
    Soon([&] { QTest::mouseClick(Button(dialog, "OK"), Qt::LeftButton); });
    WhenDataFlows(dialog, [&dialog] { dialog.close(); });
    EXPECT_EQ(dialog.exec(), CCloneWriteDlg::kEnded);
    EXPECT_FALSE(dialog.Succeeded());
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_TRUE(prompt.messages[0].text.contains("partly written image"))
        << prompt.LastText().toStdString();
}

TEST_F(CloneDialogs, WriteCancelledMidwayStopsSending) {
    Connect({"receive", Path("out.rdf"), "--baud", "9600"});
    CCloneWriteDlg dialog(radio, port, prompt);
    Soon([&] { QTest::mouseClick(Button(dialog, "OK"), Qt::LeftButton); });
    ClickWhenDataFlows(dialog, "Cancel");
    EXPECT_EQ(dialog.exec(), CCloneWriteDlg::kCancelled);
    EXPECT_FALSE(dialog.Succeeded());
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].text,
              "Cancelled. The receiver now holds a partly written image.\nTo recover, put it in "
              "clone mode again and write the data again.");
    EXPECT_EQ(prompt.messages[0].icon, PromptIcon::Exclamation);
}

// The receiver stops answering after it took part of the data: the failure says what it holds.
TEST_F(CloneDialogs, WriteFailingMidwaySaysTheReceiverHoldsPartOfTheData) {
    Connect({"receive", Path("out.rdf"), "--refuse", "5:80"});
    CCloneWriteDlg dialog(radio, port, prompt);
    Soon([&] { QTest::mouseClick(Button(dialog, "OK"), Qt::LeftButton); });
    EXPECT_EQ(dialog.exec(), CCloneWriteDlg::kEnded);
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_TRUE(prompt.messages[0].text.contains("partly written image"))
        << prompt.LastText().toStdString();
    EXPECT_EQ(prompt.messages[0].icon, PromptIcon::Stop);
}
