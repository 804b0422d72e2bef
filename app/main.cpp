// corvinel: the desktop program.

#include "app/RadioApp.h"
#include "radio/Prompt.h"
#include "radio/Version.h"

#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    // Answered before the application starts: asking for the version needs no display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("%s %s\n", kAppName, kAppVersion);
            return 0;
        }
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(kAppName));
    QApplication::setApplicationVersion(QString::fromLatin1(kAppVersion));
    QApplication::setDesktopFileName(QStringLiteral("corvinel"));
    // Outside a desktop that names one, still use the standard icons when they are installed.
    if (QIcon::themeName().isEmpty() || QIcon::themeName() == QLatin1String("hicolor"))
        QIcon::setThemeName(QStringLiteral("Adwaita"));

    CRadioApp radioApp;
    if (!radioApp.InitInstance(QApplication::arguments().mid(1)))
        return 1;
    return QApplication::exec();
}
