// corvinel: the desktop program.

#include "app/RadioApp.h"
#include "radio/Prompt.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(kAppName));
    QApplication::setApplicationVersion(QStringLiteral("1.05"));
    QApplication::setDesktopFileName(QStringLiteral("corvinel"));
    // Outside a desktop that names one, still use the standard icons when they are installed.
    if (QIcon::themeName().isEmpty() || QIcon::themeName() == QLatin1String("hicolor"))
        QIcon::setThemeName(QStringLiteral("Adwaita"));

    CRadioApp radioApp;
    if (!radioApp.InitInstance(QApplication::arguments().mid(1)))
        return 1;
    return QApplication::exec();
}
