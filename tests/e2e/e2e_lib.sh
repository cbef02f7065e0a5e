# SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the end-to-end cases: a private Xvfb server, the fixed-seed game on it, real
# X input through xdotool, and screenshots read by screen_probe. Sourced by each case as
#
#   source e2e_lib.sh <game> <screen_probe> <stage_planner> <seed> <screenshot dir>
#
# Every wait polls with a deadline; the EXIT trap ends the game and the server.
set -euo pipefail

GAME=$1
PROBE=$2
PLANNER=$3
SEED=$4
SHOTS=$5
CASE=$(basename "$0" .sh)

export LC_ALL=C.UTF-8
WORK=$(mktemp -d)
SHOT=$WORK/shot.png
mkdir -p "$SHOTS"
rm -f "$SHOTS/$CASE-failure.png"

xvfb_pid=
game_pid=
cleanup() {
  local status=$?
  if [ "$status" -ne 0 ] && [ -n "$xvfb_pid" ] && ! kill -0 "$xvfb_pid" 2>/dev/null; then
    echo "the X server ended during the case; its log:"
    cat "$WORK/xvfb.log"
  fi
  if [ -n "$game_pid" ] && kill -0 "$game_pid" 2>/dev/null; then
    kill -KILL "$game_pid" 2>/dev/null || true
    wait "$game_pid" 2>/dev/null || true
  fi
  if [ -n "$xvfb_pid" ] && kill -0 "$xvfb_pid" 2>/dev/null; then
    kill -TERM "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  rm -rf "$WORK"
}
trap cleanup EXIT
trap 'exit 1' TERM INT HUP

fail() {
  echo "FAIL ($CASE): $*"
  if [ -f "$SHOT" ]; then
    cp "$SHOT" "$SHOTS/$CASE-failure.png"
    echo "the last screenshot is $SHOTS/$CASE-failure.png"
  fi
  for stream in stdout stderr; do
    if [ -s "$WORK/game.$stream" ]; then
      echo "--- the program's $stream:"
      cat "$WORK/game.$stream"
    fi
  done
  exit 1
}

step() { echo "* $*"; }

now_ms() { echo $((${EPOCHREALTIME/./} / 1000)); }

# poll <seconds> <command...>: runs the command every 0.1 s until it succeeds. The seconds
# say how soon the condition holds on an idle machine; every wait allows at least
# PATIENCE seconds all the same, because a machine busy with builds and other tests is
# slower, not wrong. A condition that holds ends the wait at once, so the room costs only
# a failing case its time (and a failing case still ends well within its CTest timeout).
PATIENCE=30
poll() {
  local deadline=$(($(now_ms) + ($1 > PATIENCE ? $1 : PATIENCE) * 1000))
  shift
  while true; do
    if "$@"; then return 0; fi
    if [ "$(now_ms)" -ge "$deadline" ]; then return 1; fi
    sleep 0.1
  done
}

shoot() { import -window root "$SHOT"; }

# Keeps the part of the last screenshot at x y w h for the reviewer, as <case>-<name>.png.
keep_shot() {
  convert "$SHOT" -crop "$4x$5+$2+$3" +repage "$SHOTS/$CASE-$1.png"
}

# A hash of the pixels of the last screenshot at x y w h, to tell whether a region changed.
region_hash() {
  convert "$SHOT" -crop "$3x$4+$1+$2" +repage -depth 8 rgb:- | md5sum | cut -d' ' -f1
}

start_xvfb() {
  # Xvfb picks a free display itself and reports it on fd 3. No window manager runs on it.
  # -noreset: by default the server starts over whenever its last client leaves (the game
  # when it ends, each xdotool before the game starts), and a client that connects
  # meanwhile can find no display.
  Xvfb -displayfd 3 -nolisten tcp -noreset -screen 0 800x600x24 3>"$WORK/display" 2>"$WORK/xvfb.log" &
  xvfb_pid=$!
  poll 10 test -s "$WORK/display" || { cat "$WORK/xvfb.log"; fail "Xvfb did not start"; }
  DISPLAY=:$(head -n1 "$WORK/display")
  export DISPLAY
}

# The ids of the program's windows that are on the screen.
program_windows() { xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null || true; }

