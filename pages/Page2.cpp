#include "pages/Page2.h"

#include "pages/GridCells.h"
#include "pages/SpreadSheet.h"
#include "radio/Radio.h"
#include "radio/Settings.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

using namespace layout::ri;

namespace {

constexpr int kHelpContext = 106;
constexpr int kFrequencyColumn = 1;
constexpr int kModeColumn = 2;
constexpr int kStepColumn = 3;
constexpr int kTvChannels = 62;

const QStringList& WeatherChannels() {
    static const QStringList list = {"162.5500 MHz", "162.4000 MHz", "162.4750 MHz", "162.4250 MHz",
                                     "162.4500 MHz", "162.5000 MHz", "162.5250 MHz", "161.6500 MHz",
                                     "161.7750 MHz", "163.2750 MHz"};
    return list;
}

// The Japanese receiver without wideband has TV channels where the others have weather.
bool TvChannelsInUse() {
    int country = settings::kDefaultCountry;
    int wideband = settings::kDefaultWideband;
    ReadCountrySettings(country, wideband);
    return country == 0 && wideband == 0;
}

} // namespace

CPage2::CPage2(CVR500Radio& radio, QWidget* parent)
    : CPropertyPage(radio, QStringLiteral("Preset Mode"), kHelpContext, parent) {
    // Entry 0 of the first group is not the user's to change, so its grid has no row for it.
    left_.layout = kPresetA;
    left_.firstEntry = 1;
    left_.rows = kGroupEntries - 1;
    right_.layout = kPresetB;
    right_.firstEntry = 0;
    right_.rows = kGroupEntries;
    SetUpGrid(left_, QStringLiteral("Preset group A"));
    SetUpGrid(right_, QStringLiteral("Preset group B"));

    channelLabel_ = new QLabel(QStringLiteral("Weather Channel"), this);
    channels_ = new QComboBox(this);
    channelLabel_->setBuddy(channels_);
    channels_->setAccessibleName(QStringLiteral("Weather Channel"));
    connect(channels_, &QComboBox::activated, this, &CPage2::PageEdited);

    auto* grids = new QHBoxLayout;
    grids->addWidget(left_.sheet, 0, Qt::AlignTop);
    grids->addWidget(right_.sheet, 0, Qt::AlignTop);
    grids->addStretch();
    auto* channel = new QHBoxLayout;
    channel->addWidget(channelLabel_);
    channel->addWidget(channels_);
    channel->addStretch();
    auto* page = new QVBoxLayout(this);
    page->addLayout(grids);
    page->addLayout(channel);
    page->addStretch();
}

CPage2::~CPage2() = default;

void CPage2::SetUpGrid(Group& g, const QString& name) {
    g.sheet = new CSpreadSheet(this);
    CSpreadSheet& grid = *g.sheet;
    grid.setAccessibleName(name);
    grid.SetShape(3, g.rows);
    grid.SetColumnKind(kFrequencyColumn, CellKind::Frequency);
    grid.SetColumnKind(kModeColumn, CellKind::List);
    grid.SetColumnKind(kStepColumn, CellKind::List);
    SetColumnList(grid, kModeColumn, ModeNames());
    SetColumnList(grid, kStepColumn, PresetStepNames());
    SetColumnHeaders(grid, {QStringLiteral("Receive\nFrequency"), QStringLiteral("Receive\nMode"),
                            QStringLiteral("Step\nSize")});
    grid.SetColumnWidth(kFrequencyColumn, 90);
    grid.SetColumnWidth(kModeColumn, 60);
    grid.SetColumnWidth(kStepColumn, 75);

    // Every row in view, no scrolling: the grids are short.
    grid.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int frame = 2 * grid.frameWidth();
    grid.setFixedSize(grid.verticalHeader()->width() + grid.horizontalHeader()->length() + frame,
                      grid.horizontalHeader()->height() + grid.verticalHeader()->length() + frame);

    g.checker = new FrequencyCellChecker(grid, Model(), {kFrequencyColumn}, {}, this);
    WatchGrid(grid);
}

