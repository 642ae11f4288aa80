#!/bin/sh
# Runs a command in an X server and a D-Bus session of its own, so that it
# neither needs nor disturbs the desktop it is started from.
# Usage: private_display.sh <command> [argument ...]
#
# The X server picks a free display itself (-displayfd): xvfb-run -a can hand
# two runs that start together (ctest runs tests in parallel) the same
# display, and then one of them talks to the other's server.
set -e
for tool in Xvfb dbus-run-session /usr/bin/python3; do
  command -v "$tool" >/dev/null || { echo "missing $tool: run 'make deps'"; exit 1; }
done

work=$(mktemp -d)
# -noreset: the server would reset when its last client goes (the probe below
# is one), and refuse the program that connects during the reset.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
server=$!
# Waited for: a server on its way out still holds its display, and a server
# that another test starts meanwhile could lose its socket to it.
trap 'kill $server 2>/dev/null; wait $server 2>/dev/null; rm -rf "$work"' EXIT
trap 'exit 1' INT TERM
tries=100
until [ -s "$work/display" ]; do
  tries=$((tries - 1))
  if [ $tries -le 0 ] || ! kill -0 $server 2>/dev/null; then
    echo "the X server did not start:"; cat "$work/xvfb.log"; exit 1
  fi
  sleep 0.1
done

display=$(cat "$work/display")

# The command starts once the server accepts a client as libxcb connects one
# (its abstract socket first): a client refused at its first try does not try
# again, and right after a start that has been seen.
/usr/bin/python3 - "$display" <<'PROBE' || exit 1
import socket, struct, sys, time
path = "/tmp/.X11-unix/X" + sys.argv[1]
deadline = time.monotonic() + 10
while True:
    for address in ("\0" + path, path):
        try:
            with socket.socket(socket.AF_UNIX) as client:
                client.settimeout(2)
                client.connect(address)
                client.sendall(struct.pack("<cxHHHHxx", b"l", 11, 0, 0, 0))
                if client.recv(1) == b"\x01":
                    sys.exit(0)
                break
        except OSError:
            continue
    if time.monotonic() > deadline:
        sys.exit("the X server :%s does not accept clients" % sys.argv[1])
    time.sleep(0.1)
PROBE

DISPLAY=:$display dbus-run-session -- "$@"
