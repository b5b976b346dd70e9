// SPDX-License-Identifier: GPL-3.0-or-later
// One main for every test executable. Widget tests get a QApplication; the others a
// QGuiApplication, so that a library that must work without Qt Widgets is tested without them
// (its test executable does not link them). Without a display Qt aborts unless it is told to draw
// offscreen.
#include "platform/FontSubstitutes.h"
#include "platform/QtTranslations.h"

#include <gtest/gtest.h>

#ifdef KF_TEST_WIDGETS
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#endif

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // CTest lists the cases before it runs each one in a process of its own.
    if (::testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TestApplication app(argc, argv);
    TestApplication::setApplicationName("KF2718");
    platform::installFontSubstitutes();
    platform::installQtTranslations();
    return RUN_ALL_TESTS();
}
