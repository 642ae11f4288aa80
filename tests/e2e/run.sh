#!/bin/sh
# Runs the end-to-end cases in an X server and a D-Bus session of their own.
# Usage: run.sh <kx-konfigurator> <data folder> [case pattern ...]
#
# The X server picks a free display itself (-displayfd): xvfb-run -a can hand
# two runs that start together the same display, and then one of them talks
# to the other's server.
set -e
here=$(dirname "$0")
for tool in Xvfb dbus-run-session /usr/bin/python3; do
  command -v "$tool" >/dev/null || { echo "missing $tool: run 'make deps'"; exit 1; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "missing python3-pyatspi: run 'make deps'"; exit 1; }

work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
server=$!
trap 'kill $server 2>/dev/null; rm -rf "$work"' EXIT
trap 'exit 1' INT TERM
tries=100
until [ -s "$work/display" ]; do
  tries=$((tries - 1))
  if [ $tries -le 0 ] || ! kill -0 $server 2>/dev/null; then
    echo "the X server did not start:"; cat "$work/xvfb.log"; exit 1
  fi
  sleep 0.1
done

program=$1 data=$2
shift 2
DISPLAY=:$(cat "$work/display") dbus-run-session -- \
  /usr/bin/python3 "$here/run.py" --program "$program" --data "$data" "$@"
