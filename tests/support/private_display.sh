#!/bin/sh
# Runs a command in an X server and a D-Bus session of its own, so that it
# neither needs nor disturbs the desktop it is started from.
# Usage: private_display.sh <command> [argument ...]
#
# The X server picks a free display itself (-displayfd): xvfb-run -a can hand
# two runs that start together (ctest runs tests in parallel) the same
# display, and then one of them talks to the other's server.
set -e
for tool in Xvfb dbus-run-session; do
  command -v "$tool" >/dev/null || { echo "missing $tool: run 'make deps'"; exit 1; }
done

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

DISPLAY=:$(cat "$work/display") dbus-run-session -- "$@"
