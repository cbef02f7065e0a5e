# SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the window-manager cases: the end-to-end helpers (e2e_lib.sh) plus openbox, an
# ordinary X11 window manager, on the private Xvfb server, and checks of what it makes of
# each window: frame, allowed actions, caption, icon, stacking and placement. Sourced as
#
#   source wm_lib.sh <game> <screen_probe> <stage_planner> <seed> <screenshot dir>
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/e2e_lib.sh" "$@"

openbox_pid=
stop_openbox() {
  if [ -n "$openbox_pid" ] && kill -0 "$openbox_pid" 2>/dev/null; then
    kill -TERM "$openbox_pid" 2>/dev/null || true
    wait "$openbox_pid" 2>/dev/null || true
  fi
}
trap 'stop_openbox; cleanup' EXIT

wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

openbox_up() {
  if ! kill -0 "$openbox_pid" 2>/dev/null; then
    # The server turned it away: Xvfb resets when its last client leaves, and refuses
    # connections for that moment. Start it again.
    XDG_CONFIG_HOME=$WORK/config openbox --sm-disable --config-file /etc/xdg/openbox/rc.xml \
      >>"$WORK/openbox.log" 2>&1 &
    openbox_pid=$!
    return 1
  fi
  wm_running
}

# Xvfb with openbox on it, in its stock configuration. Once openbox runs, the server keeps
# a client for the rest of the case and never resets.
start_desktop() {
  start_xvfb
  openbox_pid=
  poll 20 openbox_up || { cat "$WORK/openbox.log"; fail "openbox did not start"; }
}

# The whole screen, frames and all, for the reviewer: <case>-<name>.png.
keep_screen() { shoot && cp "$SHOT" "$SHOTS/$CASE-$1.png"; }

# frame <window>: sets FL FR FT FB, the frame the window manager put around the window.
frame() {
  local extents
  extents=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p' | tr -d ' ')
  [ -n "$extents" ] || return 1
  IFS=, read -r FL FR FT FB <<<"$extents"
}

# outer <window>: sets OX OY OW OH, the window's rectangle on the screen with its frame.
outer() {
  geometry "$1" && frame "$1" || return 1
  OX=$((GX - FL)) OY=$((GY - FT)) OW=$((GW + FL + FR)) OH=$((GH + FT + FB))
}

allowed_actions() { xprop -id "$1" _NET_WM_ALLOWED_ACTIONS | sed -n 's/.*= //p'; }

# expect_fixed_frame <window> <what>: a frame with a title bar, which the window manager lets
# the player move and close but neither resize nor maximise.
expect_fixed_frame() {
  local actions
  frame "$1" || fail "$2 has no _NET_FRAME_EXTENTS"
  [ "$FT" -gt "$FB" ] || fail "$2 has no title bar: frame $FL,$FR,$FT,$FB"
  actions=$(allowed_actions "$1")
  for want in _NET_WM_ACTION_MOVE _NET_WM_ACTION_CLOSE; do
    grep -q "$want" <<<"$actions" || fail "$2 does not allow $want: $actions"
  done
  for banned in _NET_WM_ACTION_RESIZE _NET_WM_ACTION_MAXIMIZE_HORZ _NET_WM_ACTION_MAXIMIZE_VERT; do
    grep -q "$banned" <<<"$actions" && fail "$2 allows $banned: $actions"
  done
  echo "  $2: frame $FL,$FR,$FT,$FB; allowed: $actions"
}

# expect_no_minimise_hints <window> <what>: the window's Motif hints, which a window manager
# reads for the buttons and actions a window wants, name the functions it allows and neither
# minimising nor maximising among them, nor those buttons among its decorations.
expect_no_minimise_hints() {
  local hints flags functions decorations
  hints=$(xprop -id "$1" _MOTIF_WM_HINTS | sed -n 's/.*= //p' | tr -d ' ')
  [ -n "$hints" ] || fail "$2 carries no _MOTIF_WM_HINTS"
  IFS=, read -r flags functions decorations _ <<<"$hints"
  # Functions: 1 all, 8 minimise, 16 maximise. Decorations: 1 all, 32 minimise, 64 maximise.
  ((flags & 1)) || fail "$2 leaves its functions to the window manager: _MOTIF_WM_HINTS $hints"
  ((functions & (1 | 8 | 16))) && fail "$2 allows minimising or maximising: _MOTIF_WM_HINTS $hints"
  ((flags & 2)) && ((decorations & (1 | 32 | 64))) &&
    fail "$2 asks for a minimise or maximise button: _MOTIF_WM_HINTS $hints"
  echo "  $2: _MOTIF_WM_HINTS $hints"
}

# expect_comes_back_when_minimised <window> <what>: asked by the window manager to minimise
# the dialog (what its minimise button, key or menu does; openbox minimises the main window
# with it), the game shows both again at once.
shown() { xwininfo -id "$1" 2>/dev/null | grep -q 'IsViewable' && ! xprop -id "$1" _NET_WM_STATE | grep -q HIDDEN; }
both_shown() { shown "$MAIN" && shown "$1"; }
expect_comes_back_when_minimised() {
  xdotool windowminimize "$1"
  # Once the window manager has handled the next request, it has handled this one.
  wmctrl -i -r "$1" -b add,above
  poll 5 bash -c "xprop -id $1 _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE" || fail "openbox did not keep $2 above"
  wmctrl -i -r "$1" -b remove,above
  poll 5 both_shown "$1" || fail "minimised, $2 and the main window stay hidden"
}

