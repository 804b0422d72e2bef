#pragma once
// The base of the six pages of the sheet. A page holds only what is on screen between
// OnSetActive and OnKillActive; the model's EditImage holds the data.

#include <QString>
#include <QWidget>

class CSpreadSheet;
class CVR500Radio;

class CPropertyPage : public QWidget {
    Q_OBJECT
public:
    CPropertyPage(CVR500Radio& radio, const QString& title, int helpContext,
                  QWidget* parent = nullptr);

    // Called when the page becomes the active one: read its region of EditImage into the
    // controls. Returns false to refuse activation.
    virtual bool OnSetActive();
    // Called before the page is left and before the data set is saved, sent or replaced:
    // write the controls back into EditImage. Returns false to keep the user on the page.
    virtual bool OnKillActive();

    // The tab caption ("Memory View", "VFO Scan", ...).
    QString Title() const { return title_; }
    // The help topic of the page (101..106).
    int HelpContext() const { return helpContext_; }
    CVR500Radio& Model() const { return radio_; }
    // The undo step's name for a change to the page's controls other than its grids.
    virtual QString EditLabel() const { return title_; }

    // Announces the user's changes to the grid's cells, each named after its column's header,
    // and rows dropped on it.
    void WatchGrid(CSpreadSheet& grid);

signals:
    // The user changed data on the page; label names the undo step ("Receive Mode", "Setting").
    // The page has not necessarily stored the change into the image yet.
    void Edited(const QString& label);

protected:
    // A control of the page was changed by the user.
    void PageEdited() { emit Edited(EditLabel()); }
    // The first showing sets the keyboard's way through the built page.
    void showEvent(QShowEvent* event) override;

private:
    CVR500Radio& radio_;
    QString title_;
    int helpContext_;
    bool keyboardOrdered_ = false;
};
