#include "pages/ChannelBulk.h"

#include "pages/ChannelEditDlg.h"
#include "pages/FillSeriesDlg.h"
#include "pages/MemoryView.h"
#include "pages/SpreadSheet.h"
#include "radio/ChannelEdits.h"
#include "radio/Csv.h"
#include "radio/Prompt.h"
#include "radio/Radio.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QItemSelectionModel>
#include <QMimeData>
#include <set>

namespace {

void ShowRefused(CMemoryView& view, const std::vector<bulk::Refusal>& refused,
                 const QString& caption) {
    Prompt* prompt = view.Model().GetPrompt();
    if (!prompt)
        return;
    std::vector<csv::Problem> problems;
    for (const bulk::Refusal& r : refused)
        problems.push_back({r.channel, r.reason});
    ShowList(*prompt,
             QCoreApplication::translate(
                 "ChannelBulk", "Nothing was changed. These channels cannot take the edit:"),
             csv::ProblemLines(problems, QCoreApplication::translate("ChannelBulk", "Channel ")),
             caption, PromptButtons::Ok, PromptIcon::Exclamation);
}

// The grid's own edits go into the image first, so the operation sees what the user sees.
bool StoreGrid(CMemoryView& view) {
    return view.Model().CommitEdits();
}

bool Shown(CMemoryView& view, const bulk::EditResult& result, const QString& caption) {
    if (!result.Done()) {
        ShowRefused(view, result.refused, caption);
        return false;
    }
    if (result.changed > 0)
        view.FillGrid();
    return result.changed > 0;
}

} // namespace

std::vector<int> SelectedChannels(const CSpreadSheet& grid) {
    std::set<int> rows;
    for (const QItemSelectionRange& range : grid.selectionModel()->selection())
        for (int r = range.top(); r <= range.bottom(); ++r)
            if (!grid.isRowHidden(r))
                rows.insert(r + 1);
    if (rows.empty() && grid.currentIndex().isValid())
        rows.insert(grid.currentIndex().row() + 1);
    return {rows.begin(), rows.end()};
}

bool RunEditChannels(CMemoryView& view, QWidget* parent) {
    if (!StoreGrid(view))
        return false;
    const std::vector<int> channels = SelectedChannels(*view.Grid());
    if (channels.empty())
        return false;
    CChannelEditDlg dialog(static_cast<int>(channels.size()), parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    return Shown(view, bulk::EditChannels(view.Model(), channels, dialog.Edit()),
                 QCoreApplication::translate("ChannelBulk", "Edit Channels"));
}

bool RunFillDown(CMemoryView& view) {
    if (!StoreGrid(view))
        return false;
    static constexpr bulk::ChannelField kColumns[] = {
        bulk::ChannelField::Frequency, bulk::ChannelField::Mode, bulk::ChannelField::Name,
        bulk::ChannelField::Preferential};
    const int column = view.Grid()->currentIndex().column();
    if (column < 0 || column >= static_cast<int>(std::size(kColumns)))
        return false;
    return Shown(view,
                 bulk::FillDown(view.Model(), SelectedChannels(*view.Grid()), kColumns[column]),
                 QCoreApplication::translate("ChannelBulk", "Fill Down"));
}

bool RunFillSeries(CMemoryView& view, QWidget* parent) {
    if (!StoreGrid(view))
        return false;
    const std::vector<int> channels = SelectedChannels(*view.Grid());
    CFillSeriesDlg dialog(view.Model(), channels.empty() ? 1 : channels.front(), parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    if (bulk::ApplySeries(view.Model(), dialog.Rows()) == 0)
        return false;
    view.FillGrid();
    return true;
}

bool RunPasteIntoFree(CMemoryView& view) {
    if (!StoreGrid(view))
        return false;
    const int rows = RowsToPaste(QApplication::clipboard()->mimeData());
    if (rows == 0)
        return false;
    std::vector<int> unused;
    for (int n = 1; n <= CMemoryView::kRows && static_cast<int>(unused.size()) < rows; ++n)
        if (!view.Model().IsChannelUsed(n))
            unused.push_back(n);
    const QString caption = QCoreApplication::translate("ChannelBulk", "Paste into Free Channels");
    Prompt* prompt = view.Model().GetPrompt();
    if (unused.empty()) {
        if (prompt)
            prompt->Message(QCoreApplication::translate(
                                "ChannelBulk", "Every channel is in use; nothing was pasted."),
                            caption, PromptButtons::Ok, PromptIcon::Exclamation);
        return false;
    }
    const int fit = static_cast<int>(unused.size());
    if (fit < rows && prompt &&
        prompt->Confirm(QCoreApplication::translate(
                            "ChannelBulk",
                            "%1 rows are on the Clipboard but only %2 channels are free. Paste "
                            "the first %2 rows and leave out the rest?")
                            .arg(rows)
                            .arg(fit),
                        caption, QCoreApplication::translate("ChannelBulk", "Paste"),
                        PromptIcon::Question) != PromptAnswer::Ok)
        return false;
    CSpreadSheet& grid = *view.Grid();
    grid.PasteIntoRows(QApplication::clipboard()->mimeData(), 1, unused);
    grid.SetCurrentColumn(1);
    grid.SetCurrentRow(unused.front());
    grid.SetOperation(CSpreadSheet::OpActivate);
    return true;
}
