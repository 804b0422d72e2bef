#pragma once
// The bar above the channel grid where the user says which channels to look at: a text (name
// or frequency), a bank, a mode, a band and three switches. It only gathers the choices; the
// Memory View decides from them which rows to show. Escape anywhere in the bar clears it.

#include "pages/ChannelFilter.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLineEdit;

class CFilterBar : public QWidget {
    Q_OBJECT
public:
    explicit CFilterBar(QWidget* parent = nullptr);

    ChannelFilter Filter() const;
    // Sets every control from filter (a mode not in the list, or a bank out of range, is any).
    void SetFilter(const ChannelFilter& filter);
    void Clear() { SetFilter({}); }
    // Puts the cursor in the text field, its text selected.
    void FocusText();

    QLineEdit* TextField() const { return text_; }
    QComboBox* BankList() const { return bank_; }
    QComboBox* ModeList() const { return mode_; }
    QLineEdit* FromField() const { return from_; }
    QLineEdit* ToField() const { return to_; }
    QCheckBox* InUseBox() const { return inUse_; }
    QCheckBox* ChangedSinceOpenedBox() const { return sinceOpened_; }
    QCheckBox* ChangedSinceReadBox() const { return sinceRead_; }

signals:
    // Any choice changed (while typing, too).
    void Changed();

private:
    QLineEdit* text_;
    QComboBox* bank_;
    QComboBox* mode_;
    QLineEdit* from_;
    QLineEdit* to_;
    QCheckBox* inUse_;
    QCheckBox* sinceOpened_;
    QCheckBox* sinceRead_;
    bool setting_ = false;
};
