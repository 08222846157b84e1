#!/usr/bin/env bash
# A keyboard-only session with the built program on a private Xvfb display:
#
#   keyboard_session.sh PROGRAM EXPECTED_PAGE GRAB_SCREEN
#
# front screen -> construct -> engine, zero offset, one table -> display ->
# print to a PDF through the save dialog; the wheel and the page keys over
# the tables; a save under the suggested name, and one into a folder that
# does not exist; back to data entry -> offset, three
# tables typed out of order and too close -> display -> print; back to data
# entry -> display again unchanged -> print; construct anew -> print, and once
# more on an A4 printer of a private print server; back to the front screen
# -> exit.
# Every PDF is read back with pdftotext -bbox and each word's text and
# position compared with the page EXPECTED_PAGE computes for the same boxes.
# Nothing but the keyboard is used, except for the wheel; windows are found by
# their titles. GRAB_SCREEN saves a part of the display, to see the tables move.
set -euo pipefail

here=$(dirname "$(realpath "$0")")
program=$(realpath "$1")
expected_page=$(realpath "$2")
grab_screen=$(realpath "$3")
for tool in Xvfb xdotool pdftotext timeout; do
    command -v "$tool" >/dev/null || { echo "missing $tool (script/bootstrap installs it)" >&2; exit 1; }
done

source "$here/x_session.sh"
# How far a word may stand from where the layout put it, twips.
readonly tolerance=4
readonly wait_seconds=30

start_session
# The program's own world: a home for the save dialog, and a print system
# that cannot be reached until the last print, so that there is no printer
# and the page goes to a PDF.
mkdir -p "$work/home/Documents" "$work/out"
start_program "$program" CUPS_SERVER="$work/cups/cups.sock"

# Prints the tables screen through the save dialog into $work/out/NAME.pdf.
print_to_pdf() {
    focus_window "$tables_title"
    key alt+p
    save_as "$save_title" "$work/out/$1.pdf"
    await_pdf "$work/out/$1.pdf"
}

# Saves the tables screen's viewport (twips 200, 2640, 5900 x 4600: the one
# table's panel) to $work/NAME.png.
grab_viewport() {
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool search --onlyvisible --name "$tables_title" getwindowgeometry --shell)"
    "$grab_screen" "$work/$1.png" $((X + 13)) $((Y + 176)) 393 306 || fail "no picture of the tables"
}

# Waits until the viewport looks the same as (same) or unlike (differs) the
# picture NAME.
await_viewport() {
    local how=$1 name=$2
    for _ in $(seq $((wait_seconds * 5))); do
        sleep 0.2
        grab_viewport now
        if cmp -s "$work/now.png" "$work/$name.png"; then
            [[ $how == same ]] && return 0
        else
            [[ $how == differs ]] && return 0
        fi
    done
    fail "the tables' viewport never $how from $name"
}

# Compares every word of the PDF with the expected page for the box texts
# given (name, stroke, rod length, offset, angles as typed).
compare_page() {
    local name=$1
    shift
    local pdf="$work/out/$name.pdf"
    "$expected_page" "$@" >"$work/$name.expected" || fail "$name: no expected page for $*"
    pdftotext -bbox "$pdf" "$work/$name.html"
    [[ $(grep -c '<page ' "$work/$name.html") -eq 1 ]] || fail "$name: not one page"
    awk -v name="$name" -v dx=0 -v dy=0 -v tolerance="$tolerance" -f "$here/page_words.awk" \
        "$work/$name.html" "$work/$name.expected" || fail "$name: the PDF differs from the computed page"
}

# Front screen -> construct. The data entry screen starts with the focus on
# "Return to &Front Screen"; the display command is disabled, so Tab goes to
# the name, then stroke, rod length, offset, number of tables and angles.
focus_window "$front_title"
key alt+c
await_gone "$front_title"
focus_window "$entry_title"
tab_type "E2E Zero"
tab_type "46"
tab_type "100"
tab_type "0"
tab_type "1"
tab_type "8"
key alt+d
await_gone "$entry_title"
print_to_pdf zero-one
compare_page zero-one "E2E Zero" 46 100 0 8

