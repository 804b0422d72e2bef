#pragma once
// A plain channel list that stands in for the Memory View page until the real one is built.

#include "pages/PropertyPage.h"

class QTableWidget;

class StandInMemoryView : public CPropertyPage {
    Q_OBJECT
public:
    StandInMemoryView(CVR500Radio& radio, QWidget* parent = nullptr);

    bool OnSetActive() override;
    bool OnKillActive() override;
    void FillGrid();
    QTableWidget* Grid() const { return grid_; }

private:
    QTableWidget* grid_;
};
