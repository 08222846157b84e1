#!/usr/bin/env bash
# The print command with real printers: a private CUPS server, the built
# program on a private Xvfb display, driven by the keyboard:
#
#   printer_session.sh PROGRAM EXPECTED_PAGE
#
# One display of three offset tables is printed three times, each time with
# another default printer:
# - an A4 raw queue: one A4 page arrives, every word where the layout put it,
#   measured from the printable area's corner (Qt gives a queue without a PPD
#   10-point margins);
# - the degree wheel on the same queue: one A4 page measured from the sheet's
#   corner, as its PDF is; every job asks the server for no scaling;
# - a queue whose PPD, written here, makes US Letter the default paper with
#   margins of its own: the overflow message appears, and the rows printed up
#   to the overflow arrive on one Letter page, shifted by those margins; the
#   largest wheel, which comes nearer the edge than those margins, asks first;
# - a queue that rejects jobs: "Page Not Printed" appears and no job arrives;
# - then, with the server gone, the save dialog offers a PDF instead.
# The tables screen stays shown throughout, and the program exits with 0.
set -euo pipefail

here=$(dirname "$(realpath "$0")")
program=$(realpath "$1")
expected_page=$(realpath "$2")
for tool in Xvfb xdotool pdftotext timeout cupsd lpadmin cupsreject lpstat; do
    command -v "$tool" >/dev/null || { echo "missing $tool (script/bootstrap installs it)" >&2; exit 1; }
done
source "$here/print_server.sh"

source "$here/x_session.sh"
readonly overflow_title='^Page Overflow Detected and Prevented$'
readonly refused_title='^Page Not Printed$'
readonly cut_title='^Page Would Be Cut$'
readonly tolerance=4 # twips
readonly wait_seconds=30

work=$(mktemp -d)
cleanup() {
    stop_x_session
    stop_print_server
    rm -rf "$work"
}
trap cleanup EXIT

# The queues. The Letter PPD's imageable area, in points from the bottom-left
# corner of the 612 x 792 point sheet, leaves 24 points at the left and 12 at
# the top: the printable area's corner is 480, 240 twips from the sheet's.
start_print_server "$work/cups" || fail "no print server"
cat >"$work/letter.ppd" <<'PPD'
*PPD-Adobe: "4.3"
*ModelName: "Letter Test"
*NickName: "Letter Test"
*cupsFilter: "application/pdf 0 -"
*OpenUI *PageSize/Media Size: PickOne
*DefaultPageSize: Letter
*PageSize Letter/US Letter: "<</PageSize[612 792]>>setpagedevice"
*CloseUI: *PageSize
*DefaultImageableArea: Letter
*ImageableArea Letter/US Letter: "24 18 594 780"
*DefaultPaperDimension: Letter
*PaperDimension Letter/US Letter: "612 792"
PPD
add_raw_queue A4Raw || fail "no A4 queue"
add_ppd_queue Letter "$work/letter.ppd" || fail "no Letter queue"
add_raw_queue Refusing || fail "no refusing queue"
timeout 10 cupsreject -r "Out of paper" Refusing || fail "the queue still accepts jobs"

start_xvfb
start_program "$program"

# Waits for the server's document number n and checks it: one page of the
# given size in points, every word where expected_page puts it for the page
# height, shifted by the printable area's corner (twips).
check_job() {
    local n=$1 name=$2 width=$3 height=$4 dx=$5 dy=$6 job=""
    for _ in $(seq $((wait_seconds * 10))); do
        job=$(job_files | sed -n "${n}p")
        [[ -n "$job" ]] && pdftotext "$job" /dev/null 2>/dev/null && break
        job=""
        sleep 0.1
    done
    [[ -n "$job" ]] || fail "$name: no job arrived: $(lpstat -W all -o 2>&1)"
    pdftotext -bbox "$job" "$work/$name.html"
    [[ $(grep -c '<page ' "$work/$name.html") -eq 1 ]] || fail "$name: not one page"
    grep -q "<page width=\"$width[.0-9]*\" height=\"$height[.0-9]*\">" "$work/$name.html" ||
        fail "$name: not a $width x $height point sheet: $(grep '<page ' "$work/$name.html")"
    local status=0
    "$expected_page" --page-height $((height * 20)) "E2E Printer" 46 100 -0.5 8 40 96 \
        >"$work/$name.expected" 2>"$work/$name.messages" || status=$?
    [[ $status -eq 0 || $status -eq 3 ]] || fail "$name: no expected page"
    awk -v name="$name" -v dx="$dx" -v dy="$dy" -v tolerance="$tolerance" \
        -f "$here/page_words.awk" "$work/$name.html" "$work/$name.expected" ||
        fail "$name: the printed page differs from the computed page"
}

