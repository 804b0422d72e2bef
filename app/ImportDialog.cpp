#include "app/ImportDialog.h"

#include "radio/Codecs.h"
#include "radio/Radio.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace layout;

namespace {

// The placements in the order the box offers them.
const std::pair<csv::Placement, const char*> kPlacements[] = {
    {csv::Placement::ByNumber, QT_TRANSLATE_NOOP("CImportDialog", "Channels the list names")},
    {csv::Placement::At, QT_TRANSLATE_NOOP("CImportDialog", "Channels from")},
    {csv::Placement::Append, QT_TRANSLATE_NOOP("CImportDialog", "Free channels, lowest first")},
    {csv::Placement::Bank, QT_TRANSLATE_NOOP("CImportDialog", "Replace bank")},
};

const char* const kPreviewHeaders[] = {
    QT_TRANSLATE_NOOP("CImportDialog", "Line"),      QT_TRANSLATE_NOOP("CImportDialog", "Channel"),
    QT_TRANSLATE_NOOP("CImportDialog", "Frequency"), QT_TRANSLATE_NOOP("CImportDialog", "Mode"),
    QT_TRANSLATE_NOOP("CImportDialog", "Name"),      QT_TRANSLATE_NOOP("CImportDialog", "Refused")};

QString ColumnTitle(const csv::Recognised& r, int column) {
    const QString number =
        QCoreApplication::translate("CImportDialog", "Column %1").arg(column + 1);
    return r.hasHeader && column < r.headerCells.size()
               ? QStringLiteral("%1: %2").arg(number, VisibleText(r.headerCells[column].trimmed()))
               : number;
}

} // namespace

bool ImportNeedsChoices(const csv::Plan& plan) {
    const csv::Recognised& r = plan.recognised;
    if (r.dialect == nullptr)
        return !r.headerCells.isEmpty(); // a header of its own: the user maps the columns
    return r.dialect != &csv::Dialects().front() || !r.hasHeader || r.fromZero ||
           r.columns[static_cast<int>(csv::Role::Location)] < 0;
}

CImportDialog::CImportDialog(CVR500Radio& radio, QByteArray text, const QString& source,
                             const csv::Options& start, QWidget* parent)
    : QDialog(parent), radio_(radio), text_(std::move(text)), options_(start) {
    setWindowTitle(tr("Import Channels - %1").arg(VisibleText(source)));

    auto* listBox = new QGroupBox(tr("The list"), this);
    auto* listForm = new QFormLayout(listBox);
    format_ = new QComboBox(listBox);
    for (const csv::Dialect& d : csv::Dialects())
        format_->addItem(QLatin1String(d.title), QLatin1String(d.key));
    listForm->addRow(tr("&Format:"), format_);
    auto* mapping = new QGridLayout;
    for (int role = 0; role < csv::kRoleCount; ++role) {
        auto* label =
            new QLabel(csv::RoleTitle(static_cast<csv::Role>(role)) + QLatin1Char(':'), listBox);
        columns_[role] = new QComboBox(listBox);
        label->setBuddy(columns_[role]);
        mapping->addWidget(label, role / 3, 2 * (role % 3));
        mapping->addWidget(columns_[role], role / 3, 2 * (role % 3) + 1);
        connect(columns_[role], &QComboBox::activated, this, &CImportDialog::MappingChosen);
    }
    listForm->addRow(tr("Columns:"), mapping);
    fromZero_ = new QCheckBox(tr("Numbered from &0 (row 0 goes to channel 1)"), listBox);
    header_ = new QCheckBox(tr("The first line &names the columns"), listBox);
    listForm->addRow(header_);
    listForm->addRow(fromZero_);

    auto* placeBox = new QGroupBox(tr("Where the rows go"), this);
    auto* placeRow = new QHBoxLayout(placeBox);
    placement_ = new QComboBox(placeBox);
    placement_->setAccessibleName(tr("Placement"));
    for (const auto& [placement, text] : kPlacements)
        placement_->addItem(tr(text), static_cast<int>(placement));
    channel_ = new QSpinBox(placeBox);
    channel_->setRange(1, ri::kChannelCount);
    channel_->setAccessibleName(tr("First channel"));
    bank_ = new QSpinBox(placeBox);
    bank_->setRange(0, ri::kChannelCount / ri::kBankSize - 1);
    bank_->setAccessibleName(tr("Bank"));
    placeRow->addWidget(placement_);
    placeRow->addWidget(channel_);
    placeRow->addWidget(bank_);
    placeRow->addStretch();
    skipRefused_ = new QCheckBox(tr("Import the good rows and &leave the refused ones out"), this);

    preview_ = new QTableWidget(this);
    preview_->setAccessibleName(tr("Rows as they will land"));
    preview_->setColumnCount(static_cast<int>(std::size(kPreviewHeaders)));
    QStringList headers;
    for (const char* h : kPreviewHeaders)
        headers << tr(h);
    preview_->setHorizontalHeaderLabels(headers);
    preview_->verticalHeader()->hide();
    preview_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    preview_->horizontalHeader()->setStretchLastSection(true);
    summary_ = new QLabel(this);
    summary_->setWordWrap(true);

    buttons_ = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    import_ = buttons_->addButton(tr("&Import"), QDialogButtonBox::AcceptRole);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(listBox);
    layout->addWidget(placeBox);
    layout->addWidget(preview_, 1);
    layout->addWidget(summary_);
    layout->addWidget(skipRefused_);
    layout->addWidget(buttons_);
    resize(720, 560);

    connect(format_, &QComboBox::activated, this, &CImportDialog::FormatChosen);
    connect(header_, &QCheckBox::toggled, this, [this](bool on) {
        if (!filling_) {
            options_.hasHeader = on;
            Replan();
        }
    });
    connect(fromZero_, &QCheckBox::toggled, this, [this](bool on) {
        if (!filling_) {
            options_.fromZero = on;
            Replan();
        }
    });
    connect(placement_, &QComboBox::activated, this, &CImportDialog::PlacementChosen);
    connect(channel_, &QSpinBox::valueChanged, this, &CImportDialog::PlacementChosen);
    connect(bank_, &QSpinBox::valueChanged, this, &CImportDialog::PlacementChosen);
    connect(skipRefused_, &QCheckBox::toggled, this, [this](bool on) {
        options_.skipRefused = on;
        ShowPreview();
    });

    filling_ = true;
    placement_->setCurrentIndex(placement_->findData(static_cast<int>(options_.placement)));
    channel_->setValue(options_.first);
    bank_->setValue(options_.bank);
    skipRefused_->setChecked(options_.skipRefused);
    filling_ = false;
    Replan();
}

