#include "pages/PageMain.h"
#include "PageTestSupport.h"
#include "pages/ControlTable.h"
#include "pages/FrequencyField.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <gtest/gtest.h>

using namespace layout::ri;

namespace {
class PageMainTest : public testing::Test {
protected:
    PageModel m;
    CPageMain page{m.radio};
    ControlTable& t = page.Controls();

    QString Shown(const char* list) { return t.Combo(list)->currentText(); }
    bool Checked(const char* box) { return t.CheckBox(box)->isChecked(); }
    // Shows the page on the current image, lets edit run, and leaves the page.
    template <typename F> void Edit(F edit) {
        page.OnSetActive();
        edit();
        EXPECT_TRUE(page.OnKillActive());
    }
};
} // namespace

TEST_F(PageMainTest, ShowingAndLeavingChangesNoByte) {
    m.NewFor(kVersions[0]);
    const Image fresh = m.radio.EditImage();
    EXPECT_TRUE(page.OnKillActive()); // never shown: nothing to store
    EXPECT_EQ(m.radio.EditImage(), fresh);
    for (const Version& v : kVersions) {
        m.NewFor(v);
        const Image before = m.radio.EditImage();
        Edit([] {});
        EXPECT_EQ(m.radio.EditImage(), before) << v.name;
    }
    // Random bytes everywhere: values outside the lists, zero bytes and odd padding in the
    // message, codes the encoder never writes.
    for (unsigned seed = 1; seed <= 20; ++seed) {
        m.FillRandom(seed);
        Edit([] {});
        EXPECT_EQ(m.radio.EditImage(), m.radio.SavedImage()) << "seed " << seed;
    }
    EXPECT_TRUE(m.prompt.messages.empty());
}

TEST_F(PageMainTest, DefaultImagesShowTheirVersionsSettings) {
    m.NewFor(kVersions[0]); // Japan
    page.OnSetActive();
    EXPECT_EQ(Shown("RF Squelch"), "Off");
    EXPECT_EQ(Shown("Battery Saver"), "Off");
    EXPECT_EQ(Shown("Contrast"), "7");
    EXPECT_EQ(Shown("Opening Bell"), "1: Pi");
    EXPECT_EQ(Shown("# of Channels"), "31 Channels");
    EXPECT_EQ(t.Selection("Open Message"), 2);
    EXPECT_EQ(t.Selection("Lock Mode"), 1);
    EXPECT_EQ(t.Selection("Lamp Mode"), 0);
    EXPECT_EQ(t.Selection("Smart Search"), 0);
    EXPECT_EQ(t.Selection("Meter Symbol"), 0);
    for (const char* on :
         {"Auto Receive Mode", "Keypad Lamp", "Keypad Beeper", "Flex Step", "Japanese"})
        EXPECT_TRUE(Checked(on)) << on;
    EXPECT_FALSE(Checked("Attenuator"));
    EXPECT_FALSE(Checked("Monitor"));
    EXPECT_EQ(page.MessageEdit()->text(), "");
    EXPECT_EQ(page.SmartSearchLower()->text(), "100.00000");
    EXPECT_EQ(page.SmartSearchUpper()->text(), "300.00000");

    m.NewFor(kVersions[3]); // general
    page.OnSetActive();
    EXPECT_EQ(Shown("Battery Saver"), "1:4 (1 sec)");
    EXPECT_EQ(t.Selection("Open Message"), 0);
    EXPECT_FALSE(Checked("Japanese"));
    EXPECT_EQ(page.SmartSearchLower()->text(), "144.30000");
    EXPECT_EQ(page.SmartSearchStart()->text(), "146.00000");
    EXPECT_EQ(page.SmartSearchUpper()->text(), "147.99500");
}

TEST_F(PageMainTest, ListsAndSharedBytesAreCodedAsTheReceiverKeepsThem) {
    m.NewFor(kVersions[3]);
    m.ri()[kOpeningBell] = 3;
    m.ri()[kContrast] = 13;
    Edit([&] {
        EXPECT_EQ(Shown("Opening Bell"), "Off");
        EXPECT_EQ(Shown("Contrast"), "14");
        t.Combo("Opening Bell")->setCurrentIndex(3);
        t.Combo("Contrast")->setCurrentIndex(0);
    });
    EXPECT_EQ(m.ri()[kOpeningBell], 2);
    EXPECT_EQ(m.ri()[kContrast], 0);
    Edit([&] {
        EXPECT_EQ(Shown("Opening Bell"), "3: Pi-Pi");
        t.Combo("Opening Bell")->setCurrentIndex(0);
    });
    EXPECT_EQ(m.ri()[kOpeningBell], 3);

    // 0x9B all clear and all set; the page flips every one of its bits and no other.
    const char* boxes[] = {"Auto Receive Mode", "Keypad Lamp", "Keypad Beeper", "Japanese"};
    m.ri()[kLampModeBit.offset] = 0x00;
    Edit([&] {
        for (const char* box : boxes) {
            EXPECT_TRUE(Checked(box)) << box;
            t.CheckBox(box)->setChecked(false);
        }
        EXPECT_EQ(t.Selection("Lamp Mode"), 0);
        t.Buttons("Lamp Mode")[1]->setChecked(true);
    });
    EXPECT_EQ(m.ri()[kLampModeBit.offset], 0xB6);
    m.ri()[kLampModeBit.offset] = 0xFF;
    Edit([&] {
        for (const char* box : boxes) {
            EXPECT_FALSE(Checked(box)) << box;
            t.CheckBox(box)->setChecked(true);
        }
        EXPECT_EQ(t.Selection("Lamp Mode"), 1);
        t.Buttons("Lamp Mode")[0]->setChecked(true);
    });
    EXPECT_EQ(m.ri()[kLampModeBit.offset], 0x49);

    // "Attenuator" owns bit 2 of its byte; the lock mode bit 7 is left as shown.
    for (Byte before : {Byte{0x00}, Byte{0x7B}}) {
        m.ri()[kAttenuatorBit.offset] = before;
        Edit([&] { t.CheckBox("Attenuator")->setChecked(true); });
        EXPECT_EQ(m.ri()[kAttenuatorBit.offset], before | 0x04);
    }

    // Flex Step (inverted), Monitor and the Smart Search mode share a byte with other pages.
    m.ri()[kFlexStepBit.offset] = 0x41;
    Edit([&] {
        EXPECT_TRUE(Checked("Flex Step"));
        t.CheckBox("Flex Step")->setChecked(false);
        t.CheckBox("Monitor")->setChecked(true);
        t.Buttons("Smart Search")[1]->setChecked(true);
    });
    EXPECT_EQ(m.ri()[kFlexStepBit.offset], 0x41 | 0x20 | 0x04 | 0x08);
}

