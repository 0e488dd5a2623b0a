#!/usr/bin/env bash
# Measures the game in a real window under Xvfb beside a bare Qt window of the same size,
# under a window manager when openbox is installed:
# - the time from the program's start to its first frame on screen ("painted": a pixel of
#   that frame is on the screen);
# - the CPU the program and the X server use while nothing moves (before any selection, and
#   after a selection has ended with a move), and while a selected ball bounces;
# - the peak memory;
# - the bounce's and the walk's milliseconds per frame at speeds 0 and 9.
# Every figure is taken ROUNDS times (5 unless set), game and bare window in turn, and shown
# as min, median and max, with the ratio of the medians to the bare window's.
#
#   bench/window-performance.sh [game folder] [bench folder]
#
# Defaults: build/game (the play build) and build-bench/bench (the bench build). Run by
# hand; the figures depend on the machine and on what else runs on it.
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
game_folder=${1:-$top/build/game}
bench=${2:-$top/build-bench/bench}
rounds=${ROUNDS:-5}
seconds=${MEASURE_SECONDS:-10}
for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "$tool is needed (scripts/setup installs it)"; exit 1; }
done
[[ -x "$game_folder/vyxlines" ]] || { echo "no game in $game_folder: build the play preset"; exit 1; }
# The programs run from other folders: the two folders are named from the root.
game_folder=$(cd "$game_folder" && pwd)
bench=$(cd "$bench" && pwd)
for program in bench_bare_window bench_first_paint bench_cadence; do
    [[ -x "$bench/$program" ]] || { echo "no $bench/$program: build the bench preset"; exit 1; }
done

work=$(mktemp -d)
pids=()
cleanup() { kill "${pids[@]}" 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT

# A black root window, so that nothing on the screen looks like a program's first frame.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -br 3>"$work/display" >/dev/null 2>&1 &
xserver=$!
pids+=("$xserver")
for _ in $(seq 100); do [[ -s "$work/display" ]] && break; sleep 0.1; done
export DISPLAY=:$(head -n 1 "$work/display")
window_manager=none
if command -v openbox >/dev/null; then
    openbox --sm-disable >/dev/null 2>&1 &
    pids+=($!)
    window_manager=openbox
    sleep 1
fi

# CPU time of every thread of a process, in nanoseconds.
cpu_nanoseconds() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ n += $1 } END { print n + 0 }'; }
# Percent of one core that the program and the X server used over the next seconds: "game x".
cpu_percent() {
    local program_before x_before program_after x_after
    program_before=$(cpu_nanoseconds "$1")
    x_before=$(cpu_nanoseconds "$xserver")
    sleep "$seconds"
    program_after=$(cpu_nanoseconds "$1")
    x_after=$(cpu_nanoseconds "$xserver")
    awk -v p=$((program_after - program_before)) -v x=$((x_after - x_before)) -v s="$seconds" \
        'BEGIN { printf "%.3f %.3f\n", p / s / 1e7, x / s / 1e7 }'
}
peak_memory_mib() { awk '/VmHWM/ { printf "%.1f", $2 / 1024 }' "/proc/$1/status"; }

# The pixel watched for the first frame: the middle of the screen, where both windows show
# their client area.
watch_x=512
watch_y=384

# The game resumes a board with one ball in the top-left cell.
cp -r "$game_folder" "$work/game"
sed -i 's/Autoload= 0/Autoload= 1/' "$work/game/VyxLines.cfg"
prepare_autosave() {
    {
        printf 'VyxLines save. Version 2.0\0\0\0\0\x01\x00\x00\x00'
        head -c $((80 * 4)) /dev/zero
        printf '\x00\x00\x00\x00\x64\x00\x00\x00\x00\x00\x00\x00\x01\x00\x00\x00'
        printf '\x00\x00\x00\x00\x00\x00\x00\x00'
    } > "$work/game/Saves/Autosave.lsv"
}

# Starts a program in a folder and answers "pid milliseconds" once its first frame shows.
launch() {
    local folder=$1 colour=$2 program=$3 answer
    answer=$(cd "$folder" && "$bench/bench_first_paint" time $watch_x $watch_y "$colour" "$program")
    pids+=("${answer%% *}")
    echo "$answer"
}
# The colour a program shows at the watched pixel once it has started.
settled_colour() {
    local folder=$1 program=$2 pid
    (cd "$folder" && exec "$program") >/dev/null 2>&1 &
    pid=$!
    sleep 3
    "$bench/bench_first_paint" pixel $watch_x $watch_y
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}
stop() { kill "$1"; while kill -0 "$1" 2>/dev/null; do sleep 0.05; done; }

