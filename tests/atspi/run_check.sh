#!/bin/sh
# Runs the accessibility tree check in an X server and a D-Bus session of its
# own (tests/support/private_display.sh).
# Usage: run_check.sh <atspi_driver>
set -e
here=$(dirname "$0")
command -v /usr/bin/python3 >/dev/null || { echo "missing /usr/bin/python3: run 'make deps'"; exit 1; }
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "missing python3-pyatspi: run 'make deps'"; exit 1; }
exec sh "$here/../support/private_display.sh" /usr/bin/python3 "$here/check_tree.py" "$1"
