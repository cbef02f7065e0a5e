#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
# SPDX-License-Identifier: GPL-3.0-or-later
# mmdebstrap's customize hook for clean_install.sh, run on the host with the
# fresh root as $1 (proc, sys and dev are mounted in it): installs the .deb with
# apt, starts the installed program the way its desktop entry does against the
# host's Xvfb and checks its window, its Japanese font and its silence, closes
# it, then removes and purges the package and checks that the root is back to
# what it was (what piuparts checks).
#
# From clean_install.sh: CLEAN_INSTALL_DEB, CLEAN_INSTALL_DISPLAY,
# CLEAN_INSTALL_SEND_CLOSE, CLEAN_INSTALL_WORK.
set -euo pipefail
root=$1
deb=$CLEAN_INSTALL_DEB
work=$CLEAN_INSTALL_WORK
export DISPLAY=$CLEAN_INSTALL_DISPLAY
app_id=io.github.poronpuzzle.PoronPuzzle
caption=ポロンパズル

game_pid=
cleanup() {
  if [ -n "$game_pid" ] && kill -0 "$game_pid" 2>/dev/null; then
    kill -KILL "$game_pid" 2>/dev/null || true
    wait "$game_pid" 2>/dev/null || true
  fi
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*"
  for stream in stdout stderr; do
    if [ -s "$work/game.$stream" ]; then
      echo "--- the program's $stream:"
      cat "$work/game.$stream"
    fi
  done
  exit 1
}
step() { echo "* $* ($((SECONDS)) s into the hook)"; }

source "$(dirname "$0")/../package/window_session.sh"

in_root() {
  chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LC_ALL=C.UTF-8 \
    DEBIAN_FRONTEND=noninteractive "$@"
}

# Every path of the root with its type and mode, leaving out the mounted
# file systems and scratch folders, and the package manager's own records,
# caches and logs, which change with every install by design.
snapshot() {
  (cd "$root" && find . \( -path ./proc -o -path ./sys -o -path ./dev -o -path ./run \
      -o -path ./tmp -o -path ./var/lib/dpkg -o -path ./var/lib/apt -o -path ./var/cache/apt \
      -o -path ./var/cache/debconf -o -path ./var/cache/ldconfig -o -path ./var/log \) -prune \
      -o -printf '%p %y %m\n' | LC_ALL=C sort) >"$1"
}

snapshot "$work/before"

step "installing $(basename "$deb") with apt"
cp "$deb" "$root/tmp/"
if ! in_root apt-get install -y "/tmp/$(basename "$deb")" >"$work/apt-install.log" 2>&1; then
  cat "$work/apt-install.log"
  fail "apt-get could not install the package"
fi
grep -E '^(Need to get|After this operation|[0-9]+ upgraded)' "$work/apt-install.log" || true
in_root dpkg-query -L poron-puzzle >"$work/package-paths"

step "starting the program as its desktop entry does"
exec_line=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/$app_id.desktop")
[ "$exec_line" = poron-puzzle ] || fail "unexpected Exec line in the desktop entry: $exec_line"
mkdir -m 0700 "$root/tmp/home" "$root/tmp/runtime"
# A desktop session's PATH on Debian, where /usr/games is part of it.
chroot "$root" env -i PATH=/usr/local/bin:/usr/bin:/bin:/usr/local/games:/usr/games \
  HOME=/tmp/home XDG_RUNTIME_DIR=/tmp/runtime LANG=C.UTF-8 DISPLAY="$DISPLAY" \
  QT_QPA_PLATFORM=xcb "$exec_line" >"$work/game.stdout" 2>"$work/game.stderr" &
game_pid=$!

main_window() {
  window=$(xdotool search --onlyvisible --name "^$caption\$" 2>/dev/null | head -n1) && [ -n "$window" ]
}
wait_for 300 main_window || fail "no window \"$caption\" appeared on $DISPLAY"
# The menu captions are set in a Japanese Gothic face, so by the time the
# window is shown the program has opened one of the IPA Gothic font files.
japanese_font_open() { grep -qE '/fonts/opentype/ipafont-gothic/ipag' "/proc/$game_pid/maps"; }
wait_for 100 japanese_font_open || fail "the program opened no IPA Gothic font; its fonts: $(grep -o '/fonts/.*' "/proc/$game_pid/maps" | sort -u)"
grep -oE '/fonts/opentype/ipafont-gothic/[^ ]+' "/proc/$game_pid/maps" | sort -u | sed 's/^/  font in use: /'

close_and_expect_exit "$CLEAN_INSTALL_SEND_CLOSE" "$window"
[ ! -s "$work/game.stderr" ] || fail "the program wrote to stderr"
[ ! -s "$work/game.stdout" ] || fail "the program wrote to stdout"
rm -rf "$root/tmp/home" "$root/tmp/runtime" "$root/tmp/$(basename "$deb")"

step "removing and purging the package and what apt installed for it"
# The root was laid out without recommended packages; what apt installed for the
# game goes again even where a package of the root recommends it (Debian 13's libc6
# recommends libidn2-0, which the game's libraries pull in).
if ! in_root apt-get purge -y --autoremove -o APT::AutoRemove::RecommendsImportant=false \
    -o APT::AutoRemove::SuggestsImportant=false poron-puzzle >"$work/apt-purge.log" 2>&1; then
  cat "$work/apt-purge.log"
  fail "apt-get could not purge the package"
fi
snapshot "$work/after"
if ! diff -u "$work/before" "$work/after"; then
  fail "the root differs from before the install (- gone, + left behind)"
fi
while read -r path; do
  [ "$path" = /. ] && continue
  if [ -e "$root$path" ] && [ ! -d "$root$path" ]; then
    fail "$path of the package is still there"
  fi
done <"$work/package-paths"
step "the root is as it was before the install"
