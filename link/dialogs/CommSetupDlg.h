#pragma once
// "Comm Port Setup": the user picks the serial port for the clone cable.

#include "link/CommPort.h"

#include <QDialog>

class QComboBox;

class CCommSetupDlg : public QDialog, public PortChooser {
    Q_OBJECT
public:
    // devices: the serial devices offered after "Com 9" (by default those the system reports).
    explicit CCommSetupDlg(QWidget* parent = nullptr,
                           const QStringList& devices = DetectedSerialDevices());

    // Shows the dialog with current selected. The chosen port, or nothing for Cancel and for
    // text typed into the box that names neither a list entry nor a device.
    std::optional<QString> Choose(const QString& current) override;

    // The port a list entry stands for ("0", "1".."9" or a device path).
    QString PortAt(int index) const;
    QComboBox* Combo() const { return combo_; }

private:
    int IndexOf(const QString& port) const;
    std::optional<QString> Chosen() const;

    QComboBox* combo_;
    QStringList devices_;
};
