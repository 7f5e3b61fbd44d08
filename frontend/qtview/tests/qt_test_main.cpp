// Runs the tests inside one QApplication (offscreen platform under CTest),
// with a watchdog that fails a test leaving a modal window open.
#include "dialog_watchdog.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <clocale>

int main(int argc, char** argv) {
    // Test discovery runs the program at build time, outside CTest's
    // environment: never look for a display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Nor a runtime folder: the build tree's own, as CTest gives it.
    if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", WTN_TEST_RUNTIME_DIR);
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    testing::InitGoogleTest(&argc, argv);
    // The listeners list owns the watchdog.
    testing::UnitTest::GetInstance()->listeners().Append(new wtn::qt::test::DialogWatchdog);
    return RUN_ALL_TESTS();
}
