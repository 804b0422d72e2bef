#pragma once
// The Edit Channels dialog: the fields to set on every selected channel. Only the fields
// whose box is ticked (and a name choice other than "Keep", an offset other than 0) change.

#include "radio/ChannelEdits.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QSpinBox;

class CChannelEditDlg : public QDialog {
    Q_OBJECT
public:
    // channels: how many are selected, for the dialog's heading.
    explicit CChannelEditDlg(int channels, QWidget* parent = nullptr);
    bulk::ChannelEdit Edit() const;

    QCheckBox* setMode;
    QComboBox* mode;
    QCheckBox* setPreferential;
    QComboBox* preferential; // Off, On
    QCheckBox* setBank;
    QComboBox* bank;
    QComboBox* nameKind; // in the order of bulk::NameEdit::Kind
    QLineEdit* nameText;
    QSpinBox* firstCounter;
    QDoubleSpinBox* offsetKHz;
};
