#pragma once
// The Print Setup dialog: what part of the memory list to print and how it looks. A new
// dialog opens with the defaults every time; nothing is remembered between prints.

#include <QDialog>
#include <QString>

class QCheckBox;
class QLineEdit;
class QRadioButton;
class Prompt;

struct PrintSetup {
    enum Range { All = 0, Pages = 1, Selection = 2 };
    int range = All;
    QString firstPage, lastPage; // at most 2 characters each
    bool columnHeaders = true, rowHeaders = true, gridLines = true, gridBorder = true;
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
    // prompt shows the dialog's one message; it may be null.
    explicit CPrintSetupDlg(Prompt* prompt, QWidget* parent = nullptr);
    // The chosen values, valid after OK.
    const PrintSetup& Values() const { return values_; }
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
    QLineEdit* marginLeft;
    QLineEdit* marginRight;
    QLineEdit* marginTop;
    QLineEdit* marginBottom;

private:
    Prompt* prompt_;
    PrintSetup values_;
};
