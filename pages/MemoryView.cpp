#include "pages/MemoryView.h"

#include "pages/BoundGrid.h"
#include "pages/ChannelFilter.h"
#include "pages/FilterBar.h"
#include "pages/SortDlg.h"
#include "pages/SpreadSheet.h"
#include "pages/ViewOrder.h"
#include "radio/Backups.h"
#include "radio/Csv.h"
#include "radio/Prompt.h"
#include "radio/Radio.h"
#include "radio/Records.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

using namespace layout;

namespace {

using records::MemoryChannel;
using records::SettingSwitch;

constexpr int kFreqCol = 1, kNameCol = 3, kPrefCol = 4;

int BankTop(int row) {
    return (row - 1) / CMemoryView::kBankRows * CMemoryView::kBankRows + CMemoryView::kBankRows;
}

// Restores the previous cursor when filling is done.
class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

int g_fontId = -1;

} // namespace

QString KatakanaFace() {
    // Faces with the JIS X 0201 half-width forms that Debian installs (fonts-noto-cjk first).
    static const char* const kFaces[] = {"Noto Sans Mono CJK JP", "Noto Sans CJK JP", "IPAGothic",
                                         "TakaoGothic", "VL Gothic"};
    const QStringList installed = QFontDatabase::families();
    for (const char* face : kFaces)
        if (installed.contains(QLatin1String(face)))
            return QLatin1String(face);
    return {};
}

QString RegisterChannelFont() {
    static QString face;
    if (g_fontId >= 0)
        return face;
    QStringList folders{QCoreApplication::applicationDirPath()};
    folders += QStandardPaths::standardLocations(QStandardPaths::AppDataLocation);
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(QStringLiteral("yaesu.fon"));
        if (!QFile::exists(path))
            continue;
        const int id = QFontDatabase::addApplicationFont(path);
        if (id < 0)
            continue;
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (families.isEmpty()) {
            QFontDatabase::removeApplicationFont(id);
            continue;
        }
        g_fontId = id;
        face = families.contains(QStringLiteral("Yaesu2")) ? QStringLiteral("Yaesu2")
                                                           : families.first();
        return face;
    }
    return {};
}

void UnregisterChannelFont() {
    if (g_fontId >= 0)
        QFontDatabase::removeApplicationFont(g_fontId);
    g_fontId = -1;
}

CMemoryView::CMemoryView(CVR500Radio& radio, QWidget* parent)
    : CPropertyPage(radio, tr("Memory View"), 101, parent) {
    SharedSortSettings() = SortSettings{};
    filterBar_ = new CFilterBar(this);
    BuildGrid();
    auto* side = new QVBoxLayout;
    AddCommandButtons(*side);
    AddScanControls(*side);
    auto* channels = new QVBoxLayout;
    channels->addWidget(filterBar_);
    channels->addWidget(grid_, 1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(channels, 1);
    layout->addLayout(side);
    connect(filterBar_, &CFilterBar::Changed, this, &CMemoryView::OnFilterChanged);
    // The main window fills it with its Edit commands.
    editMenu_ = new QMenu(this);

    FillGrid();
}

void CMemoryView::BuildGrid() {
    grid_ = new CSpreadSheet(this);
    grid_->setAccessibleName(tr("Memory channels"));
    bound_ = new BoundGrid(*grid_, Model(), ChannelColumns(), kRows, {}, this);
    bound_->SetRowShown([this](int row) { return Channel(row).InUse(); });
    // The program's own font draws the whole channel; without it the names still need a face
    // whose half-width katakana are drawn at the grid's size, which the default's fallback
    // may not be.
    QString face = RegisterChannelFont();
    const int firstCol = face.isEmpty() ? kNameCol : kFreqCol;
    const int lastCol = face.isEmpty() ? kNameCol : kPrefCol;
    if (face.isEmpty())
        face = KatakanaFace();
    if (!face.isEmpty()) {
        grid_->SetCurrentColumn(firstCol);
        grid_->SetCurrentRow(1);
        grid_->SetLastColumn(lastCol);
        grid_->SetLastRow(kRows);
        grid_->SetRangeMode(true);
        grid_->SetFontFace(face);
        grid_->SetRangeMode(false);
    }

    WatchGrid(*grid_);
    connect(grid_, &CSpreadSheet::RightClicked, this, &CMemoryView::OnRightClicked);
    connect(grid_, &CSpreadSheet::BlockDropped, this, &CMemoryView::OnBlockDropped);
    connect(grid_, &CSpreadSheet::Pasted, this, &CMemoryView::OnPasted);
    grid_->horizontalHeader()->setSectionsClickable(true);
    connect(grid_->horizontalHeader(), &QHeaderView::sectionClicked, this, &CMemoryView::SortView);
}

// The page's command buttons.
void CMemoryView::AddCommandButtons(QVBoxLayout& buttons) {
    struct Command {
        const char* text;
        void (CMemoryView::*slot)();
    };
    const Command commands[] = {
        {QT_TR_NOOP("&Sort"), &CMemoryView::OnSort},
        {QT_TR_NOOP("Move &Up"), &CMemoryView::OnMoveUp},
        {QT_TR_NOOP("Move &Down"), &CMemoryView::OnMoveDown},
        {QT_TR_NOOP("&Insert"), &CMemoryView::OnInsert},
        {QT_TR_NOOP("&Clear"), &CMemoryView::OnClear},
        {QT_TR_NOOP("Dele&te"), &CMemoryView::OnDelete},
    };
    for (const Command& command : commands) {
        auto* button = new QPushButton(tr(command.text), this);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, command.slot);
        buttons.addWidget(button);
    }
    buttons.addSpacing(12);
}

