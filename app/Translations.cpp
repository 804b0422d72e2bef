#include "app/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>
#include <utility>
#include <vector>

namespace {

std::vector<std::unique_ptr<QTranslator>>& Installed() {
    static std::vector<std::unique_ptr<QTranslator>> installed;
    return installed;
}

// The compiled-in copy first; the installed one serves a program built without it.
QStringList OwnFolders() {
    return {QStringLiteral(":/translations"),
            QCoreApplication::applicationDirPath() +
                QStringLiteral("/../share/corvinel/translations")};
}

std::unique_ptr<QTranslator> Load(const QString& file, const QStringList& folders) {
    auto translator = std::make_unique<QTranslator>();
    for (const QString& folder : folders) {
        if (translator->load(file, folder))
            return translator;
    }
    return nullptr;
}

// The first of the user's languages the program speaks, with its translation. English, the
// program's own, ends the search: "en_US:ja" keeps the window English.
std::pair<QString, std::unique_ptr<QTranslator>> OwnTranslation(const QLocale& locale) {
    for (QString language : locale.uiLanguages()) {
        language.replace(QLatin1Char('-'), QLatin1Char('_'));
        if (language == QLatin1String("C") || language.startsWith(QLatin1String("en")))
            break;
        if (auto own = Load(QStringLiteral("corvinel_") + language, OwnFolders()))
            return {language, std::move(own)};
    }
    return {};
}

} // namespace

bool InstallTranslations(const QLocale& locale) {
    for (const auto& translator : Installed())
        QCoreApplication::removeTranslator(translator.get());
    Installed().clear();

    // Only a language the program itself speaks brings Qt's texts along, so the window never
    // mixes English labels with another language's buttons.
    auto [language, own] = OwnTranslation(locale);
    if (!own)
        return false;
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char* name : {"qtbase_", "qtserialport_"}) {
        if (auto qt = Load(QString::fromLatin1(name) + language, {qtFolder})) {
            QCoreApplication::installTranslator(qt.get());
            Installed().push_back(std::move(qt));
        }
    }
    QCoreApplication::installTranslator(own.get());
    Installed().push_back(std::move(own));
    return true;
}
