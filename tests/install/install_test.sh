#!/bin/sh
# Installs the program to a temporary prefix and checks the desktop files, then
# builds the portable archive, unpacks it elsewhere and starts the program from it.
# Usage: install_test.sh <build dir>
set -eu
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$work/prefix" >/dev/null
id=org.brindlesmath.BrindlesMath
for file in bin/brindles-math share/applications/$id.desktop \
    share/icons/hicolor/scalable/apps/$id.svg share/metainfo/$id.metainfo.xml; do
  [ -f "$work/prefix/$file" ] || fail "not installed: $file"
done
[ -x "$work/prefix/bin/brindles-math" ] || fail "program not executable"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$work/prefix/share/applications/$id.desktop"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$work/prefix/share/metainfo/$id.metainfo.xml" >/dev/null ||
    fail "AppStream metadata rejected"
fi

(cd "$build" && cpack -G TGZ -B "$work/package" >/dev/null)
archive=$(ls "$work"/package/brindles-math-*-portable.tar.gz)
mkdir "$work/unpacked"
tar -xzf "$archive" -C "$work/unpacked"
folder=$(ls -d "$work"/unpacked/*/)
[ -x "$folder/brindles-math" ] || fail "no program at the top of the portable folder"
[ -f "$folder/PORTABLE.txt" ] || fail "no note in the portable folder"

# It starts from where it was unpacked and keeps running until it is told to stop.
"$folder/brindles-math" &
pid=$!
sleep 2
kill -0 "$pid" 2>/dev/null || fail "the unpacked program did not keep running"
kill "$pid"
wait "$pid" 2>/dev/null || true
[ ! -e "$folder/VaZizi.ini" ] || fail "start-up wrote the settings file"
echo "installed and unpacked program OK"
