#!/bin/sh
# Runs the end-to-end cases in an X server and a D-Bus session of their own.
# Usage: run.sh <kx-konfigurator> <data folder> [case pattern ...]
set -e
here=$(dirname "$0")
command -v /usr/bin/python3 >/dev/null || { echo "missing /usr/bin/python3: run 'make deps'"; exit 1; }
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "missing python3-pyatspi: run 'make deps'"; exit 1; }

program=$1 data=$2
shift 2
exec sh "$here/../support/private_display.sh" \
  /usr/bin/python3 "$here/run.py" --program "$program" --data "$data" "$@"
