// corvinel: the desktop program.

#include "app/RadioApp.h"
#include "app/Translations.h"
#include "radio/Codecs.h"
#include "radio/Prompt.h"
#include "radio/Version.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QLocale>
#include <cstdio>
#include <cstring>

namespace {

// The data file named on the command line (Qt's own options are gone by now), as an absolute
// path, or nothing. "--" ends the options: every argument after it is a file. Before it, an
// argument that starts with "-" is a file when one of that name exists; otherwise it is an
// option this program does not have, and the user is told how to name such a file.
QStringList FilesToOpen(const QStringList& arguments) {
    bool optionsEnded = false;
    for (const QString& argument : arguments) {
        if (!optionsEnded && argument == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && argument.startsWith(QLatin1Char('-')) &&
            !QFileInfo::exists(argument)) {
            std::fprintf(stderr,
                         "corvinel: unknown option %s is ignored (a file whose name starts with "
                         "\"-\" opens with: corvinel -- NAME)\n",
                         qPrintable(VisibleText(argument)));
            continue;
        }
        return {QFileInfo(argument).absoluteFilePath()};
    }
    return {};
}

} // namespace

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
    InstallTranslations(QLocale::system());
    // Outside a desktop that names one, still use the standard icons when they are installed.
    if (QIcon::themeName().isEmpty() || QIcon::themeName() == QLatin1String("hicolor"))
        QIcon::setThemeName(QStringLiteral("Adwaita"));

    CRadioApp radioApp;
    if (!radioApp.InitInstance(FilesToOpen(QApplication::arguments().mid(1))))
        return 1;
    return QApplication::exec();
}