# geometry <window>: sets GX GY GW GH, the client area's position on the screen and its size
# (under a window manager too, where xdotool would give the frame's corner). Two processes,
# as waits for a dialog call it over and over and a dialog's count does not wait for them.
geometry() {
  GX='' GY='' GW='' GH=''
  read -r GX GY GW GH < <(xwininfo -id "$1" 2>/dev/null | awk '
    /Absolute upper-left X:/ {x = $4} /Absolute upper-left Y:/ {y = $4}
    /^ *Width:/ {w = $2} /^ *Height:/ {h = $2}
    END {if (h != "") print x, y, w, h}')
  [ -n "$GH" ]
}

main_window_shown() {
  local ids
  ids=$(xdotool search --onlyvisible --pid "$game_pid" --name '^ポロンパズル$' 2>/dev/null) || return 1
  [ "$(grep -c . <<<"$ids")" -eq 1 ] || return 1
  MAIN=$ids
}

# Starts the game and waits for its main window; sets MAIN and the window's geometry MX MY
# MW MH. The program's output goes to files that every case expects to stay empty.
start_game() {
  unset WAYLAND_DISPLAY QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_ENABLE_HIGHDPI_SCALING
  # A private runtime folder, so that Qt has no reason to warn about a missing one.
  mkdir -m 0700 "$WORK/runtime"
  XDG_RUNTIME_DIR=$WORK/runtime QT_QPA_PLATFORM=xcb "$GAME" >"$WORK/game.stdout" 2>"$WORK/game.stderr" &
  game_pid=$!
  poll 20 main_window_shown || fail "the main window \"ポロンパズル\" did not appear"
  geometry "$MAIN"
  MX=$GX MY=$GY MW=$GW MH=$GH
}

# Finds the client area by looking for the title picture inside the main window; sets the
# board's origin BX BY on the screen and MENU_HEIGHT, the rows above it.
title_found() {
  shoot
  TITLE_OFFSET=$("$PROBE" locate "$SHOT" "$MX" "$MY" "$MW" "$MH" imageCG0)
}
measure_board() {
  local dx
  poll 5 title_found || fail "the title picture is nowhere in the main window"
  read -r dx MENU_HEIGHT <<<"$TITLE_OFFSET"
  [ "$dx" -eq 0 ] || fail "the board starts $dx px right of the window's left edge"
  BX=$MX BY=$((MY + MENU_HEIGHT))
}

# Reads the board from a fresh screenshot over reward picture $1 into BOARD[0..99].
read_board() {
  shoot
  read -r -a BOARD <<<"$("$PROBE" board "$SHOT" "$BX" "$BY" "$1")"
  [ "${#BOARD[@]}" -eq 100 ] || fail "screen_probe read ${#BOARD[@]} cells"
}

# board_shows <background> <cell>=<pattern>...: whether a fresh screenshot shows every
# listed cell as its pattern (a bash pattern over the two-letter tokens of screen_probe).
board_shows() {
  local background=$1 want
  shift
  read_board "$background"
  for want in "$@"; do
    # shellcheck disable=SC2053
    [[ ${BOARD[${want%%=*}]} == ${want#*=} ]] || return 1
  done
}

# wait_board <seconds> <background> <cell>=<pattern>...
wait_board() {
  local seconds=$1 want wrong=
  shift
  poll "$seconds" board_shows "$@" && return 0
  for want in "${@:2}"; do
    # shellcheck disable=SC2053
    [[ ${BOARD[${want%%=*}]} == ${want#*=} ]] || wrong+=" cell ${want%%=*} is ${BOARD[${want%%=*}]}, not ${want#*=};"
  done
  fail "over reward picture $1 the board shows:$wrong (all it shows: $(board_text))"
}

# The cells of the last board read that show something, as cell:token.
board_text() {
  local i out=
  for i in "${!BOARD[@]}"; do
    [ "${BOARD[$i]}" = ".." ] || out+=" $i:${BOARD[$i]}"
  done
  echo "${out# }"
}

# stage_patterns <start> <pad>...: patterns for a whole stage at its start: the frog on
# the start pad, every other pad plain or marked, every other cell blank.
stage_patterns() {
  local start=$1 i
  shift
  local -A pad=()
  for i in "$@"; do pad[$i]=1; done
  PATTERNS=()
  for ((i = 0; i < 100; i++)); do
    if [ "$i" -eq "$start" ]; then
      PATTERNS+=("$i=p[fh]")
    elif [ -n "${pad[$i]:-}" ]; then
      PATTERNS+=("$i=[pt].")
    else
      PATTERNS+=("$i=..")
    fi
  done
}

# Real pointer input: move, press and release one button, then park the pointer in the
# screen's corner, off every window, so that it hides nothing in the next screenshot.
click_at() {
  xdotool mousemove --sync "$1" "$2" click "${3:-1}"
  xdotool mousemove --sync 799 599
}

click_cell() {
  click_at $((BX + 32 * ($1 % 10) + 16)) $((BY + 32 * ($1 / 10) + 16)) "${2:-1}"
}

# plan <key>: the planner's line for key, without the key.
plan() { awk -v key="$1" '$1 == key { $1 = ""; sub(/^ /, ""); print }' <<<"$PLAN"; }

# Asks the planner about the first easy stage; sets START PADS STUCK CLEAR and, for the
# stage after the clear, NEXT_START NEXT_PADS.
make_plan() {
  PLAN=$("$PLANNER" "$SEED" easy) || fail "the planner could not plan the stage"
  START=$(plan start)
  read -r -a PADS <<<"$(plan pads)"
  read -r -a STUCK <<<"$(plan stuck)"
  read -r -a CLEAR <<<"$(plan clear)"
  NEXT_START=$(plan next_start)
  read -r -a NEXT_PADS <<<"$(plan next_pads)"
}

# ｹﾞｰﾑ → かんたん, and the planned stage on the screen.
start_easy_stage() {
  menu_command 1 4 1
  wait_caption "レベル0" 5
  stage_patterns "$START" "${PADS[@]}"
  wait_board 5 0 "${PATTERNS[@]}"
}

# play_targets <cell>...: clicks the cells one after another, each once the turn engine has
# marked it, and waits for the frog to land there.
play_targets() {
  local cell
  for cell in "$@"; do
    wait_board 3 0 "$cell=t."
    click_cell "$cell"
    wait_board 3 0 "$cell=p[fh]"
  done
}

caption_is() { [ "$(xdotool getwindowname "$MAIN")" = "$1" ]; }

wait_caption() {
  poll "$2" caption_is "$1" || fail "the caption is \"$(xdotool getwindowname "$MAIN")\", not \"$1\""
  xdotool search --onlyvisible --pid "$game_pid" --name "^$1\$" | grep -qx "$MAIN" ||
    fail "xdotool finds no window named \"$1\""
}

# --- menus: entries found by the dark text on the bar and in the drop-down

# menu_bar_entry <k>: sets ENTRY_X ENTRY_Y, the middle of the k-th entry (1-based) on the bar.
bar_entry_found() {
  local first last
  shoot
  BAR_SPANS=$("$PROBE" bands "$SHOT" "$MX" "$MY" "$MW" "$MENU_HEIGHT" columns 10)
  [ "$(grep -c . <<<"$BAR_SPANS")" -eq 3 ] || return 1
  read -r first last <<<"$(sed -n "${1}p" <<<"$BAR_SPANS")"
  ENTRY_X=$((MX + (first + last) / 2)) ENTRY_Y=$((MY + MENU_HEIGHT / 2))
}
menu_bar_entry() {
  poll 3 bar_entry_found "$1" || fail "the menu bar does not show three entries: $BAR_SPANS"
}

popup_shown() {
  local id
  for id in $(program_windows); do
    [ "$id" = "$MAIN" ] && continue
    geometry "$id" || continue
    shoot
    ITEMS=$("$PROBE" bands "$SHOT" "$GX" "$GY" "$GW" "$GH" rows 3)
    [ "$(grep -c . <<<"$ITEMS")" -eq "$1" ] && return 0
  done
  return 1
}

# menu_command <entry> <items in its drop-down> <item>: opens the drop-down of the entry'th
# entry of the bar with a click and clicks its item'th command.
menu_command() {
  local first last
  menu_bar_entry "$1"
  click_at "$ENTRY_X" "$ENTRY_Y"
  poll 5 popup_shown "$2" || fail "the drop-down of menu entry $1 with $2 commands did not open"
  read -r first last <<<"$(sed -n "${3}p" <<<"$ITEMS")"
  click_at $((GX + GW / 2)) $((GY + (first + last) / 2))
}

# --- the modal windows and the end of the program

# dialog_shown <width> <height>: whether a window of the program other than the main one
# is on the screen at that size; sets DIALOG and its geometry DX DY.
dialog_shown() {
  local id
  for id in $(program_windows); do
    [ "$id" = "$MAIN" ] && continue
    geometry "$id" || continue
    if [ "$GW" -eq "$1" ] && [ "$GH" -eq "$2" ]; then
      DIALOG=$id DX=$GX DY=$GY
      return 0
    fi
  done
  return 1
}

wait_dialog() {
  poll "$3" dialog_shown "$1" "$2" ||
    fail "no $1 x $2 window appeared (the program shows: $(for id in $(program_windows); do
      geometry "$id" && echo -n "${GW}x${GH} "; done))"
}

# dialog_shows <picture> <px> <py> <w> <h>: whether a fresh screenshot shows that part of the
# picture in the dialog. A window can be on the screen before its first paint: wait for this.
dialog_shows() {
  shoot
  "$PROBE" same "$SHOT" "$DX" "$DY" "$@" >/dev/null
}

dialog_gone() { ! xwininfo -id "$DIALOG" 2>/dev/null | grep -q 'IsViewable'; }

# The dialog's centre lies on the main window's centre (to a pixel for odd sizes).
expect_centred_over_main() {
  local ddx=$(((2 * DX + GW) - (2 * MX + MW))) ddy=$(((2 * DY + GH) - (2 * MY + MH)))
  [ "${ddx#-}" -le 2 ] && [ "${ddy#-}" -le 2 ] ||
    fail "the ${GW}x${GH} window at $DX,$DY is not centred over the main window at $MX,$MY (${MW}x${MH})"
}

game_ended() { ! kill -0 "$game_pid" 2>/dev/null; }

# Waits for the program to end by itself and checks its status and its silence.
expect_program_end() {
  poll 5 game_ended || fail "the program still runs after $1"
  local status=0
  wait "$game_pid" || status=$?
  game_pid=
  [ "$status" -eq 0 ] || fail "the program ended with status $status after $1"
  expect_silence
}

expect_silence() {
  local stream
  for stream in stdout stderr; do
    [ ! -s "$WORK/game.$stream" ] || fail "the program wrote to its $stream"
  done
}
