#!/usr/bin/env bash
# Starts a copy of the game folder in a real X window, moves a ball with the mouse, checks
# that the game saw the move, switches autoload off through the menu, quits through the
# menu and checks that the settings file was written.
set -euo pipefail

game_folder=$1
for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed: skipped"; exit 77; }
done

work=$(mktemp -d)
cleanup() {
    kill "${game_pid:-}" "${xvfb_pid:-}" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAILED: $*"; exit 1; }

cp -r "$game_folder" "$work/game"
game=$work/game

# A saved board with one ball of colour 1 in the top-left cell; the installed settings
# resume it at start.
board_record() {  # value of the cell at (column, row) in the autosave
    od -An -td2 -j $((30 + ($2 * 9 + $1) * 4)) -N2 "$game/Saves/Autosave.lsv" | tr -d ' '
}
{
    printf 'VyxLines save. Version 2.0\0\0\0\0'
    printf '\x01\x00\x00\x00'
    head -c $((80 * 4)) /dev/zero
    printf '\x00\x00\x00\x00\x64\x00\x00\x00\x00\x00\x00\x00\x01\x00\x00\x00'
    printf '\x00\x00\x00\x00\x00\x00\x00\x00'
} > "$game/Saves/Autosave.lsv"
[[ $(stat -c %s "$game/Saves/Autosave.lsv") -eq 378 ]] || fail "the prepared save is not 378 bytes"
grep -q "Autoload= 1" "$game/VyxLines.cfg" || fail "the installed settings do not autoload"

# Xvfb picks a free display number and tells it once it is ready.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [[ -s "$work/display" ]] && break; sleep 0.1; done
[[ -s "$work/display" ]] || fail "Xvfb did not start"
export DISPLAY=:$(head -n 1 "$work/display")

(cd "$game" && exec ./vyxlines) &
game_pid=$!

window=""
for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name "Vyx Zeziz - Classic" 2>/dev/null | head -n 1 || true)
    [[ -n "$window" ]] && break
    sleep 0.1
done
[[ -n "$window" ]] || fail "no game window appeared"

# Where the cells are: the skin's layout, below the menu bar.
words=($(tr -s ' \r\n\t' '\n' < "$game/Gfx/Cache/skin.cfg"))
layout() { echo "${words[$((36 + 2 * $1))]}"; }  # layout value n (1-based) is word 37 + 2n
window_height=$(layout 2)
cell_width=$(layout 5); cell_height=$(layout 6); gap_x=$(layout 7); gap_y=$(layout 8)
draw_left=$(layout 9); draw_top=$(layout 10)
eval "$(xdotool getwindowgeometry --shell "$window")"
menu_height=$((HEIGHT - window_height))
cell_centre() {  # column row -> x y inside the window
    echo $((draw_left + $1 * cell_width + ($1 + 1) * gap_x + cell_width / 2)) \
         $((menu_height + draw_top + $2 * (cell_height + gap_y) + cell_height / 2))
}

xdotool mousemove --window "$window" $(cell_centre 0 0) click 1
sleep 0.3
xdotool mousemove --window "$window" $(cell_centre 0 4) click 3

# The turn ends with an autosave holding the ball on its new cell.
for _ in $(seq 100); do
    [[ $(board_record 0 4) == 1 ]] && break
    sleep 0.1
done
[[ $(board_record 0 4) == 1 && $(board_record 0 0) == 0 ]] || fail "the ball did not move"

xdotool windowfocus --sync "$window" || true
xdotool key --window "$window" alt+o s o
sleep 0.3
# The game may be gone before the last key is released; its exit below is the check.
xdotool key --window "$window" alt+g q 2>/dev/null || true
for _ in $(seq 100); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game_pid" 2>/dev/null && fail "the game did not quit"
wait "$game_pid" || fail "the game exited with code $?"
grep -q "Autoload= 0" "$game/VyxLines.cfg" || fail "the settings file was not written at exit"
echo "the game moved a ball, wrote its autosave and its settings, and quit"
