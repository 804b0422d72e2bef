#include "pages/DualWatch.h"

#include "pages/ControlTable.h"
#include "pages/FrequencyCell.h"
#include "pages/GridCells.h"
#include "pages/SpreadSheet.h"
#include "radio/Radio.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

using namespace layout;

namespace {

constexpr ri::Group10 kSides[2] = {ri::kDualA, ri::kDualB};

int FrequencyColumn(int side) {
    return 1 + 3 * side;
}

// The ends of the airband pairs the receiver's own dual watch defaults use.
bool IsAirbandEnd(int hz) {
    return hz == 30'000'000 || hz == 108'000'000;
}

} // namespace

CDualWatch::CDualWatch(CVR500Radio& radio, QWidget* parent)
    : CPropertyPage(radio, tr("Dual Watch"), 103, parent) {
    grid_ = new CSpreadSheet(this);
    grid_->setAccessibleName(tr("Dual watch pairs"));
    grid_->SetShape(6, kRows);
    for (int side = 0; side < 2; ++side) {
        const int c = FrequencyColumn(side);
        grid_->SetColumnKind(c, CellKind::Frequency);
        grid_->SetColumnKind(c + 1, CellKind::List);
        grid_->SetColumnKind(c + 2, CellKind::List);
        SetColumnList(*grid_, c + 1, ModeNames());
        SetColumnList(*grid_, c + 2, PresetStepNames());
    }
    const QString frequency = tr("Receive\nFrequency"), mode = tr("Receive\nMode"),
                  step = tr("Step\nSize");
    SetColumnHeaders(*grid_, {frequency, mode, step, frequency, mode, step});

    FrequencyCellRule rule;
    rule.acceptAsTyped = IsAirbandEnd;
    checker_ = new FrequencyCellChecker(*grid_, radio, {FrequencyColumn(0), FrequencyColumn(1)},
                                        rule, this);

    QStringList pairs;
    for (int k = 0; k < kRows; ++k)
        pairs << QString::number(k);
    controls_ = std::make_unique<ControlTable>(
        std::vector<ControlRow>{
            ControlRow::Radio(QString::fromLatin1(kPairLabel), ri::kDualWatchPairIndex, pairs),
            ControlRow::List(QString::fromLatin1(kScanModeLabel), ri::kDualWatchScanMode,
                             {tr("Time"), tr("Busy"), tr("Pause")}),
        },
        this);
    WatchGrid(*grid_);
    controls_->OnChanged([this] { PageEdited(); });

    auto* text = new QLabel(tr("The Dual Watch feature allows you to monitor two frequencies, "
                               "with the radio rapidly switching between the two channels, "
                               "looking for activity. "),
                            this);
    text->setWordWrap(true);

    auto* scanLabel = controls_->Label(QString::fromLatin1(kScanModeLabel));
    scanLabel->setText(tr("Dual Watch\nScan &Mode"));
    auto* side = new QVBoxLayout;
    side->addWidget(controls_->Widget(QString::fromLatin1(kPairLabel)));
    side->addWidget(scanLabel);
    side->addWidget(controls_->Widget(QString::fromLatin1(kScanModeLabel)));
    side->addStretch();

    ShowRows(*grid_, kRows);
    FitWidthToColumns(*grid_);
    auto* body = new QHBoxLayout;
    body->addWidget(grid_, 0, Qt::AlignTop);
    body->addLayout(side);
    body->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addLayout(body, 1);

    Load();
}

CDualWatch::~CDualWatch() = default;

void CDualWatch::Load() {
    const Byte* image = Model().EditRadio();
    for (int e = 0; e < kRows; ++e) {
        const int row = e + 1;
        for (int s = 0; s < 2; ++s) {
            const ri::Group10& g = kSides[s];
            const int c = FrequencyColumn(s);
            Shown& shown = shown_[e][s];
            shown.hz = DecodeDigits(image + g.frequencies + 4 * e, 8);
            grid_->WriteCellFrequency(c, row, shown.hz);
            SetListIndexAt(*grid_, c + 1, row, image[g.modes + e] - 1);
            SetListIndexAt(*grid_, c + 2, row, image[g.steps + e]);
            shown.mode = ListIndexAt(*grid_, c + 1, row);
            shown.step = ListIndexAt(*grid_, c + 2, row);
        }
    }
    // The scan mode is loaded on every activation too: a data set opened since the page was
    // last shown must not get the previous one's scan mode when the page is left.
    controls_->Load(image);
}

bool CDualWatch::OnSetActive() {
    Load();
    return CPropertyPage::OnSetActive();
}

bool CDualWatch::OnKillActive() {
    if (!checker_->CheckPending())
        return false;
    Byte* image = Model().EditRadio();
    for (int e = 0; e < kRows; ++e) {
        const int row = e + 1;
        for (int s = 0; s < 2; ++s) {
            const ri::Group10& g = kSides[s];
            const int c = FrequencyColumn(s);
            const Shown& shown = shown_[e][s];
            // An empty or unreadable cell stores frequency 0.
            StoreFrequencyCode(image + g.frequencies + 4 * e, grid_->ReadCellFrequency(c, row),
                               shown.hz);
            // An emptied mode cell stores 0, no mode; a step needs a choice.
            if (const int mode = ListIndexAt(*grid_, c + 1, row); mode != shown.mode)
                image[g.modes + e] = static_cast<Byte>(mode + 1);
            if (const int step = ListIndexAt(*grid_, c + 2, row); step >= 0 && step != shown.step)
                image[g.steps + e] = static_cast<Byte>(step);
        }
    }
    controls_->Store(image);
    Load();
    return CPropertyPage::OnKillActive();
}
