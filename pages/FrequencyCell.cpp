#include "pages/FrequencyCell.h"

#include "pages/SpreadSheet.h"
#include "radio/ChannelEdits.h"
#include "radio/Prompt.h"
#include "radio/Radio.h"

int CheckFrequencyCell(CSpreadSheet& grid, CVR500Radio& radio, InvalidFrequencyGuard& guard,
                       int column, int row, bool& cancel, const FrequencyCellRule& rule) {
    if (guard.set) {
        cancel = true;
        return 0;
    }
    int hz = grid.ReadCellFrequency(column, row);
    if (hz == 0)
        return 0;
    const bool asTyped = rule.acceptAsTyped && rule.acceptAsTyped(hz);
    if (!asTyped) {
        const bulk::FrequencyVerdict verdict = bulk::CheckFrequency(radio, hz);
        if (!verdict.Accepted()) {
            // The guard covers the time the message is up. Our grid raises no leave-cell event
            // of its own for the message box, so the guard ends with the message; left set, it
            // would silently refuse the user's next move.
            guard.set = true;
            if (Prompt* prompt = radio.GetPrompt())
                prompt->Message(RefusedFrequencyMessage(hz, radio.Country(), radio.Wideband()),
                                QString(), PromptButtons::Ok, PromptIcon::None);
            guard.set = false;
            grid.SetCurrentColumn(column);
            grid.SetCurrentRow(row);
            grid.WriteCell(column, row, QString());
            cancel = true;
            return 0;
        }
        hz = verdict.hz;
        grid.WriteCellFrequency(column, row, hz);
    }
    FillModeFromBandPlan(grid, radio, column, row, hz, rule);
    return hz;
}

void EmptyUnreadableFrequency(CSpreadSheet& grid, int column, int row) {
    if (grid.ReadCellFrequency(column, row) == 0)
        grid.WriteCell(column, row, QString());
}

void FillModeFromBandPlan(CSpreadSheet& grid, CVR500Radio& radio, int column, int row, int hz,
                          const FrequencyCellRule& rule) {
    const int modeColumn =
        rule.modeColumn == FrequencyCellRule::kNextColumn ? column + 1 : rule.modeColumn;
    if (modeColumn <= 0 || radio.BandIndexFor(hz) < 0)
        return;
    const bool rangeMode = grid.GetRangeMode();
    grid.SetRangeMode(false);
    grid.SetCurrentColumn(modeColumn);
    grid.SetCurrentRow(row);
    grid.SetListIndex(radio.BandModeFor(hz) - 1);
    grid.SetRangeMode(rangeMode);
}

FrequencyCellChecker::FrequencyCellChecker(CSpreadSheet& grid, CVR500Radio& radio,
                                           QList<int> columns, FrequencyCellRule rule,
                                           QObject* parent)
    : QObject(parent), grid_(grid), radio_(radio), columns_(std::move(columns)),
      rule_(std::move(rule)) {
    connect(&grid, &CSpreadSheet::LeavingCell, this,
            [this](int column, int row, int, int, bool& cancel) {
                if (columns_.contains(column))
                    Check(column, row, cancel);
            });
    connect(&grid, &CSpreadSheet::EditModeChanged, this,
            [this](int column, int row, short mode, bool changed) {
                if (mode != 0 || !columns_.contains(column))
                    return;
                EmptyUnreadableFrequency(grid_, column, row);
                QString text;
                grid_.ReadCell(column, row, text);
                if (changed && !text.isEmpty())
                    pending_ = Typed{column, row, text};
            });
}

void FrequencyCellChecker::Check(int column, int row, bool& cancel) {
    CheckFrequencyCell(grid_, radio_, guard_, column, row, cancel, rule_);
    pending_.reset(); // accepted, or refused and emptied
}

bool FrequencyCellChecker::CheckPending() {
    if (!pending_)
        return true;
    const Typed typed = *pending_;
    pending_.reset();
    QString text;
    grid_.ReadCell(typed.column, typed.row, text);
    if (text != typed.text)
        return true;
    bool cancel = false;
    Check(typed.column, typed.row, cancel);
    return !cancel;
}
