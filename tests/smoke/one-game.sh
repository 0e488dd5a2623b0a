#!/usr/bin/env bash
# One game per player's folder, tried with real games: started again on a folder where a
# game runs, the game ends with status 0, having written nothing there, and the running
# game's window comes to the front with its dialog over it; a game on another folder runs
# beside it; a lock left by a killed game does not keep the next start from playing.
set -euo pipefail
game_folder=$1
source "$(dirname "$0")/../install/common.sh"
source "$(dirname "$0")/../support/window-driver.sh"
need Xvfb xdotool

cp -r "$game_folder" "$work/first"
cp -r "$game_folder" "$work/other"
start_x_server

# Windows stack bottom first; a window on top is the front one.
stacked_as() {  # windows that must lie in this order at the top of the stack
    local stack=($(xdotool search --onlyvisible --classname vyxlines 2>/dev/null)) expected=("$@")
    [[ ${stack[*]: -${#expected[@]}} == "${expected[*]}" ]]
}

start_game ./vyxlines "$work/first"
first=$game_pid
wait_for_window
first_window=$window
press alt+d 2
leaders_dialog=$(shown_windows "$first" | tail -n 1)

start_game ./vyxlines "$work/other"
other=$game_pid
wait_for_window
other_window=$window
eventually stacked_as "$first_window" "$leaders_dialog" "$other_window" ||
    fail "the game on another folder did not come up over the first"

file_snapshot "$work/first" >"$work/first.before"
start_game ./vyxlines "$work/first"
wait_for_exit "$game_pid"
file_snapshot "$work/first" | diff -u "$work/first.before" - ||
    fail "the second start changed the running game's folder"
eventually stacked_as "$other_window" "$first_window" "$leaders_dialog" ||
    fail "the running game did not come to the front with its dialog"

game_pid=$first
give_keyboard "$leaders_dialog"
press Escape 1
give_keyboard "$first_window"
quit_through_menu

# A killed game leaves its lock file behind; the process it names is gone.
start_game ./vyxlines "$work/first"
wait_for_window
kill -KILL "$game_pid"
wait "$game_pid" || true
[[ -e $work/first/.VyxLines.lock ]] || fail "the killed game left no lock behind"
start_game ./vyxlines "$work/first"
wait_for_window
quit_through_menu
[[ ! -e $work/first/.VyxLines.lock ]] || fail "the game left its lock behind at quit"

game_pid=$other
give_keyboard "$other_window"
quit_through_menu
echo "a second start handed over to the running game, a game on another folder ran beside" \
    "it, and a killed game's lock did not block the next start"
