#pragma once
// Undo and Redo for the whole program: one history of the data set, in the steps a person
// expects. Each change a user makes on a page (a cell edit, a list operation, a control) is
// announced by the page with its name, stored into the image by the page's own store and kept
// as one step; a window command that changes data is one step of its own name. New, Open and
// a read start a new history. Undo shows the page where the step was made.

#include "radio/UndoHistory.h"

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class CChannelFinder;
class CSheetHostWnd;
class CVR500Radio;

class CEditHistory : public QObject {
    Q_OBJECT
public:
    CEditHistory(CVR500Radio& radio, CSheetHostWnd& host, QObject* parent = nullptr);

    // Starts a new history at the data set as last saved (New, Open); what the model changed
    // since, a file adjusted to the receiver's version, is its first step.
    void Reset();
    // Get Data ended: before is the data set as it was before it began. A successful read
    // starts a new history whose one step takes the data back to before.
    void ReadEnded(const Image& before, bool succeeded);
    // Stores the active page and keeps what changed as one step named label, made on the
    // active page; false when nothing changed.
    bool Record(QString label);
    // The same once the event being handled is over, so a command and whatever it sets off
    // (a cursor move that snaps a frequency) are one step.
    void RecordSoon(const QString& label);
    // Runs a command whose changes, and whatever they set off (a cell editor closed, a page
    // that announces its own edit), become one step named label.
    void RunStep(const QString& label, const std::function<void()>& command);
    // Takes in changes that are nobody's step (the bytes Send Data clears).
    void TakeIn();
    // From now on the data set as it is now stays: a change is taken back where a step would
    // be recorded, and Refused names it.
    void MakeReadOnly();

    void Undo();
    void Redo();
    QString UndoLabel() const { return history_.UndoLabel(); }
    QString RedoLabel() const { return history_.RedoLabel(); }
    const UndoHistory& History() const { return history_; }
    CChannelFinder* Finder() const { return finder_; }

signals:
    // What Undo and Redo would do changed.
    void Changed();
    // A change to the read-only data set, named label, was taken back.
    void Refused(const QString& label);

private:
    bool StoreActivePage();
    void RecordPage(int index, const QString& label);
    void Restore(bool undo);
    void OnPageSwitched();
    void Reloaded();
    // In a read-only history: puts back the data set a change was made to; true when it did.
    bool TookBack(const QString& label);

    CVR500Radio& radio_;
    CSheetHostWnd& host_;
    UndoHistory history_;
    CChannelFinder* finder_;
    int shownPage_ = 0;
    QString pending_;       // a label waiting for RecordSoon
    bool stepOpen_ = false; // a command is running as a step of its own
    bool restoring_ = false;
    std::optional<Image> frozen_; // the read-only data set
};
