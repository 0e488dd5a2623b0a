#!/usr/bin/env bash
# Starts a copy of the game folder in a real X window, checks that the window carries the
# game's icon, moves a ball with the mouse, checks that the game saw the move, switches
# autoload off through the menu, quits through the menu and checks that the settings file
# was written.
set -euo pipefail
game_folder=$1
source "$(dirname "$0")/../install/common.sh"
source "$(dirname "$0")/../support/window-driver.sh"
need Xvfb xdotool xprop

cp -r "$game_folder" "$work/game"
game=$work/game
write_one_ball_game "$game"
start_x_server

start_game ./vyxlines "$game"
wait_for_window
read_board_layout "$game/Gfx/Cache/skin.cfg"

# The icon a window list shows: the game's own, drawn for each size (Qt hands the window
# manager those up to 128 pixels).
icons=$(xprop -id "$window" _NET_WM_ICON | { grep -o "Icon ([0-9]* x [0-9]*)" || true; } |
    tr '\n' ' ')
[[ $icons == "Icon (16 x 16) Icon (32 x 32) Icon (48 x 48) Icon (64 x 64) Icon (128 x 128) " ]] ||
    fail "the window's icons are: ${icons:-none}"

# Any button presses; the press on a ball selects it, the next one sends it on its way.
# The turn ends with an autosave holding the ball on its new cell (new balls may land on
# any other cell, the one it left included).
click_cell 0 0 1
click_cell 0 4 3
moved() { [[ $(saved_cell "$game/Saves/Autosave.lsv" 0 4) == 1 ]]; }
eventually moved || fail "the ball did not move"

press alt+o 2
press s 3
press o 1
quit_through_menu
grep -q "Autoload= 0" "$game/VyxLines.cfg" || fail "the settings file was not written at exit"
echo "the game moved a ball, wrote its autosave and its settings, and quit"
