#!/usr/bin/env bash
# Engine files with the built program on a private Xvfb display:
#
#   engine_file_session.sh PROGRAM
#
# First run, typed by hand: an offset engine with three tables, displayed and
# printed to a PDF; on the port sheet two ports, the sheet saved as a PDF and
# the engine as kart.crank; one height changed and saved as kart-b.crank;
# then exit, which asks nothing (all is saved).
# Second run, started with kart.crank on the command line (as a file
# manager's double-click starts it): the tables and the sheet come up by
# themselves; their pages must hold every word, where the first run's held
# it. Then from the front screen's right-click menu, "Open Recent" opens
# kart-b.crank, whose sheet carries the changed height; then exit.
set -euo pipefail

here=$(dirname "$(realpath "$0")")
program=$(realpath "$1")
for tool in Xvfb xdotool pdftotext timeout; do
    command -v "$tool" >/dev/null || { echo "missing $tool (script/bootstrap installs it)" >&2; exit 1; }
done

source "$here/x_session.sh"
readonly wait_seconds=30
readonly sheet_title='^Port Timing'
readonly engine_save_title='^Save the Engine$'

start_session
mkdir -p "$work/home/Documents" "$work/out"

# The tables page and the sheet's page of the engine on show, as PDFs named NAME.
print_pages() {
    focus_window "$tables_title"
    key alt+p
    save_as "$save_title" "$work/out/$1-tables.pdf"
    await_pdf "$work/out/$1-tables.pdf"
    focus_window "$sheet_title"
    key alt+s
    save_as "$save_title" "$work/out/$1-sheet.pdf"
    await_pdf "$work/out/$1-sheet.pdf"
}

# Every word of a PDF with its box, one a line.
words() { pdftotext -bbox "$1" - | grep '<word '; }

# Ends the run from the front screen; nothing may be asked first.
leave() {
    focus_window "$sheet_title"
    key alt+o
    await_gone "$sheet_title"
    focus_window "$tables_title"
    key alt+f
    exit_program
}

# First run: typed by hand.
start_program "$program" CUPS_SERVER="$work/cups.sock"
focus_window "$front_title"
key alt+c
focus_window "$entry_title"
for text in "E2E Kart" 46 100 -0.5 3 8 40 96; do
    tab_type "$text"
done
key alt+d
focus_window "$tables_title"
key ctrl+t
focus_window "$sheet_title"
# The first port's name has the focus: name, role (kept), height; then the second port.
type_text Exhaust
key Tab Tab
type_text "26,5"
key Tab
type_text Transfer
key Tab Tab
type_text 30
print_pages typed
focus_window "$sheet_title"
key ctrl+shift+s
save_as "$engine_save_title" "$work/out/kart.crank"
focus_window '^Port Timing - kart.crank$'
type_text 1 # after the second port's height: 301 mm is beyond the stroke
key ctrl+shift+s
save_as "$engine_save_title" "$work/out/kart-b.crank"
focus_window '^Port Timing - kart-b.crank$'
leave

# Second run: started with the first file.
start_program "$program" CUPS_SERVER="$work/cups.sock" -- "$work/out/kart.crank"
focus_window '^Port Timing - kart.crank$'
print_pages opened
for page in tables sheet; do
    diff <(words "$work/out/typed-$page.pdf") <(words "$work/out/opened-$page.pdf") >"$work/$page.diff" ||
        fail "the $page page opened from the file differs from the one typed: $(head -5 "$work/$page.diff")"
done

# "Open Recent" from the front screen: kart.crank first, then kart-b.crank.
focus_window "$sheet_title"
key alt+o
await_gone "$sheet_title"
focus_window "$tables_title"
key alt+f
focus_window "$front_title"
front=$(xdotool search --onlyvisible --name "$front_title" | head -n1)
# The menu and its submenu take a moment to open on a busy machine.
xdotool mousemove --window "$front" 200 300 click 3
sleep 1
key Down Down Right
sleep 1
key 2 # "&2 kart-b.crank"
focus_window '^Port Timing - kart-b.crank$'
key alt+s
save_as "$save_title" "$work/out/recent-sheet.pdf"
await_pdf "$work/out/recent-sheet.pdf"
pdftotext "$work/out/recent-sheet.pdf" - | grep -q "Beyond the stroke" ||
    fail "the sheet opened from the recent list is not kart-b.crank's"
leave
echo "PASS: a file opened from the command line gives the pages typed by hand, and Open Recent opens the second file"
