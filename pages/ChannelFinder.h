#pragma once
// Find and filter on the Memory View page: Find (Ctrl+F) looks for a channel by name or by
// frequency (typed as in the grid: "145.5", "810k"), Find Next (F3) looks again, and "Hide
// Unused Channels" shows only the channels in use. Hiding only hides grid rows: every edit,
// sort and list operation still works on the real channel numbers.

#include <QObject>
#include <QString>

class CMemoryView;
class QAction;

class CChannelFinder : public QObject {
    Q_OBJECT
public:
    // Adds its commands to the view's right-click menu.
    explicit CChannelFinder(CMemoryView& view);

    QAction* FindAction() const { return find_; }
    QAction* FindNextAction() const { return findNext_; }
    QAction* HideUnusedAction() const { return hideUnused_; }

    // Moves the cursor to the next channel after the current row (wrapping past channel 1000)
    // whose name contains text (letter case aside) or whose frequency is the one text names.
    // Returns the channel, or 0 when none matches (the user is told).
    int FindNext(const QString& text);
    QString LastText() const { return last_; }

    // Hides the rows of channels not in use (all but the cursor's row) while the command is
    // on; call after the grid's rows changed.
    void RefreshHidden();

public slots:
    // Asks for the text, then finds.
    void OnFind();
    void OnFindNext();

private:
    bool Matches(int row, const QString& text, int hz) const;
    bool InUse(int row) const;

    CMemoryView& view_;
    QAction* find_;
    QAction* findNext_;
    QAction* hideUnused_;
    QString last_;
};
