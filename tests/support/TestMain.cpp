#include "tests/support/SkipStatus.h"
#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return exitStatusWithSkips(RUN_ALL_TESTS());
}