TEST_F(PageMainTest, OpenMessageIsPaddedWithSpacesAndTrimmedWhenShown) {
    m.NewFor(kVersions[3]);
    auto message = [&] { return QByteArray(reinterpret_cast<char*>(m.ri() + kOpenMessage), 8); };
    Edit([&] { page.MessageEdit()->setText("ABC"); });
    EXPECT_EQ(message(), "ABC     ");
    Edit([&] {
        EXPECT_EQ(page.MessageEdit()->text(), "ABC");
        page.MessageEdit()->setText("  X Y");
    });
    EXPECT_EQ(message(), "  X Y   ");
    Edit([&] {
        EXPECT_EQ(page.MessageEdit()->text(), "  X Y");
        page.MessageEdit()->setText("");
    });
    EXPECT_EQ(message(), "        ");

    // Tabs and line breaks at the end are padding too, and a zero byte ends the text. Left
    // alone, such a message keeps its bytes; edited, it is written the program's way.
    std::memcpy(m.ri() + kOpenMessage, "HI\t\r\n\0QZ", 8);
    Edit([&] { EXPECT_EQ(page.MessageEdit()->text(), "HI"); });
    EXPECT_EQ(message(), QByteArray("HI\t\r\n\0QZ", 8));
    Edit([&] { page.MessageEdit()->setText("HI!"); });
    EXPECT_EQ(message(), "HI!     ");
    // Stored while the page stays shown (a save), then the edit undone: the bytes come back.
    std::memcpy(m.ri() + kOpenMessage, "HI\t\r\n\0QZ", 8);
    page.OnSetActive();
    page.MessageEdit()->setText("NEW");
    page.OnKillActive();
    page.MessageEdit()->setText("HI");
    page.OnKillActive();
    EXPECT_EQ(message(), QByteArray("HI\t\r\n\0QZ", 8));

    // The edit holds 8 characters, and only characters the receiver can show.
    QLineEdit* edit = page.MessageEdit();
    EXPECT_EQ(edit->maxLength(), 8);
    int pos = 0;
    QString hanzi = QStringLiteral("A\u4E2D");
    EXPECT_EQ(edit->validator()->validate(hanzi, pos), QValidator::Invalid);
    QString kana = QStringLiteral("\uFF71\uFF72");
    EXPECT_EQ(edit->validator()->validate(kana, pos), QValidator::Acceptable);
}

TEST_F(PageMainTest, SmartSearchFieldsNormaliseAndRefuseWhatTheCodeCannotHold) {
    m.NewFor(kVersions[3]);
    Edit([&] {
        FrequencyField* lower = page.SmartSearchLower();
        EXPECT_EQ(lower->maxLength(), 10);
        lower->setText("145.0125");
        LoseFocus(lower);
        EXPECT_EQ(lower->text(), "145.01250");
        page.SmartSearchStart()->setText("nonsense");
        LoseFocus(page.SmartSearchStart());
        EXPECT_EQ(page.SmartSearchStart()->text(), "0.00000");
        page.SmartSearchUpper()->setText("1700");
    });
    EXPECT_EQ(DecodeDigits(m.ri() + kSmartSearchLower, 8), 145'012'500);
    const Byte lower[4] = {0x14, 0x50, 0x12, 0x50};
    EXPECT_TRUE(std::equal(lower, lower + 4, m.ri() + kSmartSearchLower));
    EXPECT_EQ(DecodeDigits(m.ri() + kSmartSearchStart, 8), 0);
    // Refused with a message; the stored upper limit is the one the page showed.
    ASSERT_EQ(m.prompt.messages.size(), 1u);
    EXPECT_TRUE(m.prompt.LastText().contains("1700.00000"));
    EXPECT_EQ(DecodeDigits(m.ri() + kSmartSearchUpper, 8), 147'995'000);
}

TEST_F(PageMainTest, EveryControlIsNamedAndHasItsOwnPlace) {
    EXPECT_EQ(page.Title(), "Setting");
    EXPECT_EQ(page.HelpContext(), 105);
    EXPECT_EQ((UnnamedControls<QComboBox, QCheckBox, QRadioButton, QLineEdit>(&page)),
              QStringList());
    EXPECT_EQ((OverlappingControls<QComboBox, QCheckBox, QRadioButton, QLineEdit, QLabel>(&page)),
              QStringList());
}
