// Entry point of every test program: a headless application, a program folder laid out
// by the build, and an end of the program that unwinds to the test instead of exiting.
#include <QApplication>
#include <gtest/gtest.h>
#include <cstdlib>

#include "form/ProgramFolder.h"
#include "form/Pump.h"

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    QApplication app(argc, argv);
    form::ProgramFolder::setPath(QStringLiteral(LATICA_BUILD_PROGRAM_DIR));
    form::setEndProcessHandler([](int) { throw form::ProgramEnded(); });
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
