#pragma once
// Points the program's settings (and its data folder, where backups go) at a fresh folder for
// the life of a test, so each test starts with no stored values and reads and writes a real
// settings file.

#include <QByteArray>
#include <QSettings>
#include <QTemporaryDir>

class TempSettings {
public:
    TempSettings() : oldDataHome_(qgetenv("XDG_DATA_HOME")) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path());
        qputenv("XDG_DATA_HOME", DataFolder().toUtf8());
    }
    ~TempSettings() {
        if (oldDataHome_.isEmpty())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", oldDataHome_);
    }
    TempSettings(const TempSettings&) = delete;
    TempSettings& operator=(const TempSettings&) = delete;

    QString Folder() const { return dir_.path(); }
    // The settings file as the program writes it.
    QString FilePath() const { return dir_.path() + QStringLiteral("/Tarnwick/VR500.conf"); }
    // Stands for the user's data folder ($XDG_DATA_HOME).
    QString DataFolder() const { return dir_.path() + QStringLiteral("/data"); }

private:
    QTemporaryDir dir_;
    QByteArray oldDataHome_;
};