# A notch of the wheel over the tables moves them and a notch back returns
# them; Page Down and Page Up likewise. The pointer then leaves the window,
# so that no tooltip stands in the picture.
focus_window "$tables_title"
grab_viewport top
tables_window=$(xdotool search --onlyvisible --name "$tables_title" | head -n1)
xdotool mousemove --window "$tables_window" 200 300 click 5 mousemove 1270 1010
await_viewport differs top
xdotool mousemove --window "$tables_window" 200 300 click 4 mousemove 1270 1010
await_viewport same top
key Next
await_viewport differs top
key Prior
await_viewport same top

# The save dialog proposes the engine's name in the folder chosen last; a
# save into a folder that does not exist says so and leaves nothing.
key alt+p
focus_window "$save_title"
key Return
await_gone "$save_title"
suggested="$work/out/E2E Zero crank angles.pdf"
for _ in $(seq $((wait_seconds * 10))); do
    pdftotext "$suggested" /dev/null 2>/dev/null && break
    sleep 0.1
done
[[ -s "$suggested" ]] || fail "nothing saved as $suggested"
focus_window "$tables_title"
key alt+p
focus_window "$save_title"
key ctrl+a
type_text "$work/out/missing/page.pdf"
key Return
focus_window '^Page Not Printed$'
key Return
await_gone '^Page Not Printed$'
[[ ! -e "$work/out/missing" ]] || fail "a save into a missing folder left $work/out/missing"

# Back to data entry: the screen as it was left, the focus still in the angle
# box (an access key does not move it); Shift+Tab twice reaches the offset.
# An offset and three tables typed out of order and too close together:
# 90, 10, 12 are shown as 10, 14, 90.
focus_window "$tables_title"
key alt+d
await_gone "$tables_title"
focus_window "$entry_title"
key shift+Tab shift+Tab
type_text "-0.5"
tab_type "3"
tab_type "90"
tab_type "10"
tab_type "12"
key alt+d
await_gone "$entry_title"
print_to_pdf offset-three
compare_page offset-three "E2E Zero" 46 100 -0.5 90 10 12

# Again, with the boxes as the display left them: the same page.
focus_window "$tables_title"
key alt+d
await_gone "$tables_title"
focus_window "$entry_title"
key alt+d
await_gone "$entry_title"
print_to_pdf offset-three-again
compare_page offset-three-again "E2E Zero" 46 100 -0.5 10 14 90

# A second construct starts afresh: a name of the full 25 characters, which
# the page prints whole, a longer stroke, a positive offset, one table at the
# top of the range.
focus_window "$tables_title"
key alt+f
await_gone "$tables_title"
focus_window "$front_title"
key alt+c
await_gone "$front_title"
focus_window "$entry_title"
tab_type "Twin 125 Works Racer 1998"
tab_type "54.5"
tab_type "110"
tab_type "1.2"
tab_type "1"
tab_type "176"
key alt+d
await_gone "$entry_title"
print_to_pdf positive-one
compare_page positive-one "Twin 125 Works Racer 1998" 54.5 110 1.2 176

# Once through a real printer: a print server starts where the program looks
# for one, with an A4 raw queue as the default printer. The page arrives
# without a dialog, shifted by the queue's 10-point margins.
source "$here/print_server.sh"
trap 'stop_print_server; end_session' EXIT
start_print_server "$work/cups" && add_raw_queue A4Raw && timeout 10 lpadmin -d A4Raw ||
    fail "no print server"
focus_window "$tables_title"
key alt+p
for _ in $(seq $((wait_seconds * 10))); do
    job=$(job_files | head -n1)
    [[ -n "$job" ]] && pdftotext "$job" /dev/null 2>/dev/null && break
    sleep 0.1
done
pdftotext -bbox "$job" "$work/printer.html" || fail "printer: no job arrived"
"$expected_page" "Twin 125 Works Racer 1998" 54.5 110 1.2 176 >"$work/printer.expected"
awk -v name=printer -v dx=200 -v dy=200 -v tolerance="$tolerance" \
    -f "$here/page_words.awk" "$work/printer.html" "$work/printer.expected" ||
    fail "printer: the printed page differs from the computed page"

# Back to the front screen and out.
focus_window "$tables_title"
key alt+f
await_gone "$tables_title"
exit_program
echo "PASS: five pages as computed, the wheel and the page keys, the saves, exit status 0"
