#include "pages/ControlTable.h"
#include "PageTestSupport.h"
#include "pages/FrequencyField.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QWidget>
#include <gtest/gtest.h>

using namespace layout::ri;

namespace {
std::vector<ControlRow> SampleRows() {
    return {
        ControlRow::List("Bell", kOpeningBell, {"Off", "1: Pi", "2: Po-Pi"}, {3, 0, 1}),
        ControlRow::List("Squelch", kRfSquelch, {"Off", "1", "2"}),
        ControlRow::Radio("Message", kOpenMessageMode, {"Default", "Off", "User"}),
        ControlRow::Radio("Lock", kLockModeBit, {"Key", "Key + Dial"}),
        ControlRow::Check("Lamp", kKeypadLampBit, ControlRow::kInverted),
        ControlRow::Check("Attenuator", kAttenuatorBit),
        ControlRow::Radio("Symbol", kMeterSymbol, {"", "", ""}),
    };
}
} // namespace

// One table over shared bytes: what each row shows, what it writes, and what it leaves alone.
TEST(ControlTableTest, RowsShowAndWriteOnlyTheirOwnBits) {
    QWidget page;
    ControlTable table(SampleRows(), &page);
    Byte ri[0x100] = {};
    table.Store(ri); // nothing loaded yet: nothing to store
    EXPECT_EQ(std::count(std::begin(ri), std::end(ri), 0), 0x100);
    ri[kOpeningBell] = 3;
    ri[kRfSquelch] = 7; // not in the list
    ri[kOpenMessageMode] = 2;
    ri[kLockModeBit.offset] = 0x7B; // lock bit clear, attenuator bit clear, the rest set
    ri[kKeypadLampBit.offset] = 0xFF;
    ri[kMeterSymbol] = 9; // not in the group

    table.Load(ri);
    EXPECT_EQ(table.Selection("Bell"), 0);
    EXPECT_EQ(table.Selection("Squelch"), -1);
    EXPECT_EQ(table.Combo("Squelch")->currentText(), QString());
    EXPECT_EQ(table.Selection("Message"), 2);
    EXPECT_EQ(table.Selection("Lock"), 0);
    EXPECT_EQ(table.Selection("Lamp"), 0); // inverted: the bit is set, so clear
    EXPECT_EQ(table.Selection("Attenuator"), 0);
    EXPECT_EQ(table.Selection("Symbol"), -1);
    for (QRadioButton* b : table.Buttons("Symbol"))
        EXPECT_FALSE(b->isChecked());

    // Untouched, every byte comes back as it was, the values outside the lists included.
    Byte copy[0x100];
    std::copy(std::begin(ri), std::end(ri), copy);
    table.Store(copy);
    EXPECT_TRUE(std::equal(std::begin(ri), std::end(ri), copy));

    table.SetSelection("Bell", 2);
    table.SetSelection("Squelch", 1);
    table.SetSelection("Lock", 1);
    table.CheckBox("Lamp")->setChecked(true);
    table.CheckBox("Attenuator")->setChecked(true);
    // A group loaded with none checked is still one choice: a second click moves the check.
    table.Buttons("Symbol")[2]->click();
    table.Buttons("Symbol")[1]->click();
    EXPECT_FALSE(table.Buttons("Symbol")[2]->isChecked());
    table.Store(ri);
    EXPECT_EQ(ri[kOpeningBell], 1);
    EXPECT_EQ(ri[kRfSquelch], 1);
    EXPECT_EQ(ri[kLockModeBit.offset], 0xFF);
    EXPECT_EQ(ri[kKeypadLampBit.offset], 0xDF);
    EXPECT_EQ(ri[kMeterSymbol], 1);

    // A second store after the user went back to the loaded values restores them.
    table.SetSelection("Lock", 0);
    table.CheckBox("Attenuator")->setChecked(false);
    table.Store(ri);
    EXPECT_EQ(ri[kLockModeBit.offset], 0x7B);
}

TEST(ControlTableTest, EveryControlHasANameAScreenReaderSays) {
    QWidget page;
    ControlTable table(SampleRows(), &page);
    for (const char* label : {"Bell", "Squelch", "Message", "Lock", "Lamp", "Attenuator"}) {
        EXPECT_EQ(SpokenName(table.Widget(label)), label);
    }
    EXPECT_EQ(table.Label("Squelch")->buddy(), table.Combo("Squelch"));
    EXPECT_EQ(table.Buttons("Message")[1]->accessibleName(), "Off");
    EXPECT_EQ(table.Buttons("Symbol")[2]->accessibleName(), "Symbol 3");
}

TEST(FrequencyFieldTest, TextIsNormalisedAndValuesTooLargeToStoreAreRefused) {
    PageModel m;
    ScriptedPrompt& prompt = m.prompt;
    FrequencyField field(m.radio, 10);
    EXPECT_EQ(field.maxLength(), 10);

    Byte code[4] = {0x14, 0x65, 0x20, 0x00}; // 146.52 MHz
    field.Load(code);
    EXPECT_EQ(field.text(), "146.52000");

    field.setText("145.0125");
    LoseFocus(&field);
    EXPECT_EQ(field.text(), "145.01250");
    field.setText("abc");
    LoseFocus(&field);
    EXPECT_EQ(field.text(), "0.00000");
    field.setText("0.5");
    LoseFocus(&field);
    EXPECT_EQ(field.text(), "0.50000");
    EXPECT_TRUE(prompt.messages.empty());

    field.setText("1600");
    LoseFocus(&field);
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_TRUE(prompt.LastText().contains("1599.99995"));
    EXPECT_EQ(prompt.messages[0].buttons, PromptButtons::Ok);
    EXPECT_EQ(field.text(), "0.50000");

    // Typed and left without a focus change: storing refuses it too and keeps the last value.
    field.setText("1599.99999");
    field.Store(code);
    EXPECT_EQ(prompt.messages.size(), 2u);
    EXPECT_EQ(DecodeDigits(code, 8), 500'000);
    field.setText("1599.99995");
    field.Store(code);
    EXPECT_EQ(DecodeDigits(code, 8), 1'599'999'950);
    EXPECT_EQ(prompt.messages.size(), 2u);
}

TEST(FrequencyFieldTest, AnUnchangedValueKeepsItsStoredBytes) {
    PageModel m;
    FrequencyField field(m.radio, 10);
    Byte out[4] = {1, 2, 3, 4};
    field.Store(out); // nothing loaded yet: nothing to store
    EXPECT_EQ(out[0], 1);
    // Nibbles the encoder never writes, one of them decoding above what it could write back.
    Byte odd[4] = {0xFA, 0xB1, 0x23, 0x4C};
    field.Load(odd);
    LoseFocus(&field);
    field.Store(out);
    EXPECT_TRUE(std::equal(std::begin(odd), std::end(odd), out));

    field.setText("145");
    field.Store(out);
    EXPECT_EQ(DecodeDigits(out, 8), 145'000'000);
}
