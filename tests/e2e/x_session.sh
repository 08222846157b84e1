# Shared by the end-to-end sessions and bench/startup.sh (sourced, not run):
# a private Xvfb display, the built program on it, and keyboard helpers that
# find windows by their titles. The caller sets `wait_seconds` first, then
# calls start_session, or sets `work` (a scratch folder) itself and calls
# stop_x_session from its exit trap.

readonly front_title='^Crank Angle/Piston Displacement Utility$'
readonly entry_title='^Crank Angle/Piston Displacement Utility - Data Entry$'
readonly tables_title='^Crank Angles/Piston Displacement Utility - Tables Screen$'
readonly save_title='^Save the Page as PDF$'

xvfb_pid=""
program_pid=""

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

stop_x_session() {
    [[ -n "$program_pid" ]] && kill "$program_pid" 2>/dev/null || true
    [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null || true
}

# Xvfb picks a free display number itself and writes it once it accepts
# connections. It never resets: by default a server starts afresh whenever
# its last client leaves (an xdotool call, the program at its exit), and a
# program that connected in that moment was refused and aborted.
start_xvfb() {
    exec 3>"$work/display"
    timeout "${1:-300}" Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
        >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    exec 3>&-
    for _ in $(seq 200); do
        [[ -s "$work/display" ]] && break
        sleep 0.05
    done
    [[ -s "$work/display" ]] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
    export DISPLAY=":$(head -n1 "$work/display")"
}

# A scratch folder ($work) and the private display, both gone with the
# program when the session's script ends (end_session, the exit trap).
end_session() {
    stop_x_session
    rm -rf "$work"
}
start_session() {
    work=$(mktemp -d)
    trap end_session EXIT
    start_xvfb "${1:-300}"
}

# Starts PROGRAM with a home and runtime folder of its own under $work; any
# further VAR=value arguments go into its environment, and those after "--"
# are the program's own.
start_program() {
    local program=$1
    shift
    local environment=()
    while [[ $# -gt 0 && "$1" != "--" ]]; do
        environment+=("$1")
        shift
    done
    [[ "${1:-}" == "--" ]] && shift
    mkdir -p "$work/home" "$work/runtime"
    chmod 700 "$work/runtime"
    env HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb "${environment[@]}" \
        timeout 240 "$program" "$@" >"$work/program.log" 2>&1 &
    program_pid=$!
}

# Waits until a window with the title is shown and gives it the keyboard
# (there is no window manager to do it). A window found while it is still
# being mapped or torn down may refuse the focus, so it is looked up again.
focus_window() {
    local title=$1 window
    for _ in $(seq $((wait_seconds * 10))); do
        window=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | head -n1) || true
        if [[ -n "$window" ]] && timeout 5 xdotool windowfocus --sync "$window" 2>/dev/null; then
            return 0
        fi
        sleep 0.1
    done
    fail "no window \"$title\" appeared"
}

# Waits until no window with the title is shown.
await_gone() {
    local title=$1
    for _ in $(seq $((wait_seconds * 10))); do
        xdotool search --onlyvisible --name "$title" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    fail "window \"$title\" did not close"
}

key() { xdotool key --clearmodifiers "$@"; }
type_text() { xdotool type --delay 15 -- "$1"; }
# Moves on with Tab, then types into the box that has the focus; a box
# selects its whole text when it receives the focus.
tab_type() {
    key Tab
    type_text "$1"
}

# Ends the program through "E&xit the Program" and checks its status 0.
exit_program() {
    focus_window "$front_title"
    key alt+x
    local status=0
    wait "$program_pid" || status=$?
    program_pid=""
    [[ $status -eq 0 ]] || fail "the program ended with status $status: $(cat "$work/program.log")"
}

# Answers the save dialog titled TITLE (a pattern) with a path.
save_as() {
    focus_window "$1"
    key ctrl+a
    type_text "$2"
    key Return
    await_gone "$1"
}

# Waits for a readable PDF at path.
await_pdf() {
    for _ in $(seq $((wait_seconds * 10))); do
        pdftotext "$1" /dev/null 2>/dev/null && return 0
        sleep 0.1
    done
    fail "no readable PDF at $1"
}
