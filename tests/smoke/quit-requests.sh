#!/usr/bin/env bash
# The system's requests that the game end quit it as Game > Quit does: SIGTERM, SIGHUP and
# SIGINT, each with a sound played (SDL is loaded by then) and a setting changed through the
# menu, with nothing open, with a dialog open and with a question open. Each time the
# settings are written and the game exits with status 0, its lock file gone.
set -euo pipefail
game_folder=$1
source "$(dirname "$0")/../install/common.sh"
source "$(dirname "$0")/../support/window-driver.sh"
need Xvfb xdotool
start_x_server
export SDL_AUDIODRIVER=disk

open_nothing() { :; }
open_leaders() { press alt+d 2; }
open_level_question() {  # Options > Level > Easy asks before it ends the game
    press alt+o 2
    press v 3
    press e 2
}

for case in "TERM open_nothing" "HUP open_leaders" "INT open_level_question"; do
    read -r signal open <<<"$case"
    game=$work/$signal
    cp -r "$game_folder" "$game"
    write_one_ball_game "$game"
    export SDL_DISKAUDIOFILE=$work/$signal.raw
    start_game ./vyxlines "$game"
    wait_for_window
    read_board_layout "$game/Gfx/Cache/skin.cfg"
    click_cell 0 0
    eventually sound_played "$SDL_DISKAUDIOFILE" || fail "SIG$signal: selecting a ball made no sound"
    press alt+o 2
    press s 3
    press o 1
    $open
    kill -"$signal" "$game_pid"
    wait_for_exit "$game_pid"
    grep -q "Autoload= 0" "$game/VyxLines.cfg" || fail "SIG$signal: the settings were not written"
    [[ ! -e $game/.VyxLines.lock ]] || fail "SIG$signal: the game left its lock behind"
done
echo "SIGTERM, SIGHUP and SIGINT each quit the game with its settings written"
