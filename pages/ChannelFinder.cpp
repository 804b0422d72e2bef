#include "pages/ChannelFinder.h"

#include "pages/MemoryView.h"
#include "pages/SpreadSheet.h"
#include "radio/Codecs.h"
#include "radio/Prompt.h"
#include "radio/Radio.h"

#include <QInputDialog>

namespace {
// Model columns of the grid (grid column - 1).
constexpr int kFrequencyColumn = 0;
constexpr int kNameColumn = 2;
} // namespace

CChannelFinder::CChannelFinder(CMemoryView& view) : QObject(&view), view_(view) {}

void CChannelFinder::SetHideUnused(bool hide) {
    view_.SetHideUnused(hide);
}

bool CChannelFinder::HidesUnused() const {
    return view_.HidesUnused();
}

bool CChannelFinder::InUse(int row) const {
    const QAbstractItemModel* model = view_.Grid()->model();
    return !model->index(row - 1, kFrequencyColumn).data().toString().trimmed().isEmpty();
}

bool CChannelFinder::Matches(int row, const QString& text, int hz) const {
    // Find looks only at the channels the filter shows.
    if (!InUse(row) || view_.Grid()->isRowHidden(row - 1))
        return false;
    if (hz != 0 && view_.Grid()->ReadCellFrequency(kFrequencyColumn + 1, row) == hz)
        return true;
    const QString name = view_.Grid()->model()->index(row - 1, kNameColumn).data().toString();
    return name.contains(text, Qt::CaseInsensitive);
}

int CChannelFinder::FindNext(const QString& typed) {
    const QString text = typed.trimmed();
    if (text.isEmpty())
        return 0;
    last_ = text;
    CSpreadSheet* grid = view_.Grid();
    const int hz = ParseFrequency(text);
    const int current = grid->currentIndex().isValid() ? grid->currentIndex().row() + 1 : 0;
    for (int step = 1; step <= CMemoryView::kRows; ++step) {
        const int row = (current + step - 1) % CMemoryView::kRows + 1;
        if (!Matches(row, text, hz))
            continue;
        const QModelIndex cell = grid->model()->index(row - 1, kFrequencyColumn);
        grid->setCurrentIndex(cell);
        grid->scrollTo(cell);
        grid->setFocus();
        return grid->currentIndex() == cell ? row : 0;
    }
    if (Prompt* prompt = view_.Model().GetPrompt())
        prompt->Message(tr("No channel matches \"%1\".").arg(text), tr("Find Channel"),
                        PromptButtons::Ok, PromptIcon::Information);
    return 0;
}

void CChannelFinder::OnFind() {
    bool ok = false;
    const QString text = QInputDialog::getText(
        &view_, tr("Find Channel"), tr("&Name or frequency:"), QLineEdit::Normal, last_, &ok);
    if (ok)
        FindNext(text);
}

void CChannelFinder::OnFindNext() {
    if (last_.isEmpty())
        OnFind();
    else
        FindNext(last_);
}

void CChannelFinder::RefreshHidden() {
    view_.RefreshRows();
}
