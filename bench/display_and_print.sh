#!/usr/bin/env bash
# A driver for bench/startup.sh: from the front screen, display three offset
# tables, print them (to a PDF through the save dialog when there is no
# printer), and exit. Peak memory then covers a display and a print.
set -euo pipefail

here=$(dirname "$(realpath "$0")")
focus() {
    local w
    w=$(timeout 20 xdotool search --sync --onlyvisible --name "$1" | head -n1)
    xdotool windowfocus --sync "$w"
}
key() { xdotool key --clearmodifiers "$@"; }

focus '^Crank Angle/Piston Displacement Utility$'
key alt+c
focus ' - Data Entry$'
for text in Bench 46 100 -0.5 3 77 100 150; do
    key Tab
    xdotool type --delay 5 -- "$text"
done
key alt+d
focus ' - Tables Screen$'
key alt+p
"$here/save_pdf.sh"
focus ' - Tables Screen$'
key alt+f
focus '^Crank Angle/Piston Displacement Utility$'
key alt+x
