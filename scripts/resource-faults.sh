#!/usr/bin/env bash
# Removes, then cuts in half, each data file of the program folder in turn and plays the
# game headless from the start to a kana typed on the board, sorting how each run ended:
#   named   - a message named the file, then a clean end
#   noted   - play went on (silently, or without the picture), a note on stderr naming it
#   unread  - play went on, nothing said: the file is not read on this path
#   FAILED  - a crash, a hang, or a message that does not name the file
# Usage: scripts/resource-faults.sh [build-folder]   (default: build)
set -uo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
cmake --build "$build" --target test_shell >/dev/null || exit 1
program="$build/Latica"
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
declare -A count
failed=0
while IFS= read -r file; do
  for damage in remove cut; do
    out=$(LATICA_SWEEP_FILE="$file" LATICA_SWEEP_DAMAGE="$damage" timeout 120 \
          "$build/tests/test_shell" --gtest_also_run_disabled_tests \
          --gtest_filter='ResourceSweep.DISABLED_OneDamagedFile' 2>&1)
    status=$?
    line=$(grep -m1 '^SWEEP' <<<"$out")
    if [ $status -eq 124 ]; then outcome=FAILED; why="hang"
    elif [ $status -ne 0 ]; then outcome=FAILED; why="exit $status: $(grep -m1 -E 'Failure|ERROR|Sanitizer' <<<"$out")"
    elif [[ $line == "SWEEP ended:"* ]]; then outcome=named; why=${line#SWEEP ended: }
    elif note=$(grep -m1 "^latica: .*$(basename "$file")" <<<"$out"); then outcome=noted; why=${note#latica: }
    elif [[ $line == "SWEEP played" ]]; then outcome=unread; why=""
    else outcome=FAILED; why="no outcome"
    fi
    count[$outcome]=$(( ${count[$outcome]:-0} + 1 ))
    [ "$outcome" = FAILED ] && failed=1
    printf '%-7s %-6s %s  %s\n' "$outcome" "$damage" "$file" "$why"
  done
done < <(cd "$program" && find sys Talk Picture sound -type f | sort)
echo "---"
for k in named noted unread FAILED; do printf '%s: %d\n' "$k" "${count[$k]:-0}"; done
exit $failed
