// Main of the tests that need Qt widgets: Qt's offscreen platform (no X
// server), a fixed time zone and the C locale, and the program's resources.
#include "resources/resources.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <ctime>

int main(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("TZ", "UTC", 1);
    setenv("LC_ALL", "C", 1);
    tzset();
    std::setlocale(LC_ALL, "C");
    QApplication application(argc, argv);
    RegisterZamanixResources();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
