// The start-up tests run the program in this process, under the program's
// own application object.
#include "app/application.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <cstdlib>

int main(int argc, char** argv) {
    // The stored setting goes to a folder of the test's own.
    QTemporaryDir config;
    setenv("XDG_CONFIG_HOME", config.path().toLocal8Bit().constData(), 1);
    // Listing the tests runs this without the tests' environment.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    app::TApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
