#!/bin/sh
# Runs the accessibility tree check in an X server and a D-Bus session of its
# own, so that it neither needs nor disturbs the desktop it is started from.
# Usage: run_check.sh <atspi_driver>
set -e
here=$(dirname "$0")
for tool in xvfb-run dbus-run-session /usr/bin/python3; do
  command -v "$tool" >/dev/null || { echo "missing $tool: run 'make deps'"; exit 1; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "missing python3-pyatspi: run 'make deps'"; exit 1; }
exec xvfb-run -a -s "-screen 0 1280x1024x24" \
  dbus-run-session -- /usr/bin/python3 "$here/check_tree.py" "$1"
