#!/bin/sh
# Builds the portable archive, unpacks it elsewhere and starts the program from
# it, and last starts it without the libraries it needs. (The installed files
# are checked in the Debian package's test.)
# Usage: install_test.sh <build dir>
set -eu
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack -G TGZ -B "$work/package" >/dev/null)
archive=$(ls "$work"/package/brindles-math-*-portable.tar.gz)
mkdir "$work/unpacked"
tar -xzf "$archive" -C "$work/unpacked"
folder=$(ls -d "$work"/unpacked/*/)
[ -x "$folder/brindles-math" ] || fail "no start script at the top of the portable folder"
[ -f "$folder/PORTABLE.txt" ] || fail "no note in the portable folder"

# It starts from where it was unpacked and keeps running until it is told to stop.
"$folder/brindles-math" &
pid=$!
sleep 2
kill -0 "$pid" 2>/dev/null || fail "the unpacked program did not keep running"
kill "$pid"
wait "$pid" 2>/dev/null || true
[ ! -e "$folder/VaZizi.ini" ] || fail "start-up wrote the settings file"

# A program whose library is missing, as on a machine without Qt: the start
# script says which package to install, in one line.
if command -v cc >/dev/null; then
  echo 'void f(void) {}' >"$work/f.c"
  printf 'void f(void);\nint main(void) { f(); return 0; }\n' >"$work/main.c"
  cc -shared -fPIC -Wl,-soname,libQt6Gone.so.6 -o "$work/libQt6Gone.so.6" "$work/f.c"
  cc -o "$folder/brindles-math.bin" "$work/main.c" "$work/libQt6Gone.so.6"
  rm "$work/libQt6Gone.so.6"
  if said=$("$folder/brindles-math" 2>&1); then fail "started without its libraries"; fi
  [ "$said" = "brindles-math: the Qt 6 libraries are missing (libQt6Gone.so.6);\
 install them with: sudo apt-get install libqt6widgets6" ] || fail "without its libraries: $said"
fi
echo "installed and unpacked program OK"
