#pragma once
// Settings controls described by a table. Each row names where a setting lives in the clone
// image (offsets and bits by name from radio/Layout.h) and how it is shown: a drop-down list,
// a group of radio buttons or a check box. ControlTable builds the widgets with accessible
// names, loads them from the clone image and stores them back, writing only the bits its rows
// own; every other bit of a shared byte is kept. A new setting is one row.
//
// Usage:
//   using namespace layout::ri;
//   const std::vector<ControlRow> rows = {
//       ControlRow::List("RF Squelch", kRfSquelch, {"Off", "1", "2"}),  // byte = position
//       ControlRow::List("Opening Bell", kOpeningBell, {"Off", "1: Pi"}, {3, 0}), // codes
//       ControlRow::Check("Japanese", kJapaneseBit, ControlRow::kInverted), // bit 0 = checked
//       ControlRow::Check("Monitor", kMonitorBit),                          // bit 1 = checked
//       ControlRow::Radio("Lock Mode", kLockModeBit, {"Key", "Key + Dial"}), // one bit
//       ControlRow::Radio("Open Message", kOpenMessageMode, {"Default", "Off", "User"}),
//   };
//   ControlTable table(rows, this);               // widgets are children of this
//   form->addRow(table.Label("RF Squelch"), table.Widget("RF Squelch"));
//   table.Load(radio.EditRadio());                // in OnSetActive
//   table.Store(radio.EditRadio());               // in OnKillActive
//   table.OnChanged([this] { ... });              // the user changed a control
//
// A stored value that is none of a row's codes shows no selection. Whatever the user has not
// changed since Load (such a value included) is written back exactly as it was loaded, and
// Store before any Load writes nothing.

#include "radio/Codecs.h"
#include "radio/Layout.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;
class QWidget;

// The bits of one clone-image byte a control owns. Converts implicitly from a whole-byte
// offset and from a single SettingBit so table rows stay short.
struct ByteField {
    int offset;
    Byte mask;
    ByteField(int wholeByte) : offset(wholeByte), mask(0xFF) {}
    ByteField(layout::ri::SettingBit b) : offset(b.offset), mask(static_cast<Byte>(1u << b.bit)) {}
    ByteField(int offset_, Byte mask_) : offset(offset_), mask(mask_) {}
};

struct ControlRow {
    enum class Kind { List, Radio, Check };
    static constexpr bool kInverted = true;

    Kind kind;
    QString label; // the list's label, the group's title or the check box's text
    ByteField field;
    bool inverted = false; // check box: the bit is 0 when checked
    QStringList choices;   // list entries or radio buttons, in order
    // The value stored for each choice, counted in the field's lowest bit; empty: the position.
    std::vector<int> codes;

    static ControlRow List(const QString& label, ByteField field, const QStringList& choices,
                           std::vector<int> codes = {});
    static ControlRow Radio(const QString& label, ByteField field, const QStringList& choices,
                            std::vector<int> codes = {});
    static ControlRow Check(const QString& label, ByteField field, bool inverted = false);

    int CodeOf(int position) const;
    int PositionOf(int code) const; // -1 when no choice has that code
};

class ControlTable {
public:
    ControlTable(std::vector<ControlRow> rows, QWidget* parent);
    ~ControlTable();
    ControlTable(const ControlTable&) = delete;
    ControlTable& operator=(const ControlTable&) = delete;

    // ri is the start of the clone image.
    void Load(const Byte* ri);
    void Store(Byte* ri) const;

    // The widget to place: the combo box, the check box or the group box of radio buttons.
    QWidget* Widget(const QString& label) const;
    QLabel* Label(const QString& label) const; // lists only; nullptr otherwise
    QComboBox* Combo(const QString& label) const;
    QCheckBox* CheckBox(const QString& label) const;
    QGroupBox* Group(const QString& label) const;
    QList<QRadioButton*> Buttons(const QString& label) const;

    // The shown choice (check box: 1 checked, 0 clear); -1 when nothing is selected.
    int Selection(const QString& label) const;
    void SetSelection(const QString& label, int position);

    // Called whenever the user changes a control (not when Load or SetSelection does).
    void OnChanged(std::function<void()> changed) { changed_ = std::move(changed); }

private:
    struct Entry;
    std::size_t IndexOf(const QString& label) const;
    const Entry& Find(const QString& label) const;
    static int Current(const Entry& e);
    static void Show(Entry& e, int position);

    std::vector<Entry> entries_;
    bool loaded_ = false; // nothing is stored before the controls were loaded
    std::function<void()> changed_;
};
