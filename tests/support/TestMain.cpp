#include <QCoreApplication>
#include <gtest/gtest.h>

// Every test program gets an application object, so Qt classes that expect one (settings,
// serial ports, timers) behave as they do in the programs.
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
