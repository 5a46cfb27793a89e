#!/usr/bin/env bash
# Fuzzes every file reader: builds the libFuzzer targets of fuzz/ with clang in build-fuzz
# and runs each for SECONDS (default 60), one after the other on one core. New inputs go to
# build-fuzz/corpus/<target>, seeded from fuzz/corpus/<target>. At the first finding it
# stops with a non-zero status, naming the target and the file that holds the input.
#   scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift $(( $# > 0 ? 1 : 0 ))

./scripts/install-deps.sh
# clang and its libFuzzer runtime, when missing.
missing=()
for p in clang libclang-rt-dev; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  run=()
  if [ "$(id -u)" -ne 0 ]; then run=(sudo); fi
  "${run[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${run[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

build=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DLATICA_FUZZ=ON -DLATICA_BENCHMARKS=OFF >/dev/null
# Only the targets named, when some are.
programs=(fuzz_all)
if [ $# -gt 0 ]; then programs=("${@/#/fuzz_}"); fi
cmake --build "$build" --target "${programs[@]}" -j 2

# Longest input of each format.
declare -A max_len=(
  [record_file]=4096 [romakana_table]=16384 [cast_table]=8192 [talk_data]=16384
  [talk_print]=4096 [talkbuild_source]=16384 [play_puzzle]=32768 [play_file]=32768
  [ipuz_file]=16384 [puz_file]=32768
)
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=(record_file romakana_table cast_table talk_data talk_print talkbuild_source play_puzzle play_file ipuz_file
    puz_file)
fi

export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
for target in "${targets[@]}"; do
  program="$build/fuzz/fuzz_$target"
  [ -x "$program" ] || continue
  work="$build/corpus/$target"
  findings="$build/findings"
  mkdir -p "$work" "$findings"
  dict=()
  if [ -f "fuzz/$target.dict" ]; then dict=(-dict="fuzz/$target.dict"); fi
  # Fontconfig keeps what the first drawn text loads for the whole process.
  leaks=1
  if [ "$target" = talk_print ]; then leaks=0; fi
  echo "== $target: $seconds s"
  if ! ASAN_OPTIONS=detect_leaks=$leaks nice -n 10 "$program" "${dict[@]}" -detect_leaks=$leaks -max_len="${max_len[$target]}" -timeout=10 -rss_limit_mb=2048 \
      -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$findings/$target-" \
      "$work" "fuzz/corpus/$target" 2>"$build/fuzz-$target.log"; then
    tail -n 40 "$build/fuzz-$target.log" >&2
    crash=$(grep -o "$findings/$target-[^ ]*" "$build/fuzz-$target.log" | tail -n 1 || true)
    echo "fuzz: finding in $target: ${crash:-see $build/fuzz-$target.log}" >&2
    exit 1
  fi
  grep -E '^#[0-9]+.*DONE|stat::number_of_executed_units|stat::average_exec_per_sec' "$build/fuzz-$target.log" || true
done