void CImportDialog::Replan() {
    plan_ = csv::PlanImport(radio_, text_, options_);
    // A list without channel numbers cannot go where it names; offer the free channels.
    if (options_.placement == csv::Placement::ByNumber && plan_.recognised.dialect != nullptr &&
        plan_.recognised.columns[static_cast<int>(csv::Role::Location)] < 0) {
        options_.placement = csv::Placement::Append;
        plan_ = csv::PlanImport(radio_, text_, options_);
    }
    ShowMapping();
    ShowPreview();
}

void CImportDialog::ShowMapping() {
    filling_ = true;
    const csv::Recognised& r = plan_.recognised;
    if (r.dialect != nullptr)
        format_->setCurrentIndex(format_->findData(QLatin1String(r.dialect->key)));
    int width = static_cast<int>(r.headerCells.size());
    for (int c : r.columns)
        width = std::max(width, c + 1);
    for (int role = 0; role < csv::kRoleCount; ++role) {
        QComboBox* box = columns_[role];
        box->clear();
        box->addItem(tr("(none)"), -1);
        for (int c = 0; c < width; ++c)
            box->addItem(ColumnTitle(r, c), c);
        box->setCurrentIndex(box->findData(r.columns[role]));
    }
    header_->setChecked(r.hasHeader);
    fromZero_->setChecked(r.fromZero);
    fromZero_->setEnabled(r.columns[static_cast<int>(csv::Role::Location)] >= 0);
    placement_->setCurrentIndex(placement_->findData(static_cast<int>(options_.placement)));
    channel_->setEnabled(options_.placement == csv::Placement::At);
    bank_->setEnabled(options_.placement == csv::Placement::Bank);
    filling_ = false;
}

void CImportDialog::ShowPreview() {
    const int shown = std::min<int>(static_cast<int>(plan_.rows.size()), kPreviewRows);
    preview_->setRowCount(shown);
    for (int i = 0; i < shown; ++i) {
        const csv::PlannedRow& p = plan_.rows[i];
        const bool taken = p.refused.isEmpty();
        const QString cells[] = {
            QString::number(p.line),
            taken ? QString::number(p.channel) : QString(),
            p.hz > 0 ? FrequencyText(p.hz) : QString(),
            ModeName(p.mode),
            VisibleText(p.name),
            p.refused,
        };
        for (int c = 0; c < static_cast<int>(std::size(cells)); ++c)
            preview_->setItem(i, c, new QTableWidgetItem(cells[c]));
    }
    const int refused = static_cast<int>(std::count_if(
        plan_.rows.begin(), plan_.rows.end(), [](const auto& p) { return !p.refused.isEmpty(); }));
    const int taken = static_cast<int>(plan_.rows.size()) - refused;
    QStringList text;
    if (!plan_.fileProblems.empty())
        text << tr("The list cannot be read: line %1: %2")
                    .arg(plan_.fileProblems.front().line)
                    .arg(plan_.fileProblems.front().reason);
    else
        text << tr("%1 rows will be written, %2 refused.").arg(taken).arg(refused);
    if (refused > 0 && !options_.skipRefused)
        text << tr("Nothing is written while rows are refused, unless the good rows "
                   "are imported alone.");
    if (options_.placement == csv::Placement::Bank)
        text << tr("The other channels of bank %1 are cleared.").arg(options_.bank);
    if (!plan_.recognised.unknownColumns.isEmpty())
        text << tr("Columns not read: %1.")
                    .arg(plan_.recognised.unknownColumns.join(QStringLiteral(", ")));
    summary_->setText(text.join(QLatin1Char(' ')));
    import_->setEnabled(plan_.fileProblems.empty() && taken > 0 &&
                        (refused == 0 || options_.skipRefused));
}

void CImportDialog::FormatChosen() {
    options_.format = format_->currentData().toString();
    options_.columns.reset();
    options_.fromZero.reset();
    options_.hasHeader.reset();
    Replan();
}

void CImportDialog::MappingChosen() {
    if (filling_)
        return;
    csv::ColumnMap map{};
    for (int role = 0; role < csv::kRoleCount; ++role)
        map[role] = columns_[role]->currentData().toInt();
    options_.columns = map;
    options_.format = format_->currentData().toString();
    Replan();
}

void CImportDialog::PlacementChosen() {
    if (filling_)
        return;
    options_.placement = static_cast<csv::Placement>(placement_->currentData().toInt());
    options_.first = channel_->value();
    options_.bank = bank_->value();
    Replan();
}
