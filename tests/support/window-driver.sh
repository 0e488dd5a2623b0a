# Plays the built game in a real X window, as a player does, for the scripts that test it
# there: an X server of their own, the game's windows found as they show, keys typed to the
# window that has the keyboard, the mouse on the board's cells. Every step waits for what it
# must see (a window shown and focused, a menu open or closed, a file written, the game
# gone) for up to $patience seconds, so a slow or busy machine makes a test slower, never
# failed. Sourced after tests/install/common.sh, whose fail() and on_exit it uses.

patience=${VYX_WINDOW_PATIENCE:-120}

eventually() {  # command...: tries it until it succeeds; fails after $patience seconds
    local deadline=$((SECONDS + patience))
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.05
    done
}

# The processes the script started, ended when it ends unless they already have. Only those
# still its own children: the number of one that ended long ago may belong to another
# program by then.
started=()
stop_started() {
    local i stat parent
    for ((i = ${#started[@]} - 1; i >= 0; i--)); do  # the X server last
        stat=$(cat "/proc/${started[i]}/stat" 2>/dev/null) || continue
        read -r _ parent _ <<<"${stat##*) }"
        ((parent == $$)) && kill -KILL "${started[i]}"
    done
    return 0
}
on_exit+=(stop_started)

# Xvfb on a display nobody uses, for this script's programs alone: other scripts on the
# machine may still look for a server of theirs at the number this one takes, and a client
# of theirs must neither reach the game nor, leaving, reset the server under it. Exports
# DISPLAY and XAUTHORITY once the server is ready.
start_x_server() {
    export XAUTHORITY=$work/Xauthority
    # A cookie for any display of this machine: the server picks its number itself.
    { printf '\xff\xff\0\0\0\0\0\x12MIT-MAGIC-COOKIE-1\0\x10' && head -c 16 /dev/urandom; } \
        >"$XAUTHORITY"
    Xvfb -displayfd 3 -auth "$XAUTHORITY" -noreset -screen 0 1024x768x24 -nolisten tcp \
        3>"$work/display" >/dev/null 2>&1 &
    started+=($!)
    eventually test -s "$work/display" || fail "Xvfb did not start"
    export DISPLAY=:$(head -n 1 "$work/display")
}

start_game() {  # program, folder to start it in: the game's process in $game_pid
    (cd "$2" && exec "$1") &
    game_pid=$!
    started+=("$game_pid")
}

running() {  # fails the test at once when $game_pid has ended
    kill -0 "$game_pid" 2>/dev/null && return
    local status=0
    wait "$game_pid" || status=$?
    fail "the game ended with status $status"
}

shown_windows() {  # process: its windows on screen (main window, menus, dialogs), bottom first
    xdotool search --onlyvisible --pid "$1" 2>/dev/null || true
}

wait_for_window() {  # waits for the main window of $game_pid and gives it the keyboard: $window
    window=""
    found() {
        running
        window=$(xdotool search --all --onlyvisible --pid "$game_pid" --name "^Vyx Zeziz - " \
            2>/dev/null | head -n 1)
        [[ -n $window ]]
    }
    eventually found || fail "no game window appeared"
    give_keyboard "$window"
}

give_keyboard() {  # window: focuses it and waits until it has the keyboard
    has_keyboard() {
        xdotool windowfocus "$1" 2>/dev/null
        [[ $(xdotool getwindowfocus 2>/dev/null) == "$1" ]]
    }
    eventually has_keyboard "$1" || fail "window $1 did not take the keyboard"
}

# Types a key (pressed and released, as a player types it) to the window that has the
# keyboard, then waits until $game_pid shows that many windows: a menu or a dialog opened,
# or all of them closed again. Keys typed faster than the toolkit opens and closes its menus
# are lost in any Qt window, so each waits for what the one before it did.
press() {  # key, windows
    xdotool key "$1"
    shows() {
        running
        (($(shown_windows "$game_pid" | wc -l) == $1))
    }
    eventually shows "$2" || fail "after $1 the game did not show $2 windows"
}

wait_for_exit() {  # process: waits for it to end, and for its status to be 0
    gone() { ! kill -0 "$1" 2>/dev/null; }
    eventually gone "$1" || fail "the game did not quit"
    wait "$1" || fail "the game exited with status $?"
}

quit_through_menu() {  # Game > Quit in $game_pid, with the keyboard
    press alt+g 2
    xdotool key q
    wait_for_exit "$game_pid"
}

# Where the cells are, from the skin's layout in a skin.cfg and the main window's height.
read_board_layout() {  # skin.cfg
    local words=($(tr -s ' \r\n\t' '\n' <"$1"))
    layout() { echo "${words[$((36 + 2 * $1))]}"; }  # layout value n (1-based) is word 37 + 2n
    local window_height=$(layout 2)
    cell_width=$(layout 5) cell_height=$(layout 6) gap_x=$(layout 7) gap_y=$(layout 8)
    draw_left=$(layout 9) draw_top=$(layout 10)
    eval "$(xdotool getwindowgeometry --shell "$window")"
    menu_height=$((HEIGHT - window_height))
}

click_cell() {  # column, row, mouse button (1 when left out), in $window
    xdotool mousemove --window "$window" \
        $((draw_left + $1 * cell_width + ($1 + 1) * gap_x + cell_width / 2)) \
        $((menu_height + draw_top + $2 * (cell_height + gap_y) + cell_height / 2)) click "${3:-1}"
}

saved_cell() {  # saved game, column, row: the ball there (0 for none)
    od -An -td2 -j $((30 + ($3 * 9 + $2) * 4)) -N2 "$1" | tr -d ' '
}

# A saved game with one ball of colour 1 in the top-left cell and nothing else, as the
# game's autosave: with the shipped settings the game resumes it at start.
write_one_ball_game() {  # game folder
    {
        printf 'VyxLines save. Version 2.0\0\0\0\0'
        printf '\x01\x00\x00\x00'
        head -c $((80 * 4)) /dev/zero
        printf '\x00\x00\x00\x00\x64\x00\x00\x00\x00\x00\x00\x00\x01\x00\x00\x00'
        printf '\x00\x00\x00\x00\x00\x00\x00\x00'
    } >"$1/Saves/Autosave.lsv"
    [[ $(stat -c %s "$1/Saves/Autosave.lsv") -eq 378 ]] || fail "the prepared save is not 378 bytes"
    grep -q "Autoload= 1" "$1/VyxLines.cfg" || fail "the shipped settings do not autoload"
}

sound_played() {  # file SDL's disk driver writes: true once it holds more than silence
    [[ -s $1 ]] && (($(tr -d '\0' <"$1" | head -c 1 | wc -c) > 0))
}
