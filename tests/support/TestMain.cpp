// One main for every test executable: widget tests need a QApplication, and without a display Qt
// aborts unless it is told to draw offscreen.
#include "platform/FontSubstitutes.h"
#include "platform/QtTranslations.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName("KF2718");
    platform::installFontSubstitutes();
    platform::installQtTranslations();
    return RUN_ALL_TESTS();
}
