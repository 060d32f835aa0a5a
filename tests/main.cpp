#include <gtest/gtest.h>

#include <cstdlib>

#include "vcl/Application.h"

// One application object for every test that needs the toolkit; tests run
// offscreen and answer every dialog through the seam.
int main(int argc, char** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    testing::InitGoogleTest(&argc, argv);
    int qtArgc = 1;
    vcl::TApplication application(qtArgc, argv);
    application.SetTitle("TRV4410Module");
    return RUN_ALL_TESTS();
}
