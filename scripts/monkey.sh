#!/usr/bin/env bash
# Runs the monkey test for SECONDS (600 by default) before a release: careless play on the
# real main window, seed after seed from one taken from the clock. A failing seed prints
# its steps; LATICA_MONKEY_SEED=n build/tests/test_monkey replays it alone.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
./scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
if [ ! -f build/build.ninja ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build build -j "$(nproc 2>/dev/null || echo 2)" --target test_monkey latica_data
LATICA_MONKEY_SECONDS="$seconds" build/tests/test_monkey
