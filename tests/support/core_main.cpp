#include <gtest/gtest.h>

#include <QLocale>

// Core tests run under U.S. conventions unless a test pins another locale.
int main(int argc, char **argv)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
