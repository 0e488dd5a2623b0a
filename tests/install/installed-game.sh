#!/usr/bin/env bash
# Installs the build into a temporary prefix and plays the installed game as a player does,
# under Xvfb with a home of its own: the first start fills the player's folder, a start
# while it runs hands over to it, a move lands in its autosave, the settings are written
# there at quit, and a second start goes on with the autosaved game. Nothing under the
# prefix changes, and nothing appears in the folder the game was started from.
set -euo pipefail
build=$1
source "$(dirname "$0")/common.sh"
need Xvfb xdotool

prefix=$work/prefix
install_into "$build" "$prefix"
# Read-only as a package leaves it; root writes anyway, so the snapshot is the proof.
chmod -R a-w "$prefix"
snapshot "$prefix" >"$work/prefix.before"

export HOME=$work/home XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config
export XDG_CACHE_HOME=$work/cache XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$work/started-here"
chmod 700 "$XDG_RUNTIME_DIR"
player=$XDG_DATA_HOME/vyx-zeziz
autosave=$player/Saves/Autosave.lsv
# SDL writes what the game plays into a file: sound there means the shipped sounds were found.
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$work/sound.raw

source "$(dirname "$0")/../support/window-driver.sh"
start_x_server

cells() {  # the 81 cells of the autosave, row by row
    od -An -v -td2 -j 30 -N 324 -w4 "$autosave" | awk '{print $1}' | tr '\n' ' '
}
cell() {  # saved cells, column, row
    local board=($1)
    echo "${board[$(($3 * 9 + $2))]}"
}

start_installed_game() {
    start_game "$prefix/games/vyxlines" "$work/started-here"
    wait_for_window
    [[ -f $player/Gfx/Cache/skin.cfg ]] || fail "the skin was not unpacked into $player/Gfx/Cache"
    read_board_layout "$player/Gfx/Cache/skin.cfg"
}

# A ball with an empty cell beside it in the saved board: "column row colour column row".
a_step() {
    local board=($1)
    for ((i = 0; i < 81; i++)); do
        ((board[i] != 0)) || continue
        local x=$((i % 9)) y=$((i / 9))
        for d in "1 0" "-1 0" "0 1" "0 -1"; do
            set -- $d
            local nx=$((x + $1)) ny=$((y + $2))
            if ((nx >= 0 && nx < 9 && ny >= 0 && ny < 9 && board[ny * 9 + nx] == 0)); then
                echo "$x $y ${board[i]} $nx $ny"
                return
            fi
        done
    done
}

move() {  # column row colour to-column to-row: plays it and waits for its autosave
    click_cell "$1" "$2"
    click_cell "$4" "$5"
    arrived() { [[ $(cell "$(cells)" "$4" "$5") == "$3" ]]; }
    eventually arrived "$@" || fail "the ball at $1,$2 did not reach $4,$5"
}

switch_autosave() {  # Options > Game settings > Autosave Turn
    press alt+o 2
    press s 3
    press u 1
}

# First start: the player's folder is made and seeded, and the new game's first balls
# are autosaved once they have appeared.
start_installed_game
eventually test -f "$autosave" || fail "no autosave appeared in $player/Saves"
for file in VyxLines.cfg leaders.dat Def/leaders.dat; do
    cmp -s "$prefix/share/games/vyx-zeziz/$file" "$player/$file" || fail "$file was not seeded"
done
# Started again meanwhile, the game hands over to the one running on the player's folder
# and ends, having written nothing there.
file_snapshot "$player" >"$work/player.before"
running=$game_pid
start_game "$prefix/games/vyxlines" "$work/started-here"
wait_for_exit "$game_pid"
game_pid=$running
file_snapshot "$player" | diff -u "$work/player.before" - ||
    fail "a second start changed the player's folder"
first=$(cells)
step=($(a_step "$first"))
[[ ${#step[@]} -eq 5 ]] || fail "no ball to move in: $first"
move "${step[@]}"
after_first=$(cells)
eventually sound_played "$SDL_DISKAUDIOFILE" ||
    fail "the move made no sound: the shipped sounds were not found"
# Autosave off, so the settings at quit differ from the seeded ones.
switch_autosave
quit_through_menu

grep -q "Autosave= 0" "$player/VyxLines.cfg" || fail "the settings were not written at quit"
ls "$player"/Gfx/Cache/*.bmp >/dev/null 2>&1 && [[ -f $player/Gfx/Cache/skin.cfg ]] ||
    fail "the skin was not unpacked into $player/Gfx/Cache"
[[ -z $(ls -A "$work/started-here") ]] || fail "the game wrote into the folder it was started from"
snapshot "$prefix" | diff -u "$work/prefix.before" - || fail "files under the prefix changed"

# Second start: the autosaved game goes on. Autosave on again, one more move: the new
# autosave still holds every ball of the first run where it stood.
start_installed_game
switch_autosave
ball=(${step[3]} ${step[4]} ${step[2]})
next=($(board=($after_first); board[ball[1] * 9 + ball[0]]=0
    for d in "1 0" "-1 0" "0 1" "0 -1"; do
        set -- $d; nx=$((ball[0] + $1)) ny=$((ball[1] + $2))
        if ((nx >= 0 && nx < 9 && ny >= 0 && ny < 9 && board[ny * 9 + nx] == 0)); then
            echo "$nx $ny"; break
        fi
    done))
[[ ${#next[@]} -eq 2 ]] || fail "the moved ball has no free cell beside it"
move "${ball[@]}" "${next[@]}"
second=($(cells))
board=($after_first)
for ((i = 0; i < 81; i++)); do
    ((i == ball[1] * 9 + ball[0] || board[i] == 0)) && continue
    [[ ${second[i]} == "${board[i]}" ]] ||
        fail "cell $((i % 9)),$((i / 9)) lost its ball: the autosaved game was not resumed"
done
quit_through_menu
grep -q "Autosave= 1" "$player/VyxLines.cfg" || fail "the settings were not written at quit"
snapshot "$prefix" | diff -u "$work/prefix.before" - || fail "files under the prefix changed"
[[ -z $(ls -A "$work/started-here") ]] || fail "the game wrote into the folder it was started from"
echo "the installed game seeded $player, kept its settings, cache and autosave there," \
    "resumed the autosaved game, and left the prefix untouched"
