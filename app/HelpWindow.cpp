#include "app/HelpWindow.h"

#include <QAccessibleWidget>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {
const char* const kTopics[] = {"memory-view", "vfo-scan", "dual-watch",
                               "auto-band",   "setting",  "preset-mode"};

// A plain widget is a filler to screen readers; this one is a window of its own.
QAccessibleInterface* HelpWindowAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("HelpWindow") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}
} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), browser_(new QTextBrowser) {
    static const bool accessible = (QAccessible::installFactory(&HelpWindowAccessible), true);
    Q_UNUSED(accessible);
    setWindowTitle(tr("Corvinel Help"));
    browser_->setAccessibleName(tr("Help text"));
    browser_->setOpenLinks(true);
    browser_->setOpenExternalLinks(true);
    browser_->setSearchPaths({QStringLiteral(":/help")});

    auto* contents = new QPushButton(tr("&Contents"));
    auto* back = new QPushButton(tr("&Back"));
    auto* close = new QPushButton(tr("Close"));
    close->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(contents, &QPushButton::clicked, this, &HelpWindow::ShowContents);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(browser_, &QTextBrowser::sourceChanged, this, [this](const QUrl& url) {
        context_ = 0;
        for (int c = kFirstContext; c <= kLastContext; ++c)
            if (url == QUrl(TopicUrl(c)))
                context_ = c;
    });
    back->setEnabled(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);
    resize(640, 560);
}

QString HelpWindow::TopicUrl(int context) {
    if (context < kFirstContext || context > kLastContext)
        return QStringLiteral("qrc:/help/index.html");
    return QStringLiteral("qrc:/help/%1.html").arg(QLatin1String(kTopics[context - kFirstContext]));
}

void HelpWindow::ShowContents() {
    Show(0);
}

void HelpWindow::ShowContext(int context) {
    Show(context);
}

void HelpWindow::Show(int context) {
    browser_->setSource(QUrl(TopicUrl(context)));
    show();
    raise();
    activateWindow();
    browser_->setFocus();
}