prepare_autosave
# The first start also unpacks the skin into the cache, as the player's first start does.
game_colour=$(settled_colour "$work/game" ./vyxlines)
bare_colour=$(settled_colour "$work" "$bench/bench_bare_window")

words=($(tr -s ' \r\n\t' '\n' < "$work/game/Gfx/Cache/skin.cfg"))
layout() { echo "${words[$((36 + 2 * $1))]}"; }  # layout value n (1-based) is word 37 + 2n
click_cell() {  # window column row
    local menu
    eval "$(xdotool getwindowgeometry --shell "$1")"
    menu=$((HEIGHT - $(layout 2)))
    xdotool mousemove --window "$1" \
        $(($(layout 9) + $2 * $(layout 5) + ($2 + 1) * $(layout 7) + $(layout 5) / 2)) \
        $((menu + $(layout 10) + $3 * ($(layout 6) + $(layout 8)) + $(layout 6) / 2)) click 1
}

declare -A figures
note() { figures[$1]+="$2 "; }

for round in $(seq "$rounds"); do
    prepare_autosave
    read -r game_pid game_painted < <(launch "$work/game" "$game_colour" ./vyxlines)
    note game_painted "$game_painted"
    window=$(xdotool search --sync --onlyvisible --pid "$game_pid" --name "Vyx Zeziz" | head -n 1)
    xdotool windowactivate "$window" 2>/dev/null || true
    sleep 1
    read -r game x < <(cpu_percent "$game_pid")
    note game_idle "$game"; note game_idle_x "$x"
    click_cell "$window" 0 0
    sleep 0.5
    read -r game x < <(cpu_percent "$game_pid")
    note game_bounce "$game"; note game_bounce_x "$x"
    # The ball walks four cells down; new balls appear; then nothing moves.
    click_cell "$window" 0 4
    sleep 3
    read -r game x < <(cpu_percent "$game_pid")
    note game_after "$game"; note game_after_x "$x"
    note game_memory "$(peak_memory_mib "$game_pid")"
    stop "$game_pid"

    read -r bare_pid bare_painted < <(launch "$work" "$bare_colour" "$bench/bench_bare_window")
    note bare_painted "$bare_painted"
    sleep 1
    read -r bare x < <(cpu_percent "$bare_pid")
    note bare_idle "$bare"; note bare_idle_x "$x"
    note bare_memory "$(peak_memory_mib "$bare_pid")"
    stop "$bare_pid"
done

for speed in 0 9; do
    for kind in bounce walk; do
        for round in $(seq "$rounds"); do
            note "cadence_${kind}_$speed" "$("$bench/bench_cadence" "$kind" "$speed")"
        done
    done
done

# "min median max" of the numbers given.
spread() {
    printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 }
        END { m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
              printf "%s %s %s", v[1], m, v[NR] }'
}
row() {  # title, game figure, bare window figure (or -)
    local game bare ratio="-"
    read -r -a game <<< "$(spread ${figures[$2]})"
    if [[ $3 == - ]]; then
        bare=(- - -)
    else
        read -r -a bare <<< "$(spread ${figures[$3]})"
        ratio=$(awk -v g="${game[1]}" -v b="${bare[1]}" 'BEGIN { print (b > 0 ? sprintf("%.2f", g / b) : "-") }')
    fi
    printf '%-36s %8s %8s %8s   %8s %8s %8s   %6s\n' "$1" "${game[@]}" "${bare[@]}" "$ratio"
}

echo "$rounds rounds, $seconds s a CPU figure, window manager: $window_manager, load average $(cut -d ' ' -f 1-3 /proc/loadavg)"
printf '%-36s %8s %8s %8s   %8s %8s %8s   %6s\n' "" "game min" "median" "max" "bare min" "median" "max" "ratio"
row "exec to first painted frame, ms" game_painted bare_painted
row "CPU, nothing selected, % of a core" game_idle bare_idle
row "  X server meanwhile" game_idle_x bare_idle_x
row "CPU, a ball bouncing" game_bounce bare_idle
row "  X server meanwhile" game_bounce_x bare_idle_x
row "CPU, after a selection ended" game_after bare_idle
row "  X server meanwhile" game_after_x bare_idle_x
row "peak memory, MiB" game_memory bare_memory
echo
printf '%-36s %8s %8s %8s\n' "milliseconds a frame" "min" "median" "max"
for speed in 0 9; do
    for kind in bounce walk; do
        printf '%-36s %8s %8s %8s\n' "$kind, speed $speed" $(spread ${figures[cadence_${kind}_$speed]})
    done
done
