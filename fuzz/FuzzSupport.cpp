#include "fuzz/FuzzSupport.h"

#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

CVR500Radio& FuzzModel() {
    static QTemporaryDir folder;
    static CVR500Radio* radio = [] {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
        auto* r = new CVR500Radio;
        r->NewImage();
        return r;
    }();
    return *radio;
}

void Broken(const char* rule) {
    std::fprintf(stderr, "broken rule: %s\n", rule);
    std::abort();
}
