// SPDX-License-Identifier: MIT
// Every test executable runs inside a QApplication, so windows, timers and
// pictures work as in the program.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
