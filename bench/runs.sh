# Shared by the measuring scripts (sourced, not run): one timed run of a
# program on the private display, and the median of a column of numbers. The
# caller sets `work`, `watch` (map_watch) and the display first.

# One run with a fresh HOME: prints "<microseconds to mapped> <peak RSS in KiB>
# <CPU microseconds>".
#   run_once TITLE DRIVER PROGRAM [ARGS...]     (DRIVER empty: end at the map)
run_once() {
    local title=$1 driver=$2
    shift 2
    local home
    home=$(mktemp -d "$work/home.XXXXXX")
    mkdir -p "$home/Documents" "$home/runtime"
    chmod 700 "$home/runtime"
    HOME=$home XDG_RUNTIME_DIR=$home/runtime timeout 120 \
        "$watch" "$title" ${driver:+--driver "$driver"} -- "$@" 2>"$work/stderr" ||
        { echo "run failed: $* $(cat "$work/stderr")" >&2; exit 1; }
    rm -rf "$home"
}

median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : int((v[NR / 2] + v[NR / 2 + 1]) / 2)}'; }

