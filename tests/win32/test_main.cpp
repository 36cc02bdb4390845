// The main of the Win32 test programs: no system dialog may wait for a
// click that never comes (a missing drive, a crash report).
#include <windows.h>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