// Mode Scan, Bank Scan and the bank links, each change an edit of the page.
void CMemoryView::AddScanControls(QVBoxLayout& buttons) {
    modeScan_ = new QComboBox(this);
    modeScan_->addItems(
        {tr("OFF"), tr("NFM"), tr("WFM"), tr("AM"), tr("LSB"), tr("USB"), tr("CW")});
    auto* modeLabel = new QLabel(tr("&Mode Scan"), this);
    modeLabel->setBuddy(modeScan_);
    modeScan_->setAccessibleName(tr("Mode Scan"));
    buttons.addWidget(modeLabel);
    buttons.addWidget(modeScan_);

    auto* bankScanBox = new QGroupBox(tr("Bank Scan"), this);
    bankScanOff_ = new QRadioButton(tr("&Off"), bankScanBox);
    bankScanOn_ = new QRadioButton(tr("O&n"), bankScanBox);
    bankScanGroup_ = new QButtonGroup(this);
    bankScanGroup_->addButton(bankScanOff_, 0);
    bankScanGroup_->addButton(bankScanOn_, 1);
    auto* bankScanLayout = new QHBoxLayout(bankScanBox);
    bankScanLayout->addWidget(bankScanOff_);
    bankScanLayout->addWidget(bankScanOn_);
    buttons.addWidget(bankScanBox);

    auto* linkBox = new QGroupBox(tr("Bank Link For Scan"), this);
    auto* linkLayout = new QGridLayout(linkBox);
    for (int bank = 0; bank < 10; ++bank) {
        bankLink_[bank] = new QCheckBox(QString::number(bank), linkBox);
        bankLink_[bank]->setAccessibleName(tr("Bank %1").arg(bank));
        linkLayout->addWidget(bankLink_[bank], bank / 5, bank % 5);
    }
    buttons.addWidget(linkBox);
    buttons.addStretch();

    connect(modeScan_, &QComboBox::activated, this, &CMemoryView::PageEdited);
    connect(bankScanGroup_, &QButtonGroup::idClicked, this, &CMemoryView::PageEdited);
    for (QCheckBox* link : bankLink_)
        connect(link, &QCheckBox::clicked, this, &CMemoryView::PageEdited);
}

MemoryChannel CMemoryView::Channel(int row) const {
    return MemoryChannel(Model().EditRadio(), row);
}

