#include "pages/AutoBand.h"

#include "pages/BoundGrid.h"
#include "pages/GridCells.h"
#include "pages/SpreadSheet.h"
#include "radio/Prompt.h"
#include "radio/Radio.h"
#include "radio/Records.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>

using namespace layout;

namespace {

constexpr int kEdgeCol = 1, kModeCol = 2, kStepCol = 3;
using records::BandPlanEntry;

// The message box of this page: OK only.
void Tell(CVR500Radio& radio, const QString& text, const QString& caption) {
    if (Prompt* prompt = radio.GetPrompt())
        prompt->Message(text, caption, PromptButtons::Ok, PromptIcon::None);
}

} // namespace

CAutoBand::CAutoBand(CVR500Radio& radio, QWidget* parent)
    : CPropertyPage(radio, tr("Auto Band"), 104, parent) {
    grid_ = new CSpreadSheet(this);
    grid_->setAccessibleName(tr("Band plan"));
    // Row r shows entry r-2's edge (the first row the fixed bottom of the range) and entry
    // r-1's mode and step. Edges are kept in whole kilohertz.
    const ColumnsOf<BandPlanEntry> edge(
        [this](int row) { return BandPlanEntry(Model().EditRadio(), std::max(row - 2, 0)); });
    const ColumnsOf<BandPlanEntry> band(
        [this](int row) { return BandPlanEntry(Model().EditRadio(), row - 1); });
    GridColumn edges = edge.Frequency(
        tr("Receive\nFrequency"), [](const BandPlanEntry& e) { return e.EdgeUnits() * 100; },
        [](BandPlanEntry& e, int hz) { e.SetEdgeUnits(hz / 1000 * 10); });
    // The edges have a rule of their own (OnCellChanged) and four decimals.
    edges.frequencyRule = false;
    edges.format = [](int hz) { return BandEdgeText(hz / 100); };
    const auto firstRowFixed = [](GridColumn c) {
        c.read = [read = c.read](int row) {
            return row == 1 ? CellValue{kLowestHz, {}} : read(row);
        };
        c.write = [write = c.write](int row, const CellValue& value) {
            if (row > 1)
                write(row, value);
        };
        return c;
    };
    bound_ = new BoundGrid(
        *grid_, radio,
        {firstRowFixed(edges),
         band.List(
             tr("Receive\nMode"), ModeNames(),
             [](const BandPlanEntry& e) { return e.ModeCode() - 1; },
             [](BandPlanEntry& e, int mode) { e.SetModeCode(mode + 1); }),
         band.List(
             tr("Step\nSize"), StepNames(), [](const BandPlanEntry& e) { return e.StepCode() - 1; },
             [](BandPlanEntry& e, int step) { e.SetStepCode(step + 1); })},
        kRows, {}, this);
    for (int row = 1; row <= kRows; ++row)
        for (int column = kEdgeCol; column <= kStepCol; ++column)
            if (IsFixed(column, row))
                grid_->SetCellLocked(column, row, true);
    // Rows keep their order by their edges; dragging them about would break it.
    grid_->setDragDropMode(QAbstractItemView::NoDragDrop);
    connect(grid_, &CSpreadSheet::CellChanged, this, &CAutoBand::OnCellChanged);
    connect(grid_, &CSpreadSheet::CellTouched, this, &CAutoBand::OnCellTouched);
    WatchGrid(*grid_);

    FitWidthToColumns(*grid_);
    // The grid takes the page's height; beside it, how the rows are read.
    auto* text = new QLabel(
        tr("Each row is a band, from its receive frequency up to the next row's. Tuned inside "
           "a band, the receiver takes that row's receive mode and step size.\n\n"
           "A frequency typed into a row moves the row to its place in order. The lowest and "
           "highest frequencies are fixed."),
        this);
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    text->setMinimumWidth(text->fontMetrics().averageCharWidth() * 30);
    text->setMaximumWidth(text->fontMetrics().averageCharWidth() * 60);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(grid_);
    layout->addWidget(text, 1);
    layout->addStretch(1);

    Fill();
}

bool CAutoBand::IsFixed(int column, int row) {
    return (column == kEdgeCol && row == 1) || row == kRows;
}

void CAutoBand::Fill() {
    bound_->Load();
    RememberEdges();
}

void CAutoBand::RememberEdges() {
    edges_.clear();
    for (int row = 1; row <= kRows; ++row) {
        QString text;
        grid_->ReadCell(kEdgeCol, row, text);
        edges_ << text;
    }
}

bool CAutoBand::OnSetActive() {
    Fill();
    return CPropertyPage::OnSetActive();
}

// The cells keep what the user was shown (an accepted edge with its 50 Hz digits) while the
// page stays up, though every edit is stored at once; the next activation shows the stored,
// whole-kilohertz edges.
bool CAutoBand::OnKillActive() {
    bound_->Store();
    return CPropertyPage::OnKillActive();
}

void CAutoBand::OnCellChanged(int column, int row) {
    if (column != kEdgeCol || row < 2 || row > kRows)
        return;
    CVR500Radio& radio = Model();
    const int hz = grid_->ReadCellFrequency(column, row);
    const QString previous = edges_.value(row - 1);
    if (hz <= kLowestHz || hz >= kTopHz) {
        Tell(radio, tr("Frequency must be between 0.1000 and 1300.0000"), tr("AutoBand Error"));
        grid_->WriteCell(column, row, previous);
        return;
    }
    // An edge in a band the receiver may not tune is refused like one out of range, so no
    // empty edge ever reaches the band plan.
    if (radio.IsFrequencyBlocked(hz)) {
        Tell(radio, RefusedFrequencyMessage(hz, radio.Country(), radio.Wideband()), QString());
        grid_->WriteCell(column, row, previous);
        return;
    }
    if (const int snapped = SnapTo50Hz(hz); snapped != hz)
        grid_->WriteCellFrequency(column, row, snapped);
    grid_->SetCurrentColumn(kEdgeCol);
    grid_->SetCurrentRow(1);
    grid_->SetLastColumn(kStepCol);
    grid_->SetLastRow(kRows);
    grid_->SetSortOrientation(0);
    grid_->SetSortKeyColumn(1, kEdgeCol);
    grid_->SetSortKeyOrder(1, CSpreadSheet::Ascending);
    grid_->SetOperation(CSpreadSheet::OpSort);
    RememberEdges();
}

void CAutoBand::OnCellTouched(int column, int row) {
    if (!IsFixed(column, row))
        return;
    QApplication::beep();
    Tell(Model(), tr("The Lower and Upper Frequencies are not modifiable."), tr("Error"));
}
