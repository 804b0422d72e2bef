#include "pages/AutoBand.h"

#include "pages/GridCells.h"
#include "pages/SpreadSheet.h"
#include "radio/Prompt.h"
#include "radio/Radio.h"

#include <QApplication>
#include <QHBoxLayout>

using namespace layout;

namespace {

constexpr int kEdgeCol = 1, kModeCol = 2, kStepCol = 3;
const QString kBottomEdge = QStringLiteral("0.1000");

Byte* Entry(Byte* image, int i) {
    return image + ri::BandEntry(i);
}

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
    grid_->SetShape(3, kRows);
    grid_->SetColumnKind(kEdgeCol, CellKind::Frequency);
    grid_->SetColumnKind(kModeCol, CellKind::List);
    grid_->SetColumnKind(kStepCol, CellKind::List);
    SetColumnList(*grid_, kModeCol, ModeNames());
    SetColumnList(*grid_, kStepCol, StepNames());
    SetColumnHeaders(*grid_, {tr("Receive\nFrequency"), tr("Receive\nMode"), tr("Step\nSize")});
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
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(grid_);
    layout->addStretch();

    Fill();
}

bool CAutoBand::IsFixed(int column, int row) {
    return (column == kEdgeCol && row == 1) || row == kRows;
}

void CAutoBand::Fill() {
    Byte* image = Model().EditRadio();
    grid_->WriteCell(kEdgeCol, 1, kBottomEdge);
    for (int i = 0; i < kRows - 1; ++i) {
        shownEdge_[i] = DecodeDigits(Entry(image, i), 6);
        grid_->WriteCell(kEdgeCol, i + 2, BandEdgeText(shownEdge_[i]));
    }
    for (int i = 0; i < kRows; ++i) {
        const Byte attributes = Entry(image, i)[3];
        SetListIndexAt(*grid_, kModeCol, i + 1, (attributes & 0x0F) - 1);
        SetListIndexAt(*grid_, kStepCol, i + 1, (attributes >> 4) - 1);
        shownMode_[i] = ListIndexAt(*grid_, kModeCol, i + 1);
        shownStep_[i] = ListIndexAt(*grid_, kStepCol, i + 1);
    }
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

bool CAutoBand::OnKillActive() {
    Byte* image = Model().EditRadio();
    for (int i = 0; i < kRows - 1; ++i) {
        // Edges are kept in whole kilohertz.
        const int hz = grid_->ReadCellFrequency(kEdgeCol, i + 2);
        const int units = hz / 1000 * 10;
        if (units != shownEdge_[i])
            EncodeDigits(Entry(image, i), units, 6);
    }
    for (int i = 0; i < kRows; ++i) {
        Byte& attributes = Entry(image, i)[3];
        if (const int mode = ListIndexAt(*grid_, kModeCol, i + 1); mode != shownMode_[i])
            attributes = static_cast<Byte>((attributes & 0xF0) | ((mode + 1) & 0x0F));
        if (const int step = ListIndexAt(*grid_, kStepCol, i + 1); step != shownStep_[i])
            attributes = static_cast<Byte>((attributes & 0x0F) | (((step + 1) & 0x0F) << 4));
    }
    Fill();
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
        Tell(radio, FrequencyMessage(hz), QString());
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