// A channel is a row: frequency, mode, name, preferential scan. Emptying the frequency takes
// the channel out of use; a channel coming into use starts without a name or flags; a row
// edited without a frequency is emptied, whatever was typed beside it.
std::vector<GridColumn> CMemoryView::ChannelColumns() {
    const ColumnsOf<MemoryChannel> channel([this](int row) { return Channel(row); });
    return {
        channel.Frequency(
            tr("Receive\nFrequency"), [](const MemoryChannel& c) { return c.FrequencyHz(); },
            [](MemoryChannel& c, int hz) {
                if (hz == 0 || !c.InUse())
                    c.Clear();
                if (hz == 0)
                    return;
                c.SetFrequencyHz(hz);
                c.SetInUse(true);
            }),
        channel.List(
            tr("Receive\nMode"), ModeNames(),
            [](const MemoryChannel& c) { return c.ModeCode() - 1; },
            [](MemoryChannel& c, int mode) {
                if (c.InUse())
                    c.SetModeCode(mode + 1);
                else
                    c.Clear();
            }),
        channel.Text(
            tr("Channel\nName"), ri::kChannelNameSize, [](QChar ch) { return IsNameChar(ch); },
            [](const MemoryChannel& c) { return c.Name(); },
            [](MemoryChannel& c, const QString& name) {
                if (c.InUse())
                    c.SetName(name);
                else
                    c.Clear();
            }),
        channel.Check(
            tr("Preferential\nScan"), [](const MemoryChannel& c) { return c.Preferential(); },
            [](MemoryChannel& c, bool on) {
                if (c.InUse())
                    c.SetPreferential(on);
                else
                    c.Clear();
            }),
    };
}

bool CMemoryView::OnSetActive() {
    return CPropertyPage::OnSetActive();
}

void CMemoryView::FillGrid() {
    WaitCursor wait;
    bound_->Load();

    Byte* image = Model().EditRadio();
    const int modeScan = image[ri::kModeScan];
    modeScan_->setCurrentIndex(modeScan <= 6 ? modeScan : -1);
    bankScan_ = SettingSwitch(image, ri::kBankScanBit).On() ? 1 : 0;
    (bankScan_ ? bankScanOn_ : bankScanOff_)->setChecked(true);
    for (int bank = 0; bank < 10; ++bank)
        bankLink_[bank]->setChecked(records::BankLink(image, bank).On());
    lastReadLoaded_ = false; // a read may have made a newer backup
    RefreshRows();
}

bool CMemoryView::OnKillActive() {
    // Cells nobody changed since FillGrid keep every byte, the names and flags of channels
    // that are not in use included.
    if (!bound_->Store())
        return false;

    Byte* image = Model().EditRadio();
    if (modeScan_->currentIndex() >= 0)
        image[ri::kModeScan] = static_cast<Byte>(modeScan_->currentIndex());
    if (bankScanGroup_->checkedId() >= 0)
        bankScan_ = bankScanGroup_->checkedId();
    if (bankScan_ >= 0)
        SettingSwitch(image, ri::kBankScanBit).Set(bankScan_ == 1);
    // Only the ten bank bits: the rest of the second byte belongs to no control here.
    for (int bank = 0; bank < 10; ++bank)
        records::BankLink(image, bank).Set(bankLink_[bank]->isChecked());
    return CPropertyPage::OnKillActive();
}

void CMemoryView::resizeEvent(QResizeEvent* event) {
    CPropertyPage::resizeEvent(event);
    SizeColumns();
}

// The row numbers and the four columns share the grid's width less its vertical scroll bar,
// so the channels never need a horizontal one.
void CMemoryView::SizeColumns() {
    const int available =
        grid_->width() - grid_->verticalScrollBar()->sizeHint().width() - 2 * grid_->frameWidth();
    if (available <= 0)
        return;
    // The row numbers need no more than "1000" on a wide window; the channels get the rest.
    const int shares[5] = {9, 23, 19, 31, 18};
    const int numbers = std::min(available * shares[0] / 100,
                                 grid_->fontMetrics().horizontalAdvance(QStringLiteral("00000")) +
                                     2 * grid_->style()->pixelMetric(QStyle::PM_HeaderMargin));
    grid_->SetColumnWidth(0, numbers);
    const int rest = available - numbers;
    int used = numbers;
    for (int c = 1; c < 4; ++c) {
        const int width = rest * shares[c] / (100 - shares[0]);
        grid_->SetColumnWidth(c, width);
        used += width;
    }
    grid_->SetColumnWidth(4, available - used);
}

