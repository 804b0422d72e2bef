#pragma once
// The Memory View's commands on many channels at once: Edit Channels, Fill Down, Fill
// Series and Paste into Free Channels. Each stores the grid into the image, runs its operation
// there and shows the result in the grid again; the window makes each one undo step. Rows the
// operation refuses are listed through the model's prompt, and then nothing has changed.

#include <vector>

class CMemoryView;
class CSpreadSheet;
class QWidget;

// The channels of the selected rows that are shown, in order; the cursor's row when nothing
// is selected. Hidden rows are left out, so an edit lands only where the user sees it.
std::vector<int> SelectedChannels(const CSpreadSheet& grid);

// Each returns true when channels were changed.
bool RunEditChannels(CMemoryView& view, QWidget* parent);
bool RunFillDown(CMemoryView& view);
bool RunFillSeries(CMemoryView& view, QWidget* parent);
// The Clipboard's rows into the first channels not in use, one row each, in order; nothing in
// use is overwritten. When fewer channels are free than rows wait, the user chooses whether
// the rows that fit go in.
bool RunPasteIntoFree(CMemoryView& view);
