#pragma once
// The help window: a contents page and one topic for each page of the sheet.

#include <QWidget>

class QTextBrowser;

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    // Help contexts of the pages, in tab order.
    static constexpr int kFirstContext = 101; // Memory View
    static constexpr int kLastContext = 106;  // Preset Mode

    explicit HelpWindow(QWidget* parent = nullptr);

    void ShowContents();
    // An unknown context shows the contents.
    void ShowContext(int context);
    // The page shown: 0 for the contents, otherwise its help context.
    int CurrentContext() const { return context_; }
    QTextBrowser* Browser() const { return browser_; }

    // The page of the help for context (0: the contents).
    static QString TopicUrl(int context);

private:
    void Show(int context);

    QTextBrowser* browser_;
    int context_ = 0;
};