// ---- Filter ----

void CMemoryView::SetHideUnused(bool hide) {
    hideUnused_ = hide;
    RefreshRows();
}

const Image* CMemoryView::LastReadImage() {
    if (!lastReadLoaded_) {
        lastReadLoaded_ = true;
        lastRead_.reset();
        QFile file(backups::Newest());
        if (file.open(QIODevice::ReadOnly) && file.size() == kImageSize) {
            Image image;
            if (file.read(reinterpret_cast<char*>(image.data()), kImageSize) == kImageSize)
                lastRead_ = image;
        }
    }
    return lastRead_ ? &*lastRead_ : nullptr;
}

std::vector<bool> CMemoryView::PassingRows() {
    ChannelFilter filter = filterBar_->Filter();
    filter.inUse = filter.inUse || hideUnused_;
    if (filter.IsEmpty())
        return std::vector<bool>(kRows + 1, true);
    std::vector<bool> sinceOpened, sinceRead;
    if (filter.changedSinceOpened)
        sinceOpened = ChangedChannels(Model().EditImage(), Model().SavedImage(), kRows);
    if (filter.changedSinceRead) {
        // Without a backup of a read no channel counts as changed since one.
        const Image* read = LastReadImage();
        sinceRead = read ? ChangedChannels(Model().EditImage(), *read, kRows)
                         : std::vector<bool>(kRows + 1, false);
    }
    const QAbstractItemModel* model = grid_->model();
    const auto text = [model](int row, int column) {
        return model->index(row - 1, column - 1).data().toString();
    };
    std::vector<bool> passing(kRows + 1, false);
    for (int row = 1; row <= kRows; ++row) {
        ChannelRow channel;
        channel.number = row;
        channel.frequencyText = text(row, kFreqCol).trimmed();
        channel.modeText = text(row, kFreqCol + 1);
        channel.name = text(row, kNameCol);
        channel.changedSinceOpened = !sinceOpened.empty() && sinceOpened[row];
        channel.changedSinceRead = !sinceRead.empty() && sinceRead[row];
        passing[row] = filter.Passes(channel);
    }
    return passing;
}

void CMemoryView::RefreshRows() {
    const std::vector<bool> passing = PassingRows();
    const int current = grid_->currentIndex().isValid() ? grid_->currentIndex().row() + 1 : 0;
    for (int row = 1; row <= kRows; ++row) {
        const bool hide = row != current && !passing[row];
        if (grid_->isRowHidden(row - 1) != hide)
            grid_->setRowHidden(row - 1, hide);
    }
}

// The cursor moves to the first channel shown when its own is filtered out, so what is typed
// next lands on a channel the user can see.
void CMemoryView::OnFilterChanged() {
    const QModelIndex current = grid_->currentIndex();
    if (current.isValid()) {
        const std::vector<bool> passing = PassingRows();
        if (!passing[current.row() + 1]) {
            const auto first = std::find(passing.begin() + 1, passing.end(), true);
            if (first != passing.end()) {
                const int row = static_cast<int>(first - passing.begin());
                grid_->setCurrentIndex(grid_->model()->index(row - 1, current.column()));
            }
        }
    }
    RefreshRows();
}

// ---- Grid events ----

void CMemoryView::OnRightClicked(short kind, int, int, int x, int y) {
    if (kind != 0 || editMenu_->isEmpty())
        return;
    const int px = x * std::max(1, grid_->logicalDpiX()) / 1440;
    const int py = y * std::max(1, grid_->logicalDpiY()) / 1440;
    editMenu_->popup(grid_->viewport()->mapToGlobal(QPoint(px, py)));
}

