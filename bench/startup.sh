#!/usr/bin/env bash
# Start-up time and peak memory of the program against a bare Qt 6 window, on
# a private Xvfb display, timed as a user sees it.
#
#   bench/startup.sh [build-dir]          (default: build)
#
# Start-up: from the exec to the MapNotify of the front screen, seen by a
# separate X client (map_watch). The bare window and the program alternate,
# RUNS runs each (default 15) after a warm-up run of each, every run with a
# fresh HOME; medians and their ratio. Goal: within 1.3x.
#
# Beside the wall time, the CPU time of the same runs and, where valgrind is
# installed, the instructions to the map (callgrind), which a busy machine
# does not disturb.
#
# Memory: peak resident set, MEMORY_RUNS alternating runs each (default 5, 0
# skips them). The program displays three offset tables and prints them
# (bench/display_and_print.sh); the fair floor is the bare window that also
# asks the print system for a printer, opens the same save dialog and writes a
# one-page PDF (bare_print). With no print system reachable, both print to a
# PDF. Goal: within 1.3x.
set -euo pipefail

here=$(dirname "$(realpath "$0")")
build=${1:-build}
runs=${RUNS:-15}
memory_runs=${MEMORY_RUNS:-5}
program="$build/bin/crank-angle-utility"
bare="$build/bin/bare_window"
bare_print="$build/bin/bare_print"
watch="$build/bin/map_watch"
for exe in "$program" "$bare" "$bare_print" "$watch"; do
    [[ -x "$exe" ]] || { echo "missing $exe (build with the dev preset first)" >&2; exit 1; }
done
readonly program_title='Crank Angle/Piston Displacement Utility'
readonly bare_title='bare'

# The private display of the end-to-end sessions, kept for the whole run.
source "$here/../tests/e2e/x_session.sh"
start_session 3600
export QT_QPA_PLATFORM=xcb CUPS_SERVER=/nonexistent
unset XDG_CONFIG_HOME XDG_CACHE_HOME XDG_DATA_HOME

source "$here/runs.sh"

# Alternating runs: the bare window, then the program, COUNT times each, after
# one warm-up run of each. Leaves the runs' lines in $work/bare and
# $work/program.
alternate() {
    local count=$1 bare=$2 bare_driver=$3 program_driver=$4
    run_once "$bare_title" "$bare_driver" "$bare" >/dev/null
    run_once "$program_title" "$program_driver" "$program" >/dev/null
    : >"$work/bare"
    : >"$work/program"
    for _ in $(seq "$count"); do
        run_once "$bare_title" "$bare_driver" "$bare" >>"$work/bare"
        run_once "$program_title" "$program_driver" "$program" >>"$work/program"
    done
}

# One line of the table: the medians of COLUMN, scaled by DIVISOR, their ratio
# and NOTE.
report() {
    local what=$1 column=$2 divisor=$3 note=$4 bare_median program_median
    bare_median=$(cut -d' ' -f"$column" "$work/bare" | median)
    program_median=$(cut -d' ' -f"$column" "$work/program" | median)
    printf '%-40s %10.1f %10.1f %6.2fx  %s\n' "$what" \
        "$(bc -l <<<"$bare_median/$divisor")" "$(bc -l <<<"$program_median/$divisor")" \
        "$(bc -l <<<"$program_median/$bare_median")" "$note"
}

alternate "$runs" "$bare" "" ""
printf '%-40s %10s %10s %7s\n' "" "bare" "program" "ratio"
report "start-up, exec to mapped (ms)" 1 1000 "(goal <= 1.3, $runs runs each)"
report "CPU time to mapped (ms)" 3 1000 "(the same runs)"

# Instructions to the map, counted by callgrind: the same on a busy machine as
# on an idle one, so they decide whether a change helped. One run each.
instructions() {
    local out="$work/callgrind.out"
    run_once "$1" "" valgrind --tool=callgrind --callgrind-out-file="$out" "$2" >/dev/null
    awk '/^summary:/ {print $2}' "$out"
    rm -f "$out"
}
if command -v valgrind >/dev/null; then
    instructions "$bare_title" "$bare" >"$work/bare"
    instructions "$program_title" "$program" >"$work/program"
    report "instructions to mapped (millions)" 1 1000000 "(callgrind, 1 run each)"
fi

if ((memory_runs > 0)); then
    alternate "$memory_runs" "$bare_print" "$here/save_pdf.sh" "$here/display_and_print.sh"
    report "peak RSS after display and print (MiB)" 2 1024 "(goal <= 1.3, $memory_runs runs each)"
fi
