// Runs the GUI tests inside one application object, on the offscreen
// platform unless another one is asked for.
#include <gtest/gtest.h>

#include "forms/application.h"

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    forms::Application application(argc, argv, u"Pellory");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