void CMemoryView::OnBlockDropped(int, int row, int, int lastRow, int dropColumn, int dropRow, int,
                                 int, bool, short& action, bool&, bool& cancel) {
    // Whole channel rows move or copy, whatever columns were dragged.
    cancel = true;
    if (!RunFitsView(row, lastRow, tr("Drag")))
        return;
    RowRange(row, lastRow);
    grid_->SetTargetColumn(kFreqCol);
    grid_->SetTargetRow(dropRow);
    grid_->SetRangeMode(true);
    grid_->SetOperation(action == 0 ? CSpreadSheet::OpMoveTo : CSpreadSheet::OpCopyTo);
    grid_->SetRangeMode(false);
    grid_->SetCurrentColumn(dropColumn);
    grid_->SetCurrentRow(dropRow);
    grid_->SetOperation(CSpreadSheet::OpActivate);
}

// ---- Commands ----

void CMemoryView::RowRange(int first, int last) {
    grid_->SetCurrentColumn(kFreqCol);
    grid_->SetLastColumn(kPrefCol);
    grid_->SetCurrentRow(first);
    grid_->SetLastRow(last);
}

bool CMemoryView::Selection(int& first, int& last) const {
    first = grid_->GetSelectionFirstRow();
    last = grid_->GetSelectionLastRow();
    return first >= 0;
}

