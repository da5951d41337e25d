// The main window's tests run on Qt's offscreen platform, which ctest sets;
// the build's test discovery runs this too, without a display.
#include <gtest/gtest.h>

#include "forms/application.h"

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    forms::Application application(argc, argv, u"Pellory");
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
