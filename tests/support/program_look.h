#pragma once

// A test's main function that gives the application the program's style and palettes before
// any window exists, as the program's own start does, so that the windows under test are drawn
// as the user sees them.

#include "ui/theme.h"

#include <QApplication>
#include <QTest>

#define LUMO_WINDOW_TEST_MAIN(TestObject)                                                          \
    int main(int argc, char* argv[])                                                               \
    {                                                                                              \
        QApplication application(argc, argv);                                                      \
        lumo::ui::theme::install();                                                                \
        QTEST_DISABLE_KEYPAD_NAVIGATION                                                            \
        TestObject test;                                                                           \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