void CMemoryView::OnSort() {
    CSortDlg dialog(SharedSortSettings(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    SortBy(SharedSortSettings());
    emit Edited(tr("Sort"));
}

void CMemoryView::SortBy(const SortSettings& s) {
    grid_->SetSortOrientation(0);
    grid_->SetSortKeyColumn(1, s.firstKeyColumn);
    // A second key left from an earlier sort must not outlive "No sort".
    const bool second = s.secondKeyColumn > 0 && s.secondKeyColumn != s.firstKeyColumn;
    grid_->SetSortKeyColumn(2, second ? s.secondKeyColumn : 0);
    grid_->SetSortKeyOrder(1, s.order);
    grid_->SetSortKeyOrder(2, s.order);
    const auto sortRows = [this](int first, int last) {
        RowRange(first, last);
        grid_->SetOperation(CSpreadSheet::OpSort);
    };
    int f = 0, l = 0;
    Selection(f, l);
    switch (s.scope) {
    case SortSettings::SelectedChannels:
        if (f == l) {
            if (Prompt* prompt = Model().GetPrompt())
                prompt->Message(tr("No channels were selected for sorting."), tr("Sort Error"),
                                PromptButtons::Ok, PromptIcon::None);
            return;
        }
        sortRows(f, l);
        break;
    case SortSettings::CurrentBank: {
        const int top = BankTop(f > 0 ? f : 1);
        sortRows(top - kBankRows + 1, top);
        break;
    }
    case SortSettings::AllByBanks:
        for (int top = kBankRows; top <= kRows; top += kBankRows)
            sortRows(top - kBankRows + 1, top);
        break;
    case SortSettings::AllAsOneBank:
        sortRows(1, kRows);
        break;
    default:
        break;
    }
}

void CMemoryView::OnMoveUp() {
    int f = 0, l = 0;
    if (Selection(f, l) && f > 1)
        MoveRows(f, l, -1, tr("Move Up"));
}

void CMemoryView::OnMoveDown() {
    int f = 0, l = 0;
    if (Selection(f, l) && l < kRows)
        MoveRows(f, l, 1, tr("Move Down"));
}

// Swaps the rows first..last with the block one row up (step -1) or down (step 1).
void CMemoryView::MoveRows(int first, int last, int step, const QString& label) {
    if (!RunIsShown(std::min(first, first + step), std::max(last, last + step), label))
        return;
    RowRange(first, last);
    grid_->SetTargetColumn(kFreqCol);
    grid_->SetTargetRow(first + step);
    grid_->SetRangeMode(true);
    grid_->SetOperation(CSpreadSheet::OpSwap);
    grid_->SetRangeMode(false);
    grid_->SetCurrentColumn(kFreqCol);
    grid_->SetCurrentRow(first + step);
    grid_->SetOperation(CSpreadSheet::OpActivate);
    if (last > first) { // the block stays selected, so the command can be repeated
        RowRange(first + step, last + step);
        grid_->SetOperation(CSpreadSheet::OpSelect);
    }
    emit Edited(label);
}

void CMemoryView::OnInsert() {
    int f = 0, l = 0;
    if (!Selection(f, l) || !RunFitsView(f, l, tr("Insert")))
        return;
    const int top = BankTop(f);
    if (const int hz = grid_->ReadCellFrequency(kFreqCol, top); hz != 0) {
        Prompt* prompt = Model().GetPrompt();
        QString name;
        grid_->ReadCell(kNameCol, top, name);
        const QString lost = (FrequencyText(hz) + QLatin1Char(' ') + name).trimmed();
        if (prompt && prompt->Confirm(tr("Channel %1 (%2), the last of its bank, will be lost "
                                         "with the insert.")
                                          .arg(top)
                                          .arg(lost),
                                      tr("Insert"), tr("Insert"),
                                      PromptIcon::Exclamation) != PromptAnswer::Ok)
            return;
    }
    grid_->SetRangeMode(true);
    if (f == top) {
        RowRange(f, f);
        grid_->SetOperation(CSpreadSheet::OpClear);
    } else {
        RowRange(f, top - 1);
        grid_->SetTargetColumn(kFreqCol);
        grid_->SetTargetRow(f + 1);
        grid_->SetOperation(CSpreadSheet::OpMoveTo);
    }
    grid_->SetRangeMode(false);
    emit Edited(tr("Insert"));
}

void CMemoryView::OnDelete() {
    int f = 0, l = 0;
    if (!Selection(f, l) || !RunFitsView(f, l, tr("Delete")))
        return;
    const int top = BankTop(f);
    grid_->SetRangeMode(true);
    if (f == top) {
        RowRange(f, f);
        grid_->SetOperation(CSpreadSheet::OpClear);
    } else {
        RowRange(f + 1, top);
        grid_->SetTargetColumn(kFreqCol);
        grid_->SetTargetRow(f);
        grid_->SetOperation(CSpreadSheet::OpMoveTo);
    }
    grid_->SetRangeMode(false);
    emit Edited(tr("Delete"));
}

void CMemoryView::OnClear() {
    int f = grid_->GetSelectionFirstRow(), l = grid_->GetSelectionLastRow();
    if (f == -1) {
        if (l == -1)
            return;
        f = 1;
    }
    if (!RunFitsView(f, l, tr("Clear")))
        return;
    // Channels the filter hides between the selected ones are not the user's to clear.
    grid_->SetRangeMode(true);
    for (int row = f; row <= l; ++row) {
        if (grid_->isRowHidden(row - 1))
            continue;
        int end = row;
        while (end < l && !grid_->isRowHidden(end))
            ++end;
        RowRange(row, end);
        grid_->SetOperation(CSpreadSheet::OpClear);
        row = end;
    }
    grid_->SetRangeMode(false);
    emit Edited(tr("Clear"));
}

// ---- The view's own order ----

void CMemoryView::SortView(int column) {
    if (!ViewSorted() || column != viewSortColumn_) {
        viewSortColumn_ = column;
        viewSortOrder_ = Qt::AscendingOrder;
    } else if (viewSortOrder_ == Qt::AscendingOrder) {
        viewSortOrder_ = Qt::DescendingOrder;
    } else {
        viewSortColumn_ = -1;
    }
    QHeaderView* header = grid_->horizontalHeader();
    header->setSortIndicatorShown(viewSortColumn_ >= 0);
    if (viewSortColumn_ >= 0)
        header->setSortIndicator(viewSortColumn_, viewSortOrder_);
    ShowRowsInOrder(*grid_->verticalHeader(),
                    viewSortColumn_ >= 0
                        ? RowsOrderedBy(*grid_->model(), viewSortColumn_, viewSortOrder_)
                        : std::vector<int>{});
    if (grid_->currentIndex().isValid())
        grid_->scrollTo(grid_->currentIndex());
}

bool CMemoryView::ViewSorted() const {
    return viewSortColumn_ >= 0 && grid_->verticalHeader()->sectionsMoved();
}

void CMemoryView::Refuse(const QString& text, const QString& command) {
    if (Prompt* prompt = Model().GetPrompt())
        prompt->Message(text, command, PromptButtons::Ok, PromptIcon::Exclamation);
}

bool CMemoryView::RunFitsView(int first, int last, const QString& command) {
    if (!ViewSorted())
        return true;
    for (int row = std::max(first, 1); row <= std::min(last, kRows); ++row)
        if (!grid_->isRowHidden(row - 1) &&
            !grid_->selectionModel()->rowIntersectsSelection(row - 1, QModelIndex())) {
            Refuse(tr("%1 works on channels that follow each other in channel order, and the "
                      "list is sorted by a column: channel %2 is elsewhere in the list. Click "
                      "that column's header until the list is in channel order again, or "
                      "select the channels from %3 to %4.")
                       .arg(command)
                       .arg(row)
                       .arg(first)
                       .arg(last),
                   command);
            return false;
        }
    return true;
}

bool CMemoryView::RunIsShown(int first, int last, const QString& command) {
    if (!RunFitsView(first, last, command))
        return false;
    for (int row = std::max(first, 1); row <= std::min(last, kRows); ++row)
        if (grid_->isRowHidden(row - 1) && Channel(row).InUse()) {
            Refuse(tr("%1 would reach channel %2, which the filter hides. Clear the filter "
                      "(Escape in the filter bar), or select only channels that are shown.")
                       .arg(command)
                       .arg(row),
                   command);
            return false;
        }
    return true;
}

void CMemoryView::ClipboardCommand(int operation, const QString& command) {
    const int f = grid_->GetSelectionFirstRow(), l = grid_->GetSelectionLastRow();
    const int start = f > 0 ? f : 1;
    if (l < start)
        return;
    const int end =
        operation == CSpreadSheet::OpClipboardPaste
            ? std::max(
                  l, start + std::max(1, RowsToPaste(QGuiApplication::clipboard()->mimeData())) - 1)
            : l;
    if (!RunIsShown(start, end, command))
        return;
    RowRange(start, l);
    grid_->SetOperation(CSpreadSheet::OpSelect);
    grid_->SetRangeMode(true);
    grid_->SetOperation(operation);
    grid_->SetRangeMode(false);
}

void CMemoryView::OnCopy() {
    ClipboardCommand(CSpreadSheet::OpClipboardCopy, tr("Copy"));
}

void CMemoryView::OnCut() {
    ClipboardCommand(CSpreadSheet::OpClipboardCut, tr("Cut"));
    emit Edited(tr("Cut"));
}

void CMemoryView::OnPaste() {
    ClipboardCommand(CSpreadSheet::OpClipboardPaste, tr("Paste"));
}

// One message for everything the paste left out (WatchGrid names the undo step).
void CMemoryView::OnPasted(bool dropped) {
    const CSpreadSheet::PasteReport& report = grid_->LastPaste();
    Prompt* prompt = Model().GetPrompt();
    if (!report.Empty() && prompt) {
        // Listed as an import lists its rows: the first hundred, then how many more.
        std::vector<csv::Problem> refused;
        for (const CSpreadSheet::PasteReport::Row& row : report.rows)
            refused.push_back({row.row, row.reason});
        QStringList lines = csv::ProblemLines(refused, tr("Channel "));
        if (report.rowsPastEnd > 0)
            lines << (report.rowsPastEnd == 1 ? tr("1 row past channel %1 was left out").arg(kRows)
                                              : tr("%1 rows past channel %2 were left out")
                                                    .arg(report.rowsPastEnd)
                                                    .arg(kRows));
        ShowList(*prompt, tr("Not everything was pasted:"), lines,
                 dropped ? tr("Drop") : tr("Paste"), PromptButtons::Ok, PromptIcon::Exclamation);
    }
}
