#include "pages/SkipFrequency.h"

#include "pages/ControlTable.h"
#include "pages/FrequencyCell.h"
#include "pages/FrequencyField.h"
#include "pages/GridCells.h"
#include "pages/SpreadSheet.h"
#include "radio/Radio.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

using namespace layout;

namespace {

constexpr int kSkipFreqCol = 1, kSkipModeCol = 2;
constexpr int kLowerCol = 1, kUpperCol = 3;
constexpr ri::Group10 kLimitGroups[2] = {ri::kVfoLower, ri::kVfoUpper};
constexpr Byte kSkipModeMask = 0x07;

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
    const QString modeHeader = tr("Receive\nMode");

    skip_ = new CSpreadSheet(this);
    skip_->setAccessibleName(tr("Skip frequencies"));
    skip_->SetShape(2, kSkipRows);
    skip_->SetColumnKind(kSkipFreqCol, CellKind::Frequency);
    skip_->SetColumnKind(kSkipModeCol, CellKind::List);
    SetColumnList(*skip_, kSkipModeCol, ModeNames());
    SetColumnHeaders(*skip_, {tr("Skip\nFrequency"), modeHeader});

    limits_ = new CSpreadSheet(this);
    limits_->setAccessibleName(tr("Pre-programmable frequency search limits"));
    limits_->SetShape(4, kLimitRows);
    for (int c : {kLowerCol, kUpperCol}) {
        limits_->SetColumnKind(c, CellKind::Frequency);
        limits_->SetColumnKind(c + 1, CellKind::List);
        SetColumnList(*limits_, c + 1, ModeNames());
    }
    SetColumnHeaders(*limits_,
                     {tr("Lower\nFrequency"), modeHeader, tr("Upper\nFrequency"), modeHeader});

    skipChecker_ = new FrequencyCellChecker(*skip_, radio, {kSkipFreqCol}, {}, this);
    limitsChecker_ = new FrequencyCellChecker(*limits_, radio, {kLowerCol, kUpperCol}, {}, this);
    // A typed frequency takes the band plan's mode at once, not only when the cell is left.
    connect(skip_, &CSpreadSheet::CellChanged, this, [this](int column, int row) {
        if (column == kSkipFreqCol)
            FollowBandPlan(*skip_, column, row);
    });
    connect(limits_, &CSpreadSheet::CellChanged, this, [this](int column, int row) {
        if (column == kLowerCol || column == kUpperCol)
            FollowBandPlan(*limits_, column, row);
    });

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

    // ---- Layout ----
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
    controls_->Label(Name(kSweepStepsB))->setText(tr("Sw&eep Steps"));
    bLayout->addRow(controls_->Label(Name(kSweepStepsB)), controls_->Widget(Name(kSweepStepsB)));

    auto* priorityBox = new QGroupBox(tr("Priority Channel"), this);
    auto* priorityLayout = new QFormLayout(priorityBox);
    auto* frequencyLabel = new QLabel(tr("&Frequency"), priorityBox);
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

    Load();
}

CSkipFrequency::~CSkipFrequency() = default;

void CSkipFrequency::FollowBandPlan(CSpreadSheet& grid, int column, int row) {
    if (const int hz = grid.ReadCellFrequency(column, row); hz != 0)
        FillModeFromBandPlan(grid, Model(), column, row, hz);
}

void CSkipFrequency::Load() {
    CVR500Radio& radio = Model();
    const Byte* image = radio.EditRadio();
    controls_->Load(image);
    priority_->Load(image + ri::kPriorityFrequency);

    for (int j = 0; j < kLimitRows; ++j) {
        for (int s = 0; s < 2; ++s) {
            const ri::Group10& g = kLimitGroups[s];
            const int c = s == 0 ? kLowerCol : kUpperCol;
            ShownFrequency& shown = shownLimits_[j][s];
            shown.hz = DecodeDigits(image + g.frequencies + 4 * j, 8);
            limits_->WriteCellFrequency(c, j + 1, shown.hz);
            SetListIndexAt(*limits_, c + 1, j + 1, image[g.modes + j] - 1);
            shown.mode = ListIndexAt(*limits_, c + 1, j + 1);
        }
    }

    // An entry not in use shows empty, whatever its frequency bytes hold.
    for (int i = 0; i < kSkipRows; ++i) {
        ShownFrequency& shown = shownSkip_[i];
        const bool used = radio.IsSkipUsed(i);
        shown.hz = used ? DecodeDigits(image + ri::SkipFrequency(i), 8) : 0;
        if (used)
            skip_->WriteCellFrequency(kSkipFreqCol, i + 1, shown.hz);
        else
            skip_->WriteCell(kSkipFreqCol, i + 1, QString());
        SetListIndexAt(*skip_, kSkipModeCol, i + 1,
                       used ? (image[ri::kSkipModes + i] & kSkipModeMask) - 1 : -1);
        shown.mode = ListIndexAt(*skip_, kSkipModeCol, i + 1);
    }
}

bool CSkipFrequency::OnSetActive() {
    Load();
    return CPropertyPage::OnSetActive();
}

bool CSkipFrequency::OnKillActive() {
    if (!skipChecker_->CheckPending() || !limitsChecker_->CheckPending())
        return false;
    CVR500Radio& radio = Model();
    Byte* image = radio.EditRadio();
    controls_->Store(image);
    priority_->Store(image + ri::kPriorityFrequency);

    for (int j = 0; j < kLimitRows; ++j) {
        for (int s = 0; s < 2; ++s) {
            const ri::Group10& g = kLimitGroups[s];
            const int c = s == 0 ? kLowerCol : kUpperCol;
            const ShownFrequency& shown = shownLimits_[j][s];
            StoreFrequencyCode(image + g.frequencies + 4 * j, limits_->ReadCellFrequency(c, j + 1),
                               shown.hz);
            if (const int mode = ListIndexAt(*limits_, c + 1, j + 1); mode != shown.mode)
                image[g.modes + j] = static_cast<Byte>(mode + 1);
        }
    }

    // An entry is in use while its cell holds a frequency; one emptied by the user is stored
    // as frequency 0. Entries left alone keep their flag and bytes (an unused entry's bytes
    // are FF FF FF FF in the receiver's own images).
    for (int i = 0; i < kSkipRows; ++i) {
        const ShownFrequency& shown = shownSkip_[i];
        const int hz = skip_->ReadCellFrequency(kSkipFreqCol, i + 1);
        if (StoreFrequencyCode(image + ri::SkipFrequency(i), hz, shown.hz))
            radio.SetSkipUsed(i, hz != 0);
        if (const int mode = ListIndexAt(*skip_, kSkipModeCol, i + 1); mode != shown.mode) {
            Byte& b = image[ri::kSkipModes + i];
            b = static_cast<Byte>((b & ~kSkipModeMask) | ((mode + 1) & kSkipModeMask));
        }
    }
    Load();
    return CPropertyPage::OnKillActive();
}
