#!/usr/bin/env bash
# A driver for bench/startup.sh: from the front screen, display three offset
# tables, print them (to a PDF through the save dialog when there is no
# printer), and exit. Peak memory then covers a display and a print:
#
#   CUPS_SERVER=/nonexistent CRANK_BENCH_DRIVER=bench/display_and_print.sh bench/startup.sh
set -euo pipefail

focus() {
    local w
    w=$(timeout 20 xdotool search --sync --onlyvisible --name "$1" | head -n1)
    xdotool windowfocus --sync "$w"
}
key() { xdotool key --clearmodifiers "$@"; }
typed() { xdotool type --delay 5 -- "$1"; }

pdf=$(mktemp -u /tmp/crank-bench-XXXXXX.pdf)
focus '^Crank Angle/Piston Displacement Utility$'
key alt+c
focus ' - Data Entry$'
for text in Bench 46 100 -0.5 3 77 100 150; do
    key Tab
    typed "$text"
done
key alt+d
focus ' - Tables Screen$'
key alt+p
focus '^Save the Page as PDF$'
key ctrl+a
typed "$pdf"
key Return
for _ in $(seq 100); do [[ -s "$pdf" ]] && break; sleep 0.1; done
rm -f "$pdf"
focus ' - Tables Screen$'
key alt+f
focus '^Crank Angle/Piston Displacement Utility$'
key alt+x
