#pragma once
// The Fill Series dialog: a run of frequencies written into channels from a first one on.
// Its preview lists, as the user types, what will be written where and what is refused; OK
// takes the rows of that preview.

#include "radio/ChannelEdits.h"

#include <QDialog>
#include <vector>

class CVR500Radio;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;

class CFillSeriesDlg : public QDialog {
    Q_OBJECT
public:
    CFillSeriesDlg(const CVR500Radio& radio, int firstChannel, QWidget* parent = nullptr);
    bulk::SeriesPlan Plan() const;
    // The preview's rows: what OK writes.
    const std::vector<bulk::SeriesRow>& Rows() const { return rows_; }

    QLineEdit* start; // MHz, read as a frequency cell reads it
    QDoubleSpinBox* stepKHz;
    QRadioButton* byCount;
    QSpinBox* count;
    QRadioButton* byEnd;
    QLineEdit* end;
    QSpinBox* firstChannel;
    QLineEdit* namePattern;
    QRadioButton* skipUsed;
    QRadioButton* overwrite;
    QListWidget* preview;
    QLabel* summary;
    QPushButton* ok;

private:
    void UpdatePreview();

    const CVR500Radio& radio_;
    std::vector<bulk::SeriesRow> rows_;
};
