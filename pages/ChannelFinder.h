#pragma once
// Find and filter on the Memory View page: Find looks for a channel by name or by frequency
// (typed as in the grid: "145.5", "810k"), Find Next looks again, and hiding unused channels
// shows only the channels in use. The window's commands run them. Hiding only hides grid rows:
// every edit, sort and list operation still works on the real channel numbers.

#include <QObject>
#include <QString>

class CMemoryView;

class CChannelFinder : public QObject {
    Q_OBJECT
public:
    explicit CChannelFinder(CMemoryView& view);

    // Moves the cursor to the next channel after the current row (wrapping past channel 1000)
    // whose name contains text (letter case aside) or whose frequency is the one text names.
    // Returns the channel, or 0 when none matches (the user is told).
    int FindNext(const QString& text);
    QString LastText() const { return last_; }

    // While on, the rows of channels not in use (all but the cursor's row) are hidden.
    void SetHideUnused(bool hide);
    bool HidesUnused() const;
    // Hides or shows the rows again; call after the grid's rows changed.
    void RefreshHidden();

public slots:
    // Asks for the text, then finds.
    void OnFind();
    void OnFindNext();

private:
    bool Matches(int row, const QString& text, int hz) const;
    bool InUse(int row) const;

    CMemoryView& view_;
    QString last_;
};
