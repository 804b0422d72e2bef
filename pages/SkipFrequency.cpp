#include "pages/SkipFrequency.h"

#include "pages/BoundGrid.h"
#include "pages/ControlTable.h"
#include "pages/FrequencyCell.h"
#include "pages/FrequencyField.h"
#include "pages/GridCells.h"
#include "pages/SpreadSheet.h"
#include "radio/Radio.h"
#include "radio/Records.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

using namespace layout;

namespace {

using records::GroupEntry;
using records::SkipEntry;

constexpr int kSkipFreqCol = 1;
constexpr int kLowerCol = 1, kUpperCol = 3;

QString Name(const char* label) {
    return QString::fromLatin1(label);
}

std::vector<int> ModeCodes() {
    std::vector<int> codes;
    for (int i = 0; i < ModeNames().size(); ++i)
        codes.push_back(i + 1);
    return codes;
}

} // namespace

CSkipFrequency::CSkipFrequency(CVR500Radio& radio, QWidget* parent)
    : CPropertyPage(radio, tr("VFO Scan"), 102, parent) {
    BuildGrids();
    BuildControls();
    LayOut();
    Load();
}

// The skip frequencies and the search limits, bound to their records.
void CSkipFrequency::BuildGrids() {
    CVR500Radio& radio = Model();
    const QString modeHeader = tr("Receive\nMode");

    skip_ = new CSpreadSheet(this);
    skip_->setAccessibleName(tr("Skip frequencies"));
    // An entry not in use shows empty, whatever its bytes hold; one emptied by the user is
    // stored as frequency 0 and taken out of use.
    const ColumnsOf<SkipEntry> entry(
        [this](int row) { return SkipEntry(Model().EditRadio(), row - 1); });
    skipGrid_ = new BoundGrid(
        *skip_, radio,
        {entry.Frequency(
             tr("Skip\nFrequency"), [](const SkipEntry& e) { return e.FrequencyHz(); },
             [](SkipEntry& e, int hz) {
                 e.SetFrequencyHz(hz);
                 e.SetInUse(hz != 0);
             }),
         entry.List(
             modeHeader, ModeNames(), [](const SkipEntry& e) { return e.ModeCode() - 1; },
             [](SkipEntry& e, int mode) { e.SetModeCode(mode + 1); })},
        kSkipRows, {}, this);
    skipGrid_->SetRowShown(
        [this](int row) { return SkipEntry(Model().EditRadio(), row - 1).InUse(); });

    limits_ = new CSpreadSheet(this);
    limits_->setAccessibleName(tr("Pre-programmable frequency search limits"));
    std::vector<GridColumn> limitColumns;
    for (int edge : {0, 1}) {
        const ColumnsOf<GroupEntry> limit([this, edge](int row) {
            return records::SearchLimit(Model().EditRadio(), row - 1, edge);
        });
        limitColumns.push_back(GroupFrequencyColumn(limit, edge == 0 ? tr("Lower\nFrequency")
                                                                     : tr("Upper\nFrequency")));
        limitColumns.push_back(GroupModeColumn(limit, modeHeader));
    }
    limitsGrid_ = new BoundGrid(*limits_, radio, limitColumns, kLimitRows, {}, this);
    // A typed frequency takes the band plan's mode at once, not only when the cell is left.
    connect(skip_, &CSpreadSheet::CellChanged, this, [this](int column, int row) {
        if (column == kSkipFreqCol)
            FollowBandPlan(*skip_, column, row);
    });
    connect(limits_, &CSpreadSheet::CellChanged, this, [this](int column, int row) {
        if (column == kLowerCol || column == kUpperCol)
            FollowBandPlan(*limits_, column, row);
    });
}

void CSkipFrequency::BuildControls() {
    CVR500Radio& radio = Model();
    controls_ = std::make_unique<ControlTable>(
        std::vector<ControlRow>{
            ControlRow::Radio(Name(kScanMode), ri::kScanMode,
                              {tr("Pause"), tr("Busy"), tr("Hold")}),
            ControlRow::List(Name(kResumeDelay), ri::kResumeDelay,
                             {tr("1 sec"), tr("2 sec"), tr("3 sec"), tr("4 sec"), tr("5 sec"),
                              tr("6 sec"), tr("7 sec"), tr("8 sec"), tr("9 sec"), tr("10 sec"),
                              tr("11sec"), tr("12 sec")}),
            ControlRow::Radio(Name(kBandScope), ri::kBandScopeBit, {tr("A Mode"), tr("B Mode")}),
            // The span bit is set for 300 kHz.
            ControlRow::Radio(Name(kSpan), ri::kSpan300kHzBit, {tr("300 kHz"), tr("600 kHz")},
                              {1, 0}),
            ControlRow::List(Name(kSweepStepsA), ri::kSweepStepsA,
                             {tr("9 kHz"), tr("10 kHz"), tr("12.5 kHz"), tr("20 kHz"), tr("25 kHz"),
                              tr("50 kHz"), tr("100 kHz")}),
            ControlRow::List(Name(kSweepStepsB), ri::kSweepStepsB,
                             {tr("50 Hz"), tr("100 Hz"), tr("1 kHz"), tr("5 kHz"), tr("6.25 kHz"),
                              tr("9 kHz"), tr("10 kHz"), tr("12.5 kHz"), tr("15 kHz"), tr("20 kHz"),
                              tr("25 kHz"), tr("30 kHz"), tr("50 kHz"), tr("100 kHz")}),
            ControlRow::List(Name(kPriorityMode), ri::kPriorityMode, ModeNames(), ModeCodes()),
            ControlRow::Check(Name(kLimitSearch), ri::kLimitSearchBit),
        },
        this);
    priority_ = new FrequencyField(radio, 10, this);
    priority_->setAccessibleName(tr("Priority Channel Frequency"));
    WatchGrid(*skip_);
    WatchGrid(*limits_);
    controls_->OnChanged([this] { PageEdited(); });
    connect(priority_, &QLineEdit::editingFinished, this, &CSkipFrequency::PageEdited);
}

