// Entry point of the window tests: an offscreen application shared by every test.

#include <QApplication>

#include <gtest/gtest.h>

#include "windows/application.h"
#include "windows/program_windows.h"

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication application(argc, argv);
    drillwin::PrepareApplication();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
