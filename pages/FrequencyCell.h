#pragma once
// The one rule for frequencies typed into a grid, shared by every page with frequency cells
// but Auto Band, whose band edges have a rule of their own.
//
// A page lets a FrequencyCellChecker apply it to its grid's
// frequency columns, checking a cell when it is left and emptying unreadable text when an
// edit ends:
//
//     checker_ = new FrequencyCellChecker(*grid_, Model(), {1, 4}, rule, this);
//
// and, before the page stores its grid, asks the checker for a frequency typed but never
// left through its cell (the user went straight to another page or to Save):
//
//     if (!checker_->CheckPending())
//         return false; // refused: the user was told, the page stays
//
// FrequencyCellRule covers the differences between grids: where the mode cell is (or that
// there is none), and values accepted as typed (the dual watch page takes 30 and 108 MHz
// without the country check or the 50 Hz snap).

#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class CSpreadSheet;
class CVR500Radio;

// Set while the invalid-frequency message is being answered: a leave-cell event that
// arrives then (the message box taking the focus) is refused without a second message.
struct InvalidFrequencyGuard {
    bool set = false;
};

struct FrequencyCellRule {
    static constexpr int kNextColumn = -1;
    static constexpr int kNoModeColumn = 0;
    // The list cell that takes the band plan's mode: the column right of the frequency
    // (kNextColumn), none (kNoModeColumn) or a given column.
    int modeColumn = kNextColumn;
    // Values taken as typed: no country check and no snapping; the mode still follows.
    std::function<bool(int hz)> acceptAsTyped;
};

// The LeavingCell part. Reads the cell; empty text is left alone. A frequency the country
// may not receive is reported ("145.12345 is not a valid frequency", application name as
// caption, OK) through the model's prompt, the cell is emptied and cancel is set so the cursor
// stays. Otherwise the value is snapped to 50 Hz, written back, and the mode cell set from
// the band plan. Returns the accepted frequency in Hz, 0 when none.
int CheckFrequencyCell(CSpreadSheet& grid, CVR500Radio& radio, InvalidFrequencyGuard& guard,
                       int column, int row, bool& cancel, const FrequencyCellRule& rule = {});

// The EditModeChanged part: when editing ends, text that does not read as a frequency is
// emptied, so nothing unreadable stays in a frequency cell.
void EmptyUnreadableFrequency(CSpreadSheet& grid, int column, int row);

// Sets the row's mode cell to the band plan's mode for hz (left alone when the plan has
// none). Used on leaving a frequency cell and by pages that follow CellChanged.
void FillModeFromBandPlan(CSpreadSheet& grid, CVR500Radio& radio, int column, int row, int hz,
                          const FrequencyCellRule& rule = {});

// Connects the rule to a grid for the given frequency columns, with one guard for the grid.
class FrequencyCellChecker : public QObject {
    Q_OBJECT
public:
    FrequencyCellChecker(CSpreadSheet& grid, CVR500Radio& radio, QList<int> columns,
                         FrequencyCellRule rule = {}, QObject* parent = nullptr);
    InvalidFrequencyGuard& Guard() { return guard_; }
    // Checks a frequency typed since its cell was last left, as leaving the cell would;
    // false when the value was refused (the user has been told and the cell is empty).
    bool CheckPending();

private:
    // The cell and the text typed into it; a grid filled again since holds other text.
    struct Typed {
        int column = 0, row = 0;
        QString text;
    };
    void Check(int column, int row, bool& cancel);

    CSpreadSheet& grid_;
    CVR500Radio& radio_;
    QList<int> columns_;
    FrequencyCellRule rule_;
    InvalidFrequencyGuard guard_;
    std::optional<Typed> pending_;
};
