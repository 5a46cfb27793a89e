#!/usr/bin/env bash
# The installed game: `cmake --install` into a temporary DESTDIR holds every file of the
# build's program folder (records and reports of runs from the build left out), the
# commands, the menu entry with its icon and the AppStream data, which validate; norda
# finds its table through its link, and the game, started through its link from another
# folder under a private X server, opens its first title talk within 30 s.
# Usage: install_test.sh BUILD CMAKE WINDOW_WATCH
# Exits 77 (skipped) only when no X server can be started.
set -euo pipefail
build=$1 cmake=$2 watch=$3
program="$build/Latica"
work=$(mktemp -d)
started=()
planted=()
cleanup() {
  for pid in "${started[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -f "${planted[@]}"
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "install test: $*" >&2; exit 1; }

if [ "$watch" = none ] || [ ! -x "$watch" ]; then
  fail "no window watcher: libxcb-damage0-dev is missing (run scripts/install-deps.sh)"
fi

# A record and a board of runs from the build, which must not be installed.
for leftover in "$program/install-test.log" "$program/sys/install-test.sav"; do
  if [ ! -e "$leftover" ]; then
    planted+=("$leftover")
    echo leftover >"$leftover"
  fi
done

root="$work/root"
DESTDIR="$root" "$cmake" --install "$build" --prefix /usr >"$work/install.log" 2>&1 ||
  { cat "$work/install.log" >&2; fail "cmake --install failed"; }
usr="$root/usr"
lib="$usr/lib/latica"

# Every file of the program folder, unchanged (installing may rewrite the programs, which
# need only be programs), and nothing a run leaves behind.
count=0
while IFS= read -r -d '' file; do
  name=${file#"$program"/}
  case "$name" in *.log|*.sav|[Rr]eport.txt) continue ;; esac
  if [ -x "$file" ]; then
    [ -x "$lib/$name" ] || fail "$name is not installed as a program"
  else
    cmp -s "$file" "$lib/$name" || fail "$name is missing or differs in the install"
  fi
  count=$((count + 1))
done < <(find "$program" -type f -print0)
stray=$(find "$root" -name '*.log' -o -name '*.sav' -o -iname report.txt)
[ -z "$stray" ] || fail "left-overs of runs installed: $stray"
ls "$lib"/*.kmi >/dev/null 2>&1 || fail "no play file installed"

# The commands, the menu entry naming them and the icon it names, at every size.
for command in latica talkbuild $([ -e "$program/norda" ] && echo norda); do
  [ -x "$usr/bin/$command" ] || fail "bin/$command is missing"
done
desktop="$usr/share/applications/io.github.latica.Latica.desktop"
metainfo="$usr/share/metainfo/io.github.latica.Latica.metainfo.xml"
desktop-file-validate "$desktop" || fail "desktop-file-validate failed"
appstreamcli validate --no-net "$metainfo" >"$work/appstream.log" 2>&1 ||
  { cat "$work/appstream.log" >&2; fail "appstreamcli validate failed"; }
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$metainfo" ||
  fail "the AppStream data name no project licence GPL-3.0-or-later"
grep -qx 'License: GPL-3.0-or-later' "$usr/share/doc/latica/copyright" ||
  fail "the copyright file names no licence GPL-3.0-or-later"
exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[ -x "$usr/bin/$exec_name" ] || fail "the menu entry starts '$exec_name', which is not installed"
icon=$(sed -n 's/^Icon=//p' "$desktop")
grep -q "<icon type=\"stock\">$icon</icon>" "$metainfo" || fail "the AppStream icon is not '$icon'"
for size in 16 24 32 48 64 128 256; do
  png="$usr/share/icons/hicolor/${size}x${size}/apps/$icon.png"
  # The PNG header: width and height (big-endian), bit depth 8, colour type 6 (RGBA).
  header=$(od -An -tx1 -j16 -N10 "$png" | tr -d ' \n') || fail "no icon $png"
  [ "$header" = "$(printf '%08x%08x0806' "$size" "$size")" ] || fail "icon $png: header $header"
done

# norda reads the romaji table beside itself, reached through its link.
if [ -x "$usr/bin/norda" ]; then
  "$usr/bin/norda" check "$lib"/*.kmi >"$work/norda.log" 2>&1 ||
    { cat "$work/norda.log" >&2; fail "the installed norda rejects the installed play files"; }
fi

# The installed game's opening, under a private X server.
if ! command -v Xvfb >/dev/null; then
  echo "install test: skipped, no Xvfb" >&2
  exit 77
fi
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
started+=($!)
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  kill -0 "${started[-1]}" 2>/dev/null || break
  sleep 0.1
done
if [ ! -s "$work/display" ]; then
  cat "$work/xvfb.log" >&2
  echo "install test: skipped, Xvfb cannot start" >&2
  exit 77
fi
display=$(head -n1 "$work/display")
export DISPLAY=":$display" QT_QPA_PLATFORM=xcb
# A home of its own: the work folder, the instance lock and the settings stay in it.
export HOME="$work/home" XDG_RUNTIME_DIR="$work/run"
unset TEMP TMP Temp Tmp XDG_DATA_HOME XDG_CONFIG_HOME
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"

# The narrator's box of the first title talk, green at this spot of the main window.
"$watch" Latica 525 128 60 10 >"$work/drawn" 2>"$work/watch.log" &
watcher=$!
started+=("$watcher")
until grep -q ready "$work/drawn"; do
  kill -0 "$watcher" 2>/dev/null || { cat "$work/watch.log" >&2; fail "the window watcher ended"; }
  sleep 0.05
done
(cd "$HOME" && exec "$usr/bin/latica") >"$work/game.log" 2>&1 &
game=$!
started+=("$game")
for _ in $(seq 300); do
  kill -0 "$watcher" 2>/dev/null || break
  kill -0 "$game" 2>/dev/null || { cat "$work/game.log" >&2; fail "the installed game ended before its opening"; }
  sleep 0.1
done
if kill -0 "$watcher" 2>/dev/null || ! wait "$watcher"; then
  cat "$work/game.log" "$work/watch.log" >&2
  fail "the installed game showed no title talk within 30 s"
fi
echo "install test: $count files of the program folder installed; the installed game opened its first talk"
