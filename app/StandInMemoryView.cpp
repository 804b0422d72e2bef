#include "app/StandInMemoryView.h"

#include "radio/Radio.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

StandInMemoryView::StandInMemoryView(CVR500Radio& radio, QWidget* parent)
    : CPropertyPage(radio, QStringLiteral("Memory View"), 101, parent),
      grid_(new QTableWidget(layout::ri::kChannelCount, 2, this)) {
    grid_->setAccessibleName(QStringLiteral("Memory channels"));
    grid_->setHorizontalHeaderLabels({QStringLiteral("Frequency"), QStringLiteral("Name")});
    grid_->horizontalHeader()->setStretchLastSection(true);
    auto* box = new QVBoxLayout(this);
    box->addWidget(grid_);
    FillGrid();
}

bool StandInMemoryView::OnSetActive() {
    FillGrid();
    return true;
}

void StandInMemoryView::FillGrid() {
    CVR500Radio& radio = Model();
    for (int n = 1; n <= layout::ri::kChannelCount; ++n) {
        const bool used = radio.IsChannelUsed(n);
        const ChannelRecord* rec = radio.GetChannel(n);
        grid_->setItem(n - 1, 0,
                       new QTableWidgetItem(used ? FrequencyText(rec->frequencyHz) : QString()));
        grid_->setItem(n - 1, 1, new QTableWidgetItem(used ? TextFromName(rec->name) : QString()));
    }
}

bool StandInMemoryView::OnKillActive() {
    // A cell still being edited counts: moving the current cell commits its editor.
    const QModelIndex current = grid_->currentIndex();
    grid_->setCurrentIndex(QModelIndex());
    grid_->setCurrentIndex(current);
    CVR500Radio& radio = Model();
    for (int n = 1; n <= layout::ri::kChannelCount; ++n) {
        const QTableWidgetItem* item = grid_->item(n - 1, 0);
        const int hz = item ? SnapTo50Hz(ParseFrequency(item->text())) : 0;
        if (hz == 0) {
            radio.SetChannelUsed(n, false);
            continue;
        }
        ChannelRecord rec = *radio.GetChannel(n);
        if (rec.frequencyHz == hz && radio.IsChannelUsed(n))
            continue;
        EncodeDigits(rec.code, hz, 8);
        rec.frequencyHz = hz;
        radio.StoreChannel(rec, n);
        radio.SetChannelUsed(n, true);
    }
    return true;
}
