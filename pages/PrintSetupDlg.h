#pragma once
// The Print Setup dialog: what part of the memory list to print and how it looks. A new
// dialog opens with the defaults every time; nothing is remembered between prints.

#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class Prompt;

struct PrintSetup {
    enum Range { All = 0, Pages = 1, Selection = 2 };
    int range = All;
    QString firstPage, lastPage; // at most 2 characters each
    bool columnHeaders = true, rowHeaders = true, gridLines = true, gridBorder = true;
    // Channels not in use are left out unless asked for.
    bool emptyChannels = false;
    // The grid columns printed (1 = the first); empty: all of them.
    QList<int> columns;
    // Inches, at most 4 characters each.
    QString marginLeft = QStringLiteral("1.00"), marginRight = QStringLiteral("1.00"),
            marginTop = QStringLiteral("1.00"), marginBottom = QStringLiteral("1.00");

    // A margin text in twips: decimal inches x 1440, truncated; text that is not a number is 0.
    static int MarginTwips(const QString& inches);
    // A page number text as a 16-bit number; text that is not a number is 0.
    static int PageNumber(const QString& text);
};

class CPrintSetupDlg : public QDialog {
    Q_OBJECT
public:
    // prompt shows the dialog's one message; it may be null. columnNames offers a choice of
    // the grid's columns, all of them checked.
    explicit CPrintSetupDlg(Prompt* prompt, QWidget* parent = nullptr,
                            const QStringList& columnNames = {});
    // The chosen values, valid after OK or Preview.
    const PrintSetup& Values() const { return values_; }
    // The dialog was left with Preview rather than OK.
    bool PreviewChosen() const { return preview_; }
    // Takes the controls' values; with "Pages" and no starting page the dialog says so and
    // stays open.
    void accept() override;

    QRadioButton* all;
    QRadioButton* pages;
    QRadioButton* selection;
    QLineEdit* firstPage;
    QLineEdit* lastPage;
    QCheckBox* columnHeaders;
    QCheckBox* rowHeaders;
    QCheckBox* gridLines;
    QCheckBox* gridBorder;
    QCheckBox* emptyChannels;
    QList<QCheckBox*> columns; // one per column name, in order
    QPushButton* previewButton;
    QLineEdit* marginLeft;
    QLineEdit* marginRight;
    QLineEdit* marginTop;
    QLineEdit* marginBottom;

private:
    Prompt* prompt_;
    PrintSetup values_;
    bool preview_ = false;
};
