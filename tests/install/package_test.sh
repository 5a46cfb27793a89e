#!/usr/bin/env bash
# The Debian package: cpack builds it, lintian finds no error in it, and its dependencies
# bring what the game needs at run time, both the shared libraries it links and the
# packages it only loads from (platform plugin, FluidSynth, soundfont, fonts).
# Usage: package_test.sh BUILD CPACK
set -euo pipefail
build=$1 cpack=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "package test: $*" >&2; exit 1; }

(cd "$build" && "$cpack" -G DEB -B "$work") >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; fail "cpack failed"; }
debs=("$work"/latica_*.deb)
[ -f "${debs[0]}" ] || fail "no latica_*.deb written"
deb=${debs[0]}

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libsdl2-mixer-2.0-0 libfluidsynth3 timgm6mb-soundfont \
              fonts-ipafont-gothic qt6-qpa-plugins; do
  grep -qE "(^|, )$needed( |,|$)" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
contents=$(dpkg-deb -c "$deb")
grep -q ' ./usr/lib/latica/latica$' <<<"$contents" || fail "the game is not in usr/lib/latica"

lintian --fail-on error "$deb" >"$work/lintian.log" 2>&1 ||
  { cat "$work/lintian.log" >&2; fail "lintian found errors"; }
echo "package test: $(basename "$deb"), $(stat -c %s "$deb") bytes; Depends: $depends"
cat "$work/lintian.log"
