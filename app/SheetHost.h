#pragma once
// The window that fills the main frame under the toolbar: the sheet of tabbed pages.

#include <QTabWidget>
#include <QWidget>
#include <vector>

class CMemoryView;
class CPropertyPage;
class CVR500Radio;

// A tab widget whose tab switches run the pages' OnKillActive (false keeps the old page) and
// OnSetActive.
class CSnapPropertySheet : public QTabWidget {
    Q_OBJECT
public:
    explicit CSnapPropertySheet(QWidget* parent = nullptr);

    void AddPage(CPropertyPage* page);
    CPropertyPage* GetPage(int index) const;
    CPropertyPage* GetActivePage() const { return GetPage(active_); }
    // The tab that holds page (pages sit in scroll areas), or -1.
    int IndexOf(const CPropertyPage* page) const;
    int GetActiveIndex() const { return active_; }
    // Activates the first page (loads its controls); the sheet's first showing.
    void Start();
    // Makes the page at index the active one; false when the old page refused to be left or
    // the new one to be entered.
    bool SetActivePage(int index);

private:
    void OnCurrentChanged(int index);
    void ShowIndex(int index);

    int active_ = -1;
    bool switching_ = false;
};

class CSheetHostWnd : public QWidget {
    Q_OBJECT
public:
    explicit CSheetHostWnd(CVR500Radio& radio, QWidget* parent = nullptr);

    CSnapPropertySheet* Sheet() const { return sheet_; }
    CMemoryView* MemoryView() const { return memoryView_; }

    // Makes the Memory View page the active one; false when the page being left refused.
    bool ActivateMemoryView();
    // Moves step pages on (negative: back), round from the last page to the first, and puts
    // the focus on the new page's first control. A page that refuses to be left stays.
    void StepPage(int step);
    // The Memory View page reloads its grid from the image.
    void ReloadMemoryView();
    int GetActivePageIndex() const { return sheet_->GetActiveIndex(); }
    // Shows the page titled page and, when row is not 0, puts the cursor on that row of its
    // list-th grid (0 the leftmost); false when the page is not there or would not be shown.
    bool ShowPlace(const QString& page, int list, int row);
    // The help topic of the active page (101..106).
    int ActiveHelpContext() const;

    // Stores what the active page and the Memory View page show into the image; false when
    // a page refused (it has told the user why). A cell still being edited counts.
    bool CommitPages();
    // After the data set was replaced or changed behind the pages: every page that holds
    // controls shows what the model holds, so none writes the old data into the new set.
    void ReloadPages();

private:
    void FinishCellEditing();
    static void FocusFirstControl(QWidget* page);

    CSnapPropertySheet* sheet_;
    CMemoryView* memoryView_ = nullptr;
};
