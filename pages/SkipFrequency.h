#pragma once
// CSkipFrequency: the "VFO Scan" page. Two grids, the skip frequencies (100 entries the scan
// passes over) and the ten pre-programmable search limit pairs, beside the scan mode, resume
// delay, band scope, priority channel and limit search controls.
//
// Frequencies typed into either grid are checked when the cell is left, like every frequency
// cell, and take their mode from the band plan as soon as they are typed. Whatever the user
// leaves alone is written back exactly as it was loaded.

#include "pages/PropertyPage.h"

#include <memory>

class BoundGrid;
class CSpreadSheet;
class ControlTable;
class FrequencyField;

class CSkipFrequency : public CPropertyPage {
    Q_OBJECT
public:
    static constexpr int kSkipRows = 100;
    static constexpr int kLimitRows = 10;
    // Labels of the controls in Controls().
    static constexpr char kScanMode[] = QT_TRANSLATE_NOOP("ControlTable", "Scan Mode");
    static constexpr char kResumeDelay[] = QT_TRANSLATE_NOOP("ControlTable", "Resume Delay");
    static constexpr char kBandScope[] = QT_TRANSLATE_NOOP("ControlTable", "Band Scope");
    static constexpr char kSpan[] = QT_TRANSLATE_NOOP("ControlTable", "A Mode Span");
    static constexpr char kSweepStepsA[] = QT_TRANSLATE_NOOP("ControlTable", "A Mode Sweep Steps");
    static constexpr char kSweepStepsB[] = QT_TRANSLATE_NOOP("ControlTable", "B Mode Sweep Steps");
    static constexpr char kPriorityMode[] =
        QT_TRANSLATE_NOOP("ControlTable", "Priority Channel Mode");
    static constexpr char kLimitSearch[] = QT_TRANSLATE_NOOP("ControlTable", "Limit Search Mode");

    explicit CSkipFrequency(CVR500Radio& radio, QWidget* parent = nullptr);
    ~CSkipFrequency() override;

    bool OnSetActive() override;
    bool OnKillActive() override;

    CSpreadSheet* SkipGrid() const { return skip_; }
    CSpreadSheet* LimitsGrid() const { return limits_; }
    ControlTable& Controls() const { return *controls_; }
    FrequencyField* PriorityFrequency() const { return priority_; }

private:
    void BuildGrids();
    void BuildControls();
    void LayOut();
    void Load();
    void FollowBandPlan(CSpreadSheet& grid, int column, int row);

    CSpreadSheet* skip_;
    CSpreadSheet* limits_;
    std::unique_ptr<ControlTable> controls_;
    FrequencyField* priority_;
    BoundGrid* skipGrid_;
    BoundGrid* limitsGrid_;
};