void CSkipFrequency::LayOut() {
    FitWidthToColumns(*skip_);
    ShowRows(*limits_, kLimitRows);
    FitWidthToColumns(*limits_);
    auto* skipBox = new QGroupBox(tr("Skip Frequencies"), this);
    (new QVBoxLayout(skipBox))->addWidget(skip_);
    auto* limitsBox = new QGroupBox(tr("Pre-Programmable Frequency Search Limits"), this);
    (new QVBoxLayout(limitsBox))->addWidget(limits_);

    auto* scanBox = new QGroupBox(tr("Scan"), this);
    auto* scanLayout = new QVBoxLayout(scanBox);
    scanLayout->addWidget(controls_->Widget(Name(kScanMode)));
    auto* resume = new QFormLayout;
    resume->addRow(controls_->Label(Name(kResumeDelay)), controls_->Widget(Name(kResumeDelay)));
    scanLayout->addLayout(resume);

    // Two short choices read better in a line.
    for (const char* group : {kBandScope, kSpan})
        if (auto* box = qobject_cast<QBoxLayout*>(controls_->Group(Name(group))->layout()))
            box->setDirection(QBoxLayout::LeftToRight);
    auto* aMode = new QGroupBox(tr("A Mode"), this);
    auto* aLayout = new QFormLayout(aMode);
    controls_->Group(Name(kSpan))->setTitle(tr("Span"));
    aLayout->addRow(controls_->Widget(Name(kSpan)));
    controls_->Label(Name(kSweepStepsA))->setText(tr("S&weep Steps"));
    aLayout->addRow(controls_->Label(Name(kSweepStepsA)), controls_->Widget(Name(kSweepStepsA)));
    auto* bMode = new QGroupBox(tr("B Mode"), this);
    auto* bLayout = new QFormLayout(bMode);
    controls_->Label(Name(kSweepStepsB))->setText(tr("Swee&p Steps"));
    bLayout->addRow(controls_->Label(Name(kSweepStepsB)), controls_->Widget(Name(kSweepStepsB)));

    auto* priorityBox = new QGroupBox(tr("Priority Channel"), this);
    auto* priorityLayout = new QFormLayout(priorityBox);
    auto* frequencyLabel = new QLabel(tr("Fre&quency"), priorityBox);
    frequencyLabel->setBuddy(priority_);
    priorityLayout->addRow(frequencyLabel, priority_);
    controls_->Label(Name(kPriorityMode))->setText(tr("M&ode"));
    priorityLayout->addRow(controls_->Label(Name(kPriorityMode)),
                           controls_->Widget(Name(kPriorityMode)));

    auto* middle = new QVBoxLayout;
    middle->addWidget(limitsBox);
    middle->addWidget(priorityBox);
    middle->addWidget(controls_->Widget(Name(kLimitSearch)));
    middle->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(scanBox);
    right->addWidget(controls_->Widget(Name(kBandScope)));
    right->addWidget(aMode);
    right->addWidget(bMode);
    right->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(skipBox);
    layout->addLayout(middle);
    layout->addLayout(right);
    // On a wide window the room left over stays to the right; fields keep a readable width.
    layout->addStretch(1);
}

CSkipFrequency::~CSkipFrequency() = default;

void CSkipFrequency::FollowBandPlan(CSpreadSheet& grid, int column, int row) {
    if (const int hz = grid.ReadCellFrequency(column, row); hz != 0)
        FillModeFromBandPlan(grid, Model(), column, row, hz);
}

void CSkipFrequency::Load() {
    const Byte* image = Model().EditRadio();
    controls_->Load(image);
    priority_->Load(image + ri::kPriorityFrequency);
    limitsGrid_->Load();
    skipGrid_->Load();
}

bool CSkipFrequency::OnSetActive() {
    Load();
    return CPropertyPage::OnSetActive();
}

bool CSkipFrequency::OnKillActive() {
    if (!skipGrid_->Store() || !limitsGrid_->Store())
        return false;
    Byte* image = Model().EditRadio();
    controls_->Store(image);
    priority_->Store(image + ri::kPriorityFrequency);
    Load();
    return CPropertyPage::OnKillActive();
}