# expect_keeps_its_size <window> <what>: asked to maximise or to fill the screen, the window
# keeps its size and place, and is in neither state.
window_unchanged() {
  geometry "$1" && [ "$GX,$GY,$GW,$GH" = "$2" ] &&
    ! xprop -id "$1" _NET_WM_STATE | grep -qE 'MAXIMIZED|FULLSCREEN'
}
expect_keeps_its_size() {
  local state before
  geometry "$1" || fail "$2 is gone"
  before="$GX,$GY,$GW,$GH"
  for state in maximized_vert,maximized_horz fullscreen; do
    wmctrl -i -r "$1" -b add,$state
    wmctrl -i -r "$1" -b add,above
    poll 5 bash -c "xprop -id $1 _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE" || fail "openbox did not keep $2 above"
    wmctrl -i -r "$1" -b remove,above
    poll 5 window_unchanged "$1" "$before" ||
      fail "after a request for $state $2 is ${GW}x${GH} at $GX,$GY, not $before ($(xprop -id "$1" _NET_WM_STATE))"
  done
}

# expect_caption <window> <what> <caption>: the caption in every name a window list reads.
expect_caption() {
  local property value
  for property in _NET_WM_NAME WM_NAME _NET_WM_VISIBLE_NAME _NET_WM_ICON_NAME; do
    value=$(xprop -id "$1" "$property" | sed -n 's/^[^=]*= "\(.*\)"$/\1/p')
    [ -z "$value" ] && [ "$property" != _NET_WM_NAME ] && continue  # not set at all
    [ "$value" = "$3" ] || fail "$2: $property is \"$value\", not \"$3\""
  done
}

# The icon the window manager shows for the window, as a hash of _NET_WM_ICON.
icon_hash() { xprop -id "$1" _NET_WM_ICON | md5sum | cut -d' ' -f1; }

# expect_modal_over_main <window> <what>: transient for the main window, modal, stacked
# above it, with the main window's icon and not one of its own (nor the manager's generic one).
expect_modal_over_main() {
  local parent stacking
  parent=$(xprop -id "$1" WM_TRANSIENT_FOR | sed -n 's/.*# //p')
  [ "$((parent))" -eq "$MAIN" ] || fail "$2 is transient for $parent, not for the main window"
  xprop -id "$1" _NET_WM_STATE | grep -q _NET_WM_STATE_MODAL || fail "$2 is not modal"
  stacking=$(xprop -root _NET_CLIENT_LIST_STACKING | sed -n 's/.*# //p' | tr -d ',')
  local main_at=-1 dialog_at=-1 k=0 id
  for id in $stacking; do
    [ "$((id))" -eq "$MAIN" ] && main_at=$k
    [ "$((id))" -eq "$(($1))" ] && dialog_at=$k
    k=$((k + 1))
  done
  [ "$dialog_at" -gt "$main_at" ] && [ "$main_at" -ge 0 ] || fail "$2 is not stacked above the main window: $stacking"
  [ "$(icon_hash "$1")" = "$(icon_hash "$MAIN")" ] || fail "$2 shows an icon other than the game's"
}

# centred <x> <y> <w> <h> <cx2> <cy2>: whether the rectangle's centre, doubled, lies within
# 2 of (cx2, cy2).
centred() {
  local dx=$((2 * $1 + $3 - $5)) dy=$((2 * $2 + $4 - $6))
  [ "${dx#-}" -le 2 ] && [ "${dy#-}" -le 2 ]
}

main_centred_on_screen() { outer "$MAIN" && centred "$OX" "$OY" "$OW" "$OH" 800 600; }

# Waits until the main window, frame included, is centred on the 800 x 600 screen; sets
# MX MY MW MH (its client area) and MAIN_OUTER.
expect_main_centred() {
  poll 5 main_centred_on_screen ||
    fail "the main window's frame ${OW}x${OH} at $OX,$OY is not centred on the 800x600 screen"
  MX=$GX MY=$GY MW=$GW MH=$GH
  MAIN_OUTER=("$OX" "$OY" "$OW" "$OH")
}

dialog_centred_over_main() {
  outer "$DIALOG" && centred "$OX" "$OY" "$OW" "$OH" \
    $((2 * MAIN_OUTER[0] + MAIN_OUTER[2])) $((2 * MAIN_OUTER[1] + MAIN_OUTER[3]))
}

# Waits until the dialog's frame is centred over the main window's frame.
expect_dialog_centred() {
  poll 5 dialog_centred_over_main ||
    fail "$1 (${OW}x${OH} at $OX,$OY with its frame) is not centred over the main window (${MAIN_OUTER[*]})"
}

# close_window <window>: the window manager's close, as its title-bar button, its key or a
# task bar asks for it (_NET_CLOSE_WINDOW).
close_window() { wmctrl -i -c "$1"; }

# The game under openbox, its main window in place, and the planned first easy stage laid
# out (see make_plan).
start_planned_stage() {
  make_plan
  start_desktop
  start_game
  expect_main_centred
  measure_board
  start_easy_stage
}
