#pragma once
// "Compare": what differs between two data sets, grouped as the pages show them, with the
// old value before the arrow and the new one after it.

#include "radio/Compare.h"

#include <QDialog>

class CRadio;
class CVR500Radio;
class Prompt;
class QLabel;
class QTreeWidget;

class CCompareDlg : public QDialog {
    Q_OBJECT
public:
    // before and after name the two data sets ("my.rdf", "the data in the window").
    CCompareDlg(const compare::Differences& differences, const QString& before,
                const QString& after, QWidget* parent = nullptr);

    // File > Compare With...: asks for a data file and shows what differs from it to the data
    // in the window (EditImage, which the caller has brought up to date) in a window that
    // stays open beside parent and deletes itself when closed. A file that cannot be read is
    // reported through prompt and nothing is shown (nullptr).
    static CCompareDlg* CompareWithFile(CVR500Radio& radio, Prompt& prompt, QWidget* parent);

    // What a write of radio's EditImage would change on the receiver, judged against the newest
    // backup of a read (the data last read from it): one sentence, and the differences.
    struct SendSummary {
        QString text;
        bool available = false; // there is a backup to compare with
        compare::Differences differences;
        QString backupName;
    };
    static SendSummary SummaryBeforeSending(const CRadio& radio);

    QTreeWidget* List() const { return list_; }
    // The whole list as text, one difference a line.
    QString Text() const;

signals:
    // The user double-clicked (or pressed Enter on) a difference a page shows.
    void ShowPlace(const compare::Place& place);

private:
    void PlaceBeside(QWidget* owner);

    compare::Differences differences_;
    QTreeWidget* list_;
};