bool CPage2::OnSetActive() {
    loaded_ = true;
    LoadGroup(left_);
    LoadGroup(right_);
    LoadChannel();
    return CPropertyPage::OnSetActive();
}

bool CPage2::OnKillActive() {
    if (!left_.checker->CheckPending() || !right_.checker->CheckPending())
        return false;
    if (loaded_) {
        StoreGroup(left_);
        StoreGroup(right_);
        StoreChannel();
    }
    return CPropertyPage::OnKillActive();
}

void CPage2::LoadGroup(Group& g) {
    const Byte* ri = Model().EditRadio();
    CSpreadSheet& grid = *g.sheet;
    g.loaded.assign(static_cast<std::size_t>(g.rows), Loaded{});
    for (int row = 1; row <= g.rows; ++row) {
        const int entry = g.firstEntry + row - 1;
        Loaded& l = g.loaded[static_cast<std::size_t>(row - 1)];
        const Byte* code = ri + g.layout.frequencies + 4 * entry;
        std::copy(code, code + 4, l.code.begin());
        l.hz = DecodeDigits(code, 8);
        l.modeByte = ri[g.layout.modes + entry];
        l.stepByte = ri[g.layout.steps + entry];
        l.mode = ModeName(l.modeByte).isEmpty() ? -1 : l.modeByte - 1;
        l.step = l.stepByte < PresetStepNames().size() ? l.stepByte : -1;
        grid.WriteCellFrequency(kFrequencyColumn, row, l.hz);
        SetListIndexAt(grid, kModeColumn, row, l.mode);
        SetListIndexAt(grid, kStepColumn, row, l.step);
    }
}

void CPage2::StoreGroup(Group& g) {
    Byte* ri = Model().EditRadio();
    CSpreadSheet& grid = *g.sheet;
    for (int row = 1; row <= g.rows; ++row) {
        const int entry = g.firstEntry + row - 1;
        const Loaded& l = g.loaded[static_cast<std::size_t>(row - 1)];
        Byte* code = ri + g.layout.frequencies + 4 * entry;
        // Unchanged, or too large for the code (text a page switch took past the leave-cell
        // check), the entry keeps the bytes it was shown from.
        if (!StoreFrequencyCode(code, grid.ReadCellFrequency(kFrequencyColumn, row), l.hz))
            std::copy(l.code.begin(), l.code.end(), code);
        // A value the user did not change goes back as loaded, one outside the list included.
        const int mode = ListIndexAt(grid, kModeColumn, row);
        ri[g.layout.modes + entry] = mode == l.mode ? l.modeByte : static_cast<Byte>(mode + 1);
        const int step = ListIndexAt(grid, kStepColumn, row);
        // A step emptied by the user is "Auto", never a byte the receiver has no step for.
        ri[g.layout.steps + entry] =
            step == l.step ? l.stepByte : static_cast<Byte>(std::max(step, 0));
    }
}

void CPage2::LoadChannel() {
    tvList_ = TvChannelsInUse();
    channels_->clear();
    if (tvList_) {
        for (int n = 1; n <= kTvChannels; ++n)
            channels_->addItem(QStringLiteral("Chan %1").arg(n));
    } else {
        channels_->addItems(WeatherChannels());
    }
    const QString label =
        tvList_ ? QStringLiteral("TV Channels") : QStringLiteral("Weather Channels");
    channelLabel_->setText(label);
    channels_->setAccessibleName(label);

    loadedChannelByte_ = Model().EditRadio()[kChannelChoice];
    const int position = tvList_ ? loadedChannelByte_ - 1 : loadedChannelByte_;
    loadedChannel_ = position < channels_->count() ? position : -1;
    channels_->setCurrentIndex(loadedChannel_);
}

void CPage2::StoreChannel() {
    // Coded by the list the user chose from, even if the country settings changed meanwhile.
    const int position = channels_->currentIndex();
    Byte& stored = Model().EditRadio()[kChannelChoice];
    if (position < 0 || position == loadedChannel_)
        stored = loadedChannelByte_;
    else
        stored = static_cast<Byte>(tvList_ ? position + 1 : position);
}
