#!/usr/bin/env bash
# Installs the build into a temporary prefix and plays the installed game as a player does,
# under Xvfb with a home of its own: the first start fills the player's folder, a move
# lands in its autosave, the settings are written there at quit, and a second start goes on
# with the autosaved game. Nothing under the prefix changes, and nothing appears in the
# folder the game was started from.
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

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
on_exit+=('kill $xvfb_pid')
for _ in $(seq 100); do [[ -s "$work/display" ]] && break; sleep 0.1; done
[[ -s "$work/display" ]] || fail "Xvfb did not start"
export DISPLAY=:$(head -n 1 "$work/display")

wait_for() {  # tries a command for ten seconds
    for _ in $(seq 100); do "$@" && return 0; sleep 0.1; done
    return 1
}

cells() {  # the 81 cells of the autosave, row by row
    od -An -v -td2 -j 30 -N 324 -w4 "$autosave" | awk '{print $1}' | tr '\n' ' '
}
cell() {  # saved cells, column, row
    local board=($1)
    echo "${board[$(($3 * 9 + $2))]}"
}

start_game() {
    (cd "$work/started-here" && exec "$prefix/bin/vyxlines") &
    game_pid=$!
    on_exit+=('kill $game_pid 2>/dev/null')
    window=""
    find_window() {
        window=$(xdotool search --onlyvisible --name "Vyx Zeziz - Classic" 2>/dev/null | head -n 1)
    }
    wait_for find_window || fail "no game window appeared"
    xdotool windowfocus --sync "$window" || true
    [[ -f $player/Gfx/Cache/skin.cfg ]] || fail "the skin was not unpacked into $player/Gfx/Cache"
    # Where the cells are: the skin's layout, below the menu bar.
    local words=($(tr -s ' \r\n\t' '\n' <"$player/Gfx/Cache/skin.cfg"))
    layout() { echo "${words[$((36 + 2 * $1))]}"; }  # layout value n (1-based) is word 37 + 2n
    window_height=$(layout 2)
    cell_width=$(layout 5) cell_height=$(layout 6) gap_x=$(layout 7) gap_y=$(layout 8)
    draw_left=$(layout 9) draw_top=$(layout 10)
    eval "$(xdotool getwindowgeometry --shell "$window")"
    menu_height=$((HEIGHT - window_height))
}

click_cell() {  # column row
    xdotool mousemove --window "$window" \
        $((draw_left + $1 * cell_width + ($1 + 1) * gap_x + cell_width / 2)) \
        $((menu_height + draw_top + $2 * (cell_height + gap_y) + cell_height / 2)) click 1
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
    sleep 0.3
    click_cell "$4" "$5"
    arrived() { [[ $(cell "$(cells)" "$4" "$5") == "$3" ]]; }
    wait_for arrived "$@" || fail "the ball at $1,$2 did not reach $4,$5"
}

quit_game() {
    xdotool windowfocus --sync "$window" || true
    # The window may be gone before the last key is released; the exit below is the check.
    xdotool key --window "$window" alt+g q 2>/dev/null || true
    exited() { ! kill -0 "$game_pid" 2>/dev/null; }
    wait_for exited || fail "the game did not quit"
    wait "$game_pid" || fail "the game exited with code $?"
}

# First start: the player's folder is made and seeded, and the new game's first balls
# are autosaved once they have appeared.
start_game
wait_for test -f "$autosave" || fail "no autosave appeared in $player/Saves"
for file in VyxLines.cfg leaders.dat Def/leaders.dat; do
    cmp -s "$prefix/share/vyx-zeziz/$file" "$player/$file" || fail "$file was not seeded"
done
first=$(cells)
step=($(a_step "$first"))
[[ ${#step[@]} -eq 5 ]] || fail "no ball to move in: $first"
move "${step[@]}"
after_first=$(cells)
heard() { [[ -s $work/sound.raw ]] && (( $(tr -d '\0' <"$work/sound.raw" | head -c 1 | wc -c) > 0 )); }
wait_for heard || fail "the move made no sound: the shipped sounds were not found"
# Autosave off, so the settings at quit differ from the seeded ones.
xdotool key --window "$window" alt+o s u
sleep 0.3
quit_game

grep -q "Autosave= 0" "$player/VyxLines.cfg" || fail "the settings were not written at quit"
ls "$player"/Gfx/Cache/*.bmp >/dev/null 2>&1 && [[ -f $player/Gfx/Cache/skin.cfg ]] ||
    fail "the skin was not unpacked into $player/Gfx/Cache"
[[ -z $(ls -A "$work/started-here") ]] || fail "the game wrote into the folder it was started from"
snapshot "$prefix" | diff -u "$work/prefix.before" - || fail "files under the prefix changed"

# Second start: the autosaved game goes on. Autosave on again, one more move: the new
# autosave still holds every ball of the first run where it stood.
start_game
xdotool key --window "$window" alt+o s u
sleep 0.3
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
quit_game
grep -q "Autosave= 1" "$player/VyxLines.cfg" || fail "the settings were not written at quit"
snapshot "$prefix" | diff -u "$work/prefix.before" - || fail "files under the prefix changed"
[[ -z $(ls -A "$work/started-here") ]] || fail "the game wrote into the folder it was started from"
echo "the installed game seeded $player, kept its settings, cache and autosave there," \
    "resumed the autosaved game, and left the prefix untouched"
