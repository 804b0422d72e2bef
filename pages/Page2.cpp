#include "pages/Page2.h"

#include "pages/BoundGrid.h"
#include "pages/GridCells.h"
#include "pages/SpreadSheet.h"
#include "radio/Radio.h"
#include "radio/Records.h"
#include "radio/Settings.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

using namespace layout::ri;
using records::GroupEntry;

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
    : CPropertyPage(radio, tr("Preset Mode"), kHelpContext, parent) {
    // Entry 0 of the first group is not the user's to change, so its grid has no row for it.
    left_.group = 0;
    left_.firstEntry = 1;
    left_.rows = kGroupEntries - 1;
    right_.group = 1;
    right_.firstEntry = 0;
    right_.rows = kGroupEntries;
    SetUpGrid(left_, tr("Preset group A"));
    SetUpGrid(right_, tr("Preset group B"));

    channelLabel_ = new QLabel(tr("Weather Channel"), this);
    channels_ = new QComboBox(this);
    channelLabel_->setBuddy(channels_);
    channels_->setAccessibleName(tr("Weather Channel"));
    connect(channels_, &QComboBox::activated, this, &CPage2::PageEdited);

    // Each grid under the name of its preset group; the rows number the group's entries.
    auto* grids = new QHBoxLayout;
    for (const auto& [g, title] :
         {std::pair{&left_, tr("Group A")}, std::pair{&right_, tr("Group B")}}) {
        auto* box = new QGroupBox(title, this);
        box->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Maximum);
        (new QVBoxLayout(box))->addWidget(g->sheet);
        grids->addWidget(box, 0, Qt::AlignTop);
    }
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
    const int group = g.group, first = g.firstEntry;
    const ColumnsOf<GroupEntry> entry([this, group, first](int row) {
        return records::PresetEntry(Model().EditRadio(), group, first + row - 1);
    });
    g.bound = new BoundGrid(
        grid, Model(),
        {GroupFrequencyColumn(entry, tr("Receive\nFrequency")),
         GroupModeColumn(entry, tr("Receive\nMode")),
         // A step emptied by the user is "Auto", never a byte the receiver has no step for.
         entry.List(
             tr("Step\nSize"), PresetStepNames(),
             [](const GroupEntry& e) { return int{e.StepByte()}; },
             [](GroupEntry& e, int step) { e.SetStepByte(static_cast<Byte>(std::max(step, 0))); })},
        g.rows, {}, this);
    grid.SetColumnWidth(kFrequencyColumn, 90);
    grid.SetColumnWidth(kModeColumn, 60);
    grid.SetColumnWidth(kStepColumn, 75);

    // Every row in view, no scrolling: the grids are short.
    grid.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int frame = 2 * grid.frameWidth();
    grid.setFixedSize(grid.verticalHeader()->width() + grid.horizontalHeader()->length() + frame,
                      grid.horizontalHeader()->height() + grid.verticalHeader()->length() + frame);
    WatchGrid(grid);
}

bool CPage2::OnSetActive() {
    loaded_ = true;
    left_.bound->Load();
    right_.bound->Load();
    LoadChannel();
    return CPropertyPage::OnSetActive();
}

bool CPage2::OnKillActive() {
    // Grids never loaded hold no changed cell, so they store nothing.
    if (!left_.bound->Store() || !right_.bound->Store())
        return false;
    if (loaded_)
        StoreChannel();
    return CPropertyPage::OnKillActive();
}

void CPage2::LoadChannel() {
    tvList_ = TvChannelsInUse();
    channels_->clear();
    if (tvList_) {
        for (int n = 1; n <= kTvChannels; ++n)
            channels_->addItem(tr("Chan %1").arg(n));
    } else {
        channels_->addItems(WeatherChannels());
    }
    const QString label = tvList_ ? tr("TV Channels") : tr("Weather Channels");
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
