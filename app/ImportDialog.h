#pragma once
// Import Channels, before anything is written: the list's format and column mapping as
// recognised (and changeable), where the rows go, and a preview of the rows as they will land
// with the refused ones and their reasons.

#include "radio/Csv.h"

#include <QDialog>
#include <array>

class CVR500Radio;
class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;

class CImportDialog : public QDialog {
    Q_OBJECT
public:
    // Rows shown in the preview; the summary counts them all.
    static constexpr int kPreviewRows = 200;

    // The rows are judged against radio's EditImage, which the dialog does not change.
    CImportDialog(CVR500Radio& radio, QByteArray text, const QString& source,
                  const csv::Options& start, QWidget* parent = nullptr);

    const csv::Plan& CurrentPlan() const { return plan_; }
    const csv::Options& CurrentOptions() const { return options_; }

    QComboBox* FormatBox() const { return format_; }
    QComboBox* PlacementBox() const { return placement_; }
    QSpinBox* ChannelBox() const { return channel_; }
    QSpinBox* BankBox() const { return bank_; }
    QCheckBox* FromZeroBox() const { return fromZero_; }
    QCheckBox* HeaderBox() const { return header_; }
    QCheckBox* SkipRefusedBox() const { return skipRefused_; }
    QComboBox* ColumnBox(csv::Role role) const { return columns_[static_cast<int>(role)]; }
    QTableWidget* Preview() const { return preview_; }
    QLabel* Summary() const { return summary_; }
    QPushButton* ImportButton() const { return import_; }

private:
    void Replan();
    void ShowMapping();
    void ShowPreview();
    void FormatChosen();
    void MappingChosen();
    void PlacementChosen();

    CVR500Radio& radio_;
    QByteArray text_;
    csv::Options options_;
    csv::Plan plan_;
    bool filling_ = false;

    QComboBox* format_;
    std::array<QComboBox*, csv::kRoleCount> columns_{};
    QCheckBox* fromZero_;
    QCheckBox* header_;
    QComboBox* placement_;
    QSpinBox* channel_;
    QSpinBox* bank_;
    QCheckBox* skipRefused_;
    QTableWidget* preview_;
    QLabel* summary_;
    QDialogButtonBox* buttons_;
    QPushButton* import_;
};

// Whether the window should ask before importing: a list in our own numbered columns goes in
// as before; any other list, one numbered from 0, or one whose columns were not recognised
// needs the user's word.
bool ImportNeedsChoices(const csv::Plan& plan);
