#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks that the tree holds the
# program, its desktop entry, icon, metainfo and licence, and that the freedesktop
# validators accept them. Usage: check_install.sh <build dir> <app id>
set -euo pipefail
build=$1
id=$2

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cmake --install "$build" --prefix "$tmp" >/dev/null

status=0
expect() {
    if [[ ! -s "$tmp/$1" ]]; then
        echo "missing from the installed tree: $1"
        status=1
    fi
}
expect bin/crank-angle-utility
expect "share/applications/$id.desktop"
expect "share/icons/hicolor/scalable/apps/$id.svg"
expect "share/metainfo/$id.metainfo.xml"
expect "share/mime/packages/$id.xml"
expect share/doc/crank-angle-utility/copyright
[[ -x "$tmp/bin/crank-angle-utility" ]] || { echo "program not executable"; status=1; }
[[ $status -eq 0 ]] || exit 1

for tool in desktop-file-validate appstreamcli update-mime-database update-desktop-database xdg-mime; do
    command -v "$tool" >/dev/null || { echo "$tool not found: run script/bootstrap"; exit 1; }
done
desktop-file-validate "$tmp/share/applications/$id.desktop"
appstreamcli validate --no-net "$tmp/share/metainfo/$id.metainfo.xml"
# The whole tree: the metainfo's launchable must name the installed entry.
appstreamcli validate-tree --no-net "$tmp"

# A double-click on kart.crank: the file's name gives the type, and the type
# the program's entry, as a desktop with only this tree would see them.
type=application/vnd.crankangleutility.engine+json
update-mime-database "$tmp/share/mime" >/dev/null 2>&1
grep -q "^50:$type:\*\.crank$" "$tmp/share/mime/globs2" ||
    { echo "*.crank is not $type in the MIME database"; exit 1; }
update-desktop-database "$tmp/share/applications"
default=$(env -i PATH="$PATH" HOME="$tmp/home" XDG_DATA_HOME="$tmp/home/.local/share" \
          XDG_CONFIG_HOME="$tmp/home/.config" XDG_DATA_DIRS="$tmp/share" \
          xdg-mime query default "$type")
[[ "$default" == "$id.desktop" ]] || { echo "xdg-mime opens $type with '$default'"; exit 1; }
echo "installed tree is complete and valid"
