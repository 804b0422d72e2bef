#include "app/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>
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

std::unique_ptr<QTranslator> Load(const QLocale& locale, const QString& name,
                                  const QStringList& folders) {
    auto translator = std::make_unique<QTranslator>();
    for (const QString& folder : folders) {
        if (translator->load(locale, name, QStringLiteral("_"), folder))
            return translator;
    }
    return nullptr;
}

} // namespace

bool InstallTranslations(const QLocale& locale) {
    for (const auto& translator : Installed())
        QCoreApplication::removeTranslator(translator.get());
    Installed().clear();

    // Only a language the program itself speaks brings Qt's texts along, so the window never
    // mixes English labels with another language's buttons.
    auto own = Load(locale, QStringLiteral("corvinel"), OwnFolders());
    if (!own)
        return false;
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char* name : {"qtbase", "qtserialport"}) {
        if (auto qt = Load(locale, QString::fromLatin1(name), {qtFolder})) {
            QCoreApplication::installTranslator(qt.get());
            Installed().push_back(std::move(qt));
        }
    }
    QCoreApplication::installTranslator(own.get());
    Installed().push_back(std::move(own));
    return true;
}
