#!/usr/bin/env bash
# Measures the game in a real window under Xvfb beside a bare Qt window of the same size:
# start-up time to the window on screen, CPU use while idle for 10 seconds (and, for the
# game, while a selected ball bounces for 10 seconds), and peak memory.
#
#   bench/window-performance.sh [game folder] [bare window program]
#
# Defaults: build/game (the play build) and build-bench/bench/bench_bare_window (the bench
# build). Run by hand; the figures depend on the machine.
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
game_folder=${1:-$top/build/game}
bare_window=${2:-$top/build-bench/bench/bench_bare_window}
seconds=10
for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "$tool is needed (scripts/setup installs it)"; exit 1; }
done
[[ -x "$game_folder/vyxlines" ]] || { echo "no game in $game_folder: build the play preset"; exit 1; }
[[ -x "$bare_window" ]] || { echo "no $bare_window: build the bench preset"; exit 1; }

work=$(mktemp -d)
pids=()
cleanup() { kill "${pids[@]}" 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do [[ -s "$work/display" ]] && break; sleep 0.1; done
export DISPLAY=:$(head -n 1 "$work/display")

ticks_per_second=$(getconf CLK_TCK)
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
# Percent of one core the process used over the given seconds.
cpu_percent() {
    local before after
    before=$(cpu_ticks "$1")
    sleep "$2"
    after=$(cpu_ticks "$1")
    awk -v t=$((after - before)) -v hz="$ticks_per_second" -v s="$2" \
        'BEGIN { printf "%.2f", 100 * t / hz / s }'
}
peak_memory_mib() { awk '/VmHWM/ { printf "%.1f", $2 / 1024 }' "/proc/$1/status"; }

# Starts a program and answers "pid milliseconds" once its window is on screen.
launch() {
    local title=$1 folder=$2 program=$3 start pid window=""
    start=$(date +%s%N)
    (cd "$folder" && exec "$program") >"$work/output" 2>&1 &
    pid=$!
    pids+=("$pid")
    for _ in $(seq 500); do
        window=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | head -n 1 || true)
        [[ -n "$window" ]] && break
        sleep 0.005
    done
    [[ -n "$window" ]] || { echo "no window for $program:" >&2; cat "$work/output" >&2; exit 1; }
    echo "$pid $(( ($(date +%s%N) - start) / 1000000 )) $window"
}

# The game resumes a board with one ball in the top-left cell.
cp -r "$game_folder" "$work/game"
{
    printf 'VyxLines save. Version 2.0\0\0\0\0\x01\x00\x00\x00'
    head -c $((80 * 4)) /dev/zero
    printf '\x00\x00\x00\x00\x64\x00\x00\x00\x00\x00\x00\x00\x01\x00\x00\x00'
    printf '\x00\x00\x00\x00\x00\x00\x00\x00'
} > "$work/game/Saves/Autosave.lsv"
sed -i 's/Autoload= 0/Autoload= 1/' "$work/game/VyxLines.cfg"

read -r bare_pid bare_start _ < <(launch "Bare window" "$work" "$bare_window")
sleep 1
bare_idle=$(cpu_percent "$bare_pid" "$seconds")
bare_memory=$(peak_memory_mib "$bare_pid")
kill "$bare_pid"

read -r game_pid game_start game_window < <(launch "Vyx Zeziz" "$work/game" ./vyxlines)
sleep 1
game_idle=$(cpu_percent "$game_pid" "$seconds")
words=($(tr -s ' \r\n\t' '\n' < "$work/game/Gfx/Cache/skin.cfg"))
layout() { echo "${words[$((36 + 2 * $1))]}"; }  # layout value n (1-based) is word 37 + 2n
eval "$(xdotool getwindowgeometry --shell "$game_window")"
menu=$((HEIGHT - $(layout 2)))
xdotool mousemove --window "$game_window" $(($(layout 9) + $(layout 7) + $(layout 5) / 2)) \
    $((menu + $(layout 10) + $(layout 6) / 2)) click 1
game_bounce=$(cpu_percent "$game_pid" "$seconds")
game_memory=$(peak_memory_mib "$game_pid")

printf '%-22s %12s %12s\n' "" "game" "bare window"
printf '%-22s %12s %12s\n' "start-up to window, ms" "$game_start" "$bare_start"
printf '%-22s %12s %12s\n' "idle CPU, % of a core" "$game_idle" "$bare_idle"
printf '%-22s %12s %12s\n' "bounce CPU, % of core" "$game_bounce" "-"
printf '%-22s %12s %12s\n' "peak memory, MiB" "$game_memory" "$bare_memory"
