#!/usr/bin/env bash
# Part of the drivers of bench/startup.sh: answers the save dialog "Save the
# Page as PDF" with a fresh path and waits until the page is written there.
set -euo pipefail

pdf=$(mktemp -u /tmp/crank-bench-XXXXXX.pdf)
w=$(timeout 20 xdotool search --sync --onlyvisible --name '^Save the Page as PDF$' | head -n1)
xdotool windowfocus --sync "$w"
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 5 -- "$pdf"
xdotool key --clearmodifiers Return
for _ in $(seq 100); do [[ -s "$pdf" ]] && break; sleep 0.1; done
[[ -s "$pdf" ]] || { echo "no page written" >&2; exit 1; }
rm -f "$pdf"
