#include "pages/DualWatch.h"

#include "pages/BoundGrid.h"
#include "pages/ControlTable.h"
#include "pages/GridCells.h"
#include "pages/SpreadSheet.h"
#include "radio/Radio.h"
#include "radio/Records.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

using namespace layout;

namespace {

using records::GroupEntry;

// The ends of the airband pairs the receiver's own dual watch defaults use.
bool IsAirbandEnd(int hz) {
    return hz == 30'000'000 || hz == 108'000'000;
}

} // namespace

CDualWatch::CDualWatch(CVR500Radio& radio, QWidget* parent)
    : CPropertyPage(radio, tr("Dual Watch"), 103, parent) {
    grid_ = new CSpreadSheet(this);
    grid_->setAccessibleName(tr("Dual watch pairs"));
    std::vector<GridColumn> columns;
    for (int side : {0, 1}) {
        // Each header says its side, so the pair's halves differ to a listener as well.
        const QString letter = side == 0 ? tr("A") : tr("B");
        const QString frequency = tr("Receive\nFrequency %1").arg(letter),
                      mode = tr("Receive\nMode %1").arg(letter),
                      step = tr("Step\nSize %1").arg(letter);
        const ColumnsOf<GroupEntry> pair([this, side](int row) {
            return records::DualWatchSide(Model().EditRadio(), row - 1, side);
        });
        columns.push_back(GroupFrequencyColumn(pair, frequency));
        columns.push_back(GroupModeColumn(pair, mode));
        // A step needs a choice: an emptied step cell keeps the stored one.
        columns.push_back(pair.List(
            step, PresetStepNames(), [](const GroupEntry& e) { return int{e.StepByte()}; },
            [](GroupEntry& e, int index) {
                if (index >= 0)
                    e.SetStepByte(static_cast<Byte>(index));
            }));
    }
    FrequencyCellRule rule;
    rule.acceptAsTyped = IsAirbandEnd;
    bound_ = new BoundGrid(*grid_, radio, columns, kRows, rule, this);
    // Rows carry the pair numbers the receiver and the pair choice use.
    grid_->SetFirstRowNumber(0);

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
                               "looking for activity. Each row is a pair, numbered 0 to 9: "
                               "frequency A and frequency B are watched in turn."),
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
    bound_->Load();
    // The scan mode is loaded on every activation too: a data set opened since the page was
    // last shown must not get the previous one's scan mode when the page is left.
    controls_->Load(Model().EditRadio());
}

bool CDualWatch::OnSetActive() {
    Load();
    return CPropertyPage::OnSetActive();
}

bool CDualWatch::OnKillActive() {
    if (!bound_->Store())
        return false;
    controls_->Store(Model().EditRadio());
    Load();
    return CPropertyPage::OnKillActive();
}
