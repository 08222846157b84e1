#!/usr/bin/env bash
# Start-up time and peak memory of the program against a bare Qt 6 window, on
# a private Xvfb display.
#
#   bench/startup.sh [build-dir]          (default: build)
#
# Start-up: from exec to the first expose of the window (the probe build of the
# program reports it), median of RUNS runs (default 10); goal within 1.3x the
# bare window. Memory: the high-water mark of the resident set (/usr/bin/time),
# median of the same runs; goal within 1.5x.
#
# CRANK_BENCH_DRIVER: a command run once the front screen is mapped, with
# DISPLAY set and the program still running (CRANK_BENCH_STAY=1); it takes the
# program through more steps (say, a display and a print) and must end it.
# The peak memory then covers those steps; take the start-up figure from a
# run without a driver, whose polling competes for the CPU. The smallest driver just exits:
#   CRANK_BENCH_DRIVER='xdotool search --onlyvisible --name "^Crank Angle/Piston
#   Displacement Utility$" windowfocus --sync; xdotool key alt+x' bench/startup.sh
set -euo pipefail

build=${1:-build}
runs=${RUNS:-10}
program="$build/bin/crank-startup-probe"
bare="$build/bin/bare_window"
for exe in "$program" "$bare"; do
    [[ -x "$exe" ]] || { echo "missing $exe (build with the dev preset first)" >&2; exit 1; }
done

work=$(mktemp -d)
display=""
for n in $(seq 71 99); do
    if [[ ! -e /tmp/.X11-unix/X$n && ! -e /tmp/.X$n-lock ]]; then display=":$n"; break; fi
done
[[ -n "$display" ]] || { echo "no free display number" >&2; exit 1; }
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do
    DISPLAY=$display xdpyinfo >/dev/null 2>&1 && break
    sleep 0.05
done
export DISPLAY=$display QT_QPA_PLATFORM=xcb

# One run: prints "<microseconds to mapped> <peak RSS in KiB>".
run_once() {
    local exe=$1 driver=${2:-}
    local out="$work/out" mem="$work/mem"
    : >"$out"
    local start
    start=$(date +%s%N)
    if [[ -n "$driver" ]]; then
        CRANK_BENCH_STAY=1 /usr/bin/time -f %M -o "$mem" "$exe" >"$out" 2>/dev/null &
        local pid=$!
        until grep -q '^mapped' "$out"; do sleep 0.01; done
        bash -c "$driver" || echo "driver failed" >&2
        wait "$pid"
    else
        /usr/bin/time -f %M -o "$mem" "$exe" >"$out" 2>/dev/null
    fi
    local mapped
    mapped=$(awk '/^mapped/ {print $2}' "$out")
    echo $(((mapped - start) / 1000)) "$(tail -n1 "$mem")"
}

median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : int((v[NR / 2] + v[NR / 2 + 1]) / 2)}'; }

measure() {
    local name=$1 exe=$2 driver=${3:-}
    run_once "$exe" "$driver" >/dev/null # warm the caches
    for _ in $(seq "$runs"); do run_once "$exe" "$driver"; done >"$work/$name"
    echo "$(cut -d' ' -f1 "$work/$name" | median) $(cut -d' ' -f2 "$work/$name" | median)"
}

read -r bare_us bare_kb < <(measure bare "$bare")
read -r prog_us prog_kb < <(measure program "$program" "${CRANK_BENCH_DRIVER:-}")

printf '%-14s %12s %14s\n' "" "mapped (ms)" "peak RSS (MiB)"
printf '%-14s %12.1f %14.1f\n' "bare window" "$(bc -l <<<"$bare_us/1000")" "$(bc -l <<<"$bare_kb/1024")"
printf '%-14s %12.1f %14.1f\n' "program" "$(bc -l <<<"$prog_us/1000")" "$(bc -l <<<"$prog_kb/1024")"
printf 'ratio: start-up %.2fx (goal <= 1.3), memory %.2fx (goal <= 1.5), %d runs each\n' \
    "$(bc -l <<<"$prog_us/$bare_us")" "$(bc -l <<<"$prog_kb/$bare_kb")" "$runs"
