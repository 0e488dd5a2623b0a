#!/usr/bin/env bash
# Starts a copy of the game folder in a real X window, moves a ball with the mouse, checks
# that the game saw the move, switches autoload off through the menu, quits through the
# menu and checks that the settings file was written.
set -euo pipefail
game_folder=$1
source "$(dirname "$0")/../install/common.sh"
source "$(dirname "$0")/../support/window-driver.sh"
need Xvfb xdotool

cp -r "$game_folder" "$work/game"
game=$work/game
write_one_ball_game "$game"
start_x_server

start_game ./vyxlines "$game"
wait_for_window
read_board_layout "$game/Gfx/Cache/skin.cfg"

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
