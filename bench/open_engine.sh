#!/usr/bin/env bash
# How long opening an engine file takes, against starting the program, on a
# private Xvfb display, timed as a user sees it:
#
#   bench/open_engine.sh [build-dir]          (default: build)
#
# Start-up: from the exec to the map of the front screen. Opening: from the
# exec with bench/bench.crank on the command line (an offset engine, three
# tables, eight shaped ports: as a file manager's double-click starts it) to
# the map of its filled port sheet, the tables displayed behind it. Both seen
# by map_watch, alternating, RUNS runs each (default 15) after a warm-up run
# of each, every run with a fresh HOME; medians and their ratio. Goal: within
# 1.5x.
set -euo pipefail

here=$(dirname "$(realpath "$0")")
build=${1:-build}
runs=${RUNS:-15}
program="$build/bin/crank-angle-utility"
watch="$build/bin/map_watch"
for exe in "$program" "$watch"; do
    [[ -x "$exe" ]] || { echo "missing $exe (build with the dev preset first)" >&2; exit 1; }
done
file="$here/bench.crank"

# The private display of the end-to-end sessions, kept for the whole run.
source "$here/../tests/e2e/x_session.sh"
start_session 3600
export QT_QPA_PLATFORM=xcb CUPS_SERVER=/nonexistent
unset XDG_CONFIG_HOME XDG_CACHE_HOME XDG_DATA_HOME

source "$here/runs.sh"

readonly start_title='Crank Angle/Piston Displacement Utility'
readonly open_title=${OPEN_TITLE:-'Port Timing - bench.crank'}
run_once "$start_title" "" "$program" >/dev/null
run_once "$open_title" "" "$program" "$file" >/dev/null
: >"$work/start"
: >"$work/open"
for _ in $(seq "$runs"); do
    run_once "$start_title" "" "$program" >>"$work/start"
    run_once "$open_title" "" "$program" "$file" >>"$work/open"
done
report() {
    local what=$1 column=$2 start open
    start=$(cut -d' ' -f"$column" "$work/start" | median)
    open=$(cut -d' ' -f"$column" "$work/open" | median)
    printf '%-44s %10.1f %10.1f %6.2fx\n' "$what" "$(bc -l <<<"$start/1000")" \
        "$(bc -l <<<"$open/1000")" "$(bc -l <<<"$open/$start")"
}
printf '%-44s %10s %10s %7s\n' "" "start" "open" "ratio"
report "exec to mapped (ms; goal: ratio <= 1.5)" 1
report "CPU time to mapped (ms)" 3
