// Entry point of the window tests: an offscreen application whatever the
// environment, so no test needs a display, and files the program keeps for its
// user (the help's cache) in Qt's test locations.

#include "app/HelpViewer.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    const int failed = RUN_ALL_TESTS();
    Help::Release();
    return failed;
}
