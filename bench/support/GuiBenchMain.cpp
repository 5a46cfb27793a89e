// main() of the benchmarks that need the game's windows: a headless application, the
// dummy audio driver and the build's program folder.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>

#include "form/ProgramFolder.h"

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    QApplication app(argc, argv);
    form::ProgramFolder::setPath(QStringLiteral(LATICA_BUILD_PROGRAM_DIR));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
