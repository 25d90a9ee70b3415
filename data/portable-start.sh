#!/bin/sh
# Starts Brindle's Math from its portable folder. The program was built against
# the Qt 6 libraries of Debian 12; when any library it needs is missing, this
# says in one line which package to install, instead of the loader's error.
here=$(dirname "$(readlink -f "$0")")
program="$here/brindles-math.bin"
if command -v ldd >/dev/null 2>&1; then
  missing=$(ldd "$program" 2>/dev/null |
    sed -n 's/^[[:space:]]*\([^[:space:]]*\) => not found$/\1/p' | tr '\n' ' ')
  if [ -n "$missing" ]; then
    echo "brindles-math: the Qt 6 libraries are missing (${missing% });" \
      "install them with: sudo apt-get install libqt6widgets6" >&2
    exit 127
  fi
fi
exec "$program" "$@"
