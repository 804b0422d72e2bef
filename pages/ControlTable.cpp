#include "pages/ControlTable.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>
#include <bit>

ControlRow ControlRow::List(const QString& label, ByteField field, const QStringList& choices,
                            std::vector<int> codes) {
    return {Kind::List, label, field, false, choices, std::move(codes)};
}

ControlRow ControlRow::Radio(const QString& label, ByteField field, const QStringList& choices,
                             std::vector<int> codes) {
    return {Kind::Radio, label, field, false, choices, std::move(codes)};
}

ControlRow ControlRow::Check(const QString& label, ByteField field, bool inverted) {
    return {Kind::Check, label, field, inverted, {}, {}};
}

int ControlRow::CodeOf(int position) const {
    return codes.empty() ? position : codes[static_cast<std::size_t>(position)];
}

int ControlRow::PositionOf(int code) const {
    if (codes.empty())
        return (code >= 0 && code < choices.size()) ? code : -1;
    for (std::size_t i = 0; i < codes.size(); ++i) {
        if (codes[i] == code)
            return static_cast<int>(i);
    }
    return -1;
}

struct ControlTable::Entry {
    ControlRow row;
    QLabel* label = nullptr;
    QComboBox* combo = nullptr;
    QCheckBox* check = nullptr;
    QGroupBox* group = nullptr;
    QButtonGroup* buttons = nullptr;
    int loadedPosition = -1;
    Byte loadedBits = 0;
};

namespace {

// Labels and choices are marked in the pages' tables with the context "ControlTable".
QString Shown(const QString& text) {
    return text.isEmpty() ? text
                          : QCoreApplication::translate("ControlTable", text.toUtf8().constData());
}

} // namespace

ControlTable::ControlTable(std::vector<ControlRow> rows, QWidget* parent) {
    const auto changed = [this] {
        if (changed_)
            changed_();
    };
    entries_.reserve(rows.size());
    for (ControlRow& row : rows) {
        Entry e{std::move(row)};
        // Rows are found by their English label; only the widgets show the translation.
        const QString name = Shown(e.row.label);
        switch (e.row.kind) {
        case ControlRow::Kind::List:
            e.combo = new QComboBox(parent);
            for (const QString& choice : e.row.choices)
                e.combo->addItem(Shown(choice));
            e.combo->setAccessibleName(name);
            e.label = new QLabel(name, parent);
            e.label->setBuddy(e.combo);
            QObject::connect(e.combo, &QComboBox::activated, e.combo, changed);
            break;
        case ControlRow::Kind::Check:
            e.check = new QCheckBox(name, parent);
            e.check->setAccessibleName(name);
            QObject::connect(e.check, &QCheckBox::clicked, e.check, changed);
            break;
        case ControlRow::Kind::Radio: {
            e.group = new QGroupBox(name, parent);
            e.group->setAccessibleName(name);
            auto* box = new QVBoxLayout(e.group);
            e.buttons = new QButtonGroup(e.group);
            for (int i = 0; i < e.row.choices.size(); ++i) {
                const QString choice = Shown(e.row.choices[i]);
                auto* button = new QRadioButton(choice, e.group);
                // A button without text still needs a name a screen reader can say.
                button->setAccessibleName(e.row.choices[i].isEmpty()
                                              ? name + QLatin1Char(' ') + QString::number(i + 1)
                                              : choice);
                e.buttons->addButton(button, i);
                box->addWidget(button);
            }
            QObject::connect(e.buttons, &QButtonGroup::idClicked, e.group, changed);
            break;
        }
        }
        entries_.push_back(std::move(e));
    }
}

ControlTable::~ControlTable() = default;

int ControlTable::Current(const Entry& e) {
    switch (e.row.kind) {
    case ControlRow::Kind::List:
        return e.combo->currentIndex();
    case ControlRow::Kind::Check:
        return e.check->isChecked() ? 1 : 0;
    case ControlRow::Kind::Radio:
        return e.buttons->checkedId();
    }
    return -1;
}

void ControlTable::Show(Entry& e, int position) {
    switch (e.row.kind) {
    case ControlRow::Kind::List:
        e.combo->setCurrentIndex(position);
        break;
    case ControlRow::Kind::Check:
        e.check->setChecked(position == 1);
        break;
    case ControlRow::Kind::Radio:
        if (position >= 0 && position < e.row.choices.size()) {
            e.buttons->button(position)->setChecked(true);
        } else {
            // An exclusive group cannot uncheck its last button, so lift that for a moment.
            e.buttons->setExclusive(false);
            for (QAbstractButton* b : e.buttons->buttons())
                b->setChecked(false);
            e.buttons->setExclusive(true);
        }
        break;
    }
}

void ControlTable::Load(const Byte* ri) {
    loaded_ = true;
    for (Entry& e : entries_) {
        const Byte bits = ri[e.row.field.offset] & e.row.field.mask;
        const int value = bits >> std::countr_zero(static_cast<unsigned>(e.row.field.mask));
        const int position = e.row.kind == ControlRow::Kind::Check
                                 ? ((value != 0) != e.row.inverted ? 1 : 0)
                                 : e.row.PositionOf(value);
        e.loadedBits = bits;
        e.loadedPosition = position;
        Show(e, position);
    }
}

void ControlTable::Store(Byte* ri) const {
    if (!loaded_)
        return;
    for (const Entry& e : entries_) {
        const Byte mask = e.row.field.mask;
        const int position = Current(e);
        Byte bits = e.loadedBits;
        if (position >= 0 && position != e.loadedPosition) {
            const int value = e.row.kind == ControlRow::Kind::Check
                                  ? ((position == 1) != e.row.inverted ? 1 : 0)
                                  : e.row.CodeOf(position);
            bits = static_cast<Byte>(value << std::countr_zero(static_cast<unsigned>(mask))) & mask;
        }
        Byte& b = ri[e.row.field.offset];
        b = static_cast<Byte>((b & ~mask) | bits);
    }
}

std::size_t ControlTable::IndexOf(const QString& label) const {
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].row.label == label)
            return i;
    }
    qFatal("ControlTable: no row named %s", qPrintable(label));
}

const ControlTable::Entry& ControlTable::Find(const QString& label) const {
    return entries_[IndexOf(label)];
}

QWidget* ControlTable::Widget(const QString& label) const {
    const Entry& e = Find(label);
    if (e.combo)
        return e.combo;
    if (e.check)
        return e.check;
    return e.group;
}

QLabel* ControlTable::Label(const QString& label) const {
    return Find(label).label;
}

QComboBox* ControlTable::Combo(const QString& label) const {
    return Find(label).combo;
}

QCheckBox* ControlTable::CheckBox(const QString& label) const {
    return Find(label).check;
}

QGroupBox* ControlTable::Group(const QString& label) const {
    return Find(label).group;
}

QList<QRadioButton*> ControlTable::Buttons(const QString& label) const {
    QList<QRadioButton*> list;
    if (const QButtonGroup* g = Find(label).buttons) {
        for (int i = 0; g->button(i); ++i)
            list.append(static_cast<QRadioButton*>(g->button(i)));
    }
    return list;
}

int ControlTable::Selection(const QString& label) const {
    return Current(Find(label));
}

void ControlTable::SetSelection(const QString& label, int position) {
    Show(entries_[IndexOf(label)], position);
}
