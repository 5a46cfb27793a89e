#!/usr/bin/env bash
# Installs what is missing, builds Latica and starts it from the build's program folder,
# where the sample play files lie.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target latica latica_data
cd build/Latica
exec ./latica "$@"
