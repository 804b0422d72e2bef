#include <gtest/gtest.h>

#ifdef CORVINEL_GUI_TESTS
#include <QApplication>
using Application = QApplication;
#else
#include <QCoreApplication>
using Application = QCoreApplication;
#endif

// Every test program gets an application object, so Qt classes that expect one (settings,
// serial ports, timers, widgets) behave as they do in the programs.
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
#ifdef CORVINEL_GUI_TESTS
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    Application app(argc, argv);
    return RUN_ALL_TESTS();
}
