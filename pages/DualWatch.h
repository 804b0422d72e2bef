#pragma once
// CDualWatch: the "Dual Watch" page. A grid of the ten dual watch pairs (frequency, mode and
// step of both sides), the pair in use and the dual watch scan mode.
//
// A frequency typed into the grid is checked when the cell is left, like every frequency
// cell; 30 and 108 MHz, the ends of the common airband pairs, are taken as typed. Whatever the
// user leaves alone is written back exactly as it was loaded.

#include "pages/PropertyPage.h"

#include <memory>

class BoundGrid;
class CSpreadSheet;
class ControlTable;

class CDualWatch : public CPropertyPage {
    Q_OBJECT
public:
    static constexpr int kRows = 10;
    static constexpr char kPairLabel[] =
        QT_TRANSLATE_NOOP("ControlTable", "Select Dual Watch memory pair");
    static constexpr char kScanModeLabel[] =
        QT_TRANSLATE_NOOP("ControlTable", "Dual Watch Scan Mode");

    explicit CDualWatch(CVR500Radio& radio, QWidget* parent = nullptr);
    ~CDualWatch() override;

    bool OnSetActive() override;
    bool OnKillActive() override;

    CSpreadSheet* Grid() const { return grid_; }
    // The pair buttons and the scan mode list, by the labels above.
    ControlTable& Controls() const { return *controls_; }

private:
    void Load();

    CSpreadSheet* grid_;
    std::unique_ptr<ControlTable> controls_;
    BoundGrid* bound_;
};