# Front screen -> construct -> an offset and three tables -> display.
focus_window "$front_title"
key alt+c
await_gone "$front_title"
focus_window "$entry_title"
for text in "E2E Printer" 46 100 -0.5 3 8 40 96; do
    tab_type "$text"
done
key alt+d
await_gone "$entry_title"

# The job's attributes as the server keeps them, control bytes as blanks:
# print-scaling=none is "print-scaling", two length bytes, "none".
asks_no_scaling() {
    local control
    control=$(job_control "$1")
    for _ in $(seq $((wait_seconds * 10))); do
        [[ -f "$control" ]] && break
        sleep 0.1
    done
    tr '\000-\037' ' ' <"$control" | grep -q 'print-scaling  none' ||
        fail "job $1 did not ask for print-scaling=none"
}

# A4: the whole page, no dialog.
timeout 10 lpadmin -d A4Raw
focus_window "$tables_title"
key alt+p
check_job 1 a4 595 842 200 200
xdotool search --onlyvisible --name "$refused_title" >/dev/null 2>&1 && fail "a4: a message appeared"
asks_no_scaling 1

# The degree wheel: its first line 10 mm (28.3 points) from the sheet's left
# edge, not shifted by the queue's margin.
focus_window "$tables_title"
key ctrl+d
focus_window '^Degree Wheel$'
key alt+n
for _ in $(seq $((wait_seconds * 10))); do
    wheel_job=$(job_files | sed -n 2p)
    [[ -n "$wheel_job" ]] && pdftotext -bbox "$wheel_job" "$work/wheel.html" 2>/dev/null && break
    sleep 0.1
done
[[ $(grep -c '<page width="595[.0-9]*" height="842' "$work/wheel.html" 2>/dev/null) -eq 1 ]] ||
    fail "wheel: not one A4 page"
grep -q '<word xMin="28\.[0-9]*" yMin="[0-9.]*" xMax="[0-9.]*" yMax="[0-9.]*">print</word>' \
    "$work/wheel.html" || fail "wheel: not drawn from the sheet's corner: $(grep '>print<' "$work/wheel.html")"
asks_no_scaling 2
key alt+e
await_gone '^Degree Wheel$'

# Letter: the overflow message, then the rows printed so far.
timeout 10 lpadmin -d Letter
focus_window "$tables_title"
key alt+p
focus_window "$overflow_title"
key Return
await_gone "$overflow_title"
check_job 3 letter 612 792 480 240

# The largest wheel on Letter, whose margins (24 points at the left) are wider
# than the 6.4 mm the wheel keeps: the program asks first. Cancelled, nothing
# goes out; printed all the same, the page does.
focus_window "$tables_title"
key ctrl+d
focus_window '^Degree Wheel$'
key ctrl+a
type_text 197
key alt+n
focus_window "$cut_title"
key Escape
await_gone "$cut_title"
focus_window '^Degree Wheel$'
key alt+n
focus_window "$cut_title"
key Return
await_gone "$cut_title"
for _ in $(seq $((wait_seconds * 10))); do
    [[ $(job_files | wc -l) -eq 4 ]] && break
    sleep 0.1
done
[[ $(job_files | wc -l) -eq 4 ]] || fail "wheel on Letter: not one job after the question"
focus_window '^Degree Wheel$'
key alt+e
await_gone '^Degree Wheel$'

# A queue that rejects the job: the message, and nothing arrives.
timeout 10 lpadmin -d Refusing
focus_window "$tables_title"
key alt+p
focus_window "$refused_title"
key Return
await_gone "$refused_title"
[[ $(job_files | wc -l) -eq 4 ]] || fail "refused: a job arrived anyway"

# No print server at all: the save dialog, which is cancelled.
stop_print_server
focus_window "$tables_title"
key alt+p
focus_window "$save_title"
key Escape
await_gone "$save_title"

# The tables screen is still there; back to the front screen and out.
focus_window "$tables_title"
key alt+f
await_gone "$tables_title"
exit_program
echo "PASS: A4 and Letter pages as computed, the wheel from the sheet's corner unscaled, a wheel the printer would cut asked about, the refusal told, the save dialog without a server"
