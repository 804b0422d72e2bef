#pragma once
// CAutoBand: the "Auto Band" page. The receiver's band plan as a grid of 50 bands, each row
// a band's lower edge with the receive mode and tuning step the receiver picks inside it.
// Row r shows band r-1: its lower edge is the upper edge of the band before it, so the first
// row starts at the fixed bottom of the range (0.1 MHz) and the last row, the top band, is
// fixed as a whole.
//
// An edited edge is checked at once: outside the receiver's range it is refused and the edge
// it replaced comes back; in a band the country may not receive it is refused the same way;
// otherwise it is snapped to 50 Hz and the rows are sorted by their edges again. Edges are
// stored in whole kilohertz. Whatever the user leaves alone is written back as loaded.

#include "pages/PropertyPage.h"

#include <QStringList>

class BoundGrid;
class CSpreadSheet;

class CAutoBand : public CPropertyPage {
    Q_OBJECT
public:
    static constexpr int kRows = 50;

    explicit CAutoBand(CVR500Radio& radio, QWidget* parent = nullptr);

    bool OnSetActive() override;
    bool OnKillActive() override;

    CSpreadSheet* Grid() const { return grid_; }

private:
    void Fill();
    void OnCellChanged(int column, int row);
    void OnCellTouched(int column, int row);
    // Column 1 as it stands, kept as the edges to go back to when an edit is refused.
    void RememberEdges();
    static bool IsFixed(int column, int row);

    CSpreadSheet* grid_;
    BoundGrid* bound_;
    QStringList edges_;
};
