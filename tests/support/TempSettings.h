#pragma once
// Points the program's settings at a fresh folder for the life of a test, so each test starts
// with no stored values and reads and writes a real settings file.

#include <QSettings>
#include <QTemporaryDir>

class TempSettings {
public:
    TempSettings() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path());
    }
    QString Folder() const { return dir_.path(); }
    // The settings file as the program writes it.
    QString FilePath() const { return dir_.path() + QStringLiteral("/Tarnwick/VR500.conf"); }

private:
    QTemporaryDir dir_;
};
