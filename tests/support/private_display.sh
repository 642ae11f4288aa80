#!/bin/sh
# Runs a command in an X server and a D-Bus session of its own, so that it
# neither needs nor disturbs the desktop it is started from, and so that any
# number of runs can go on side by side.
# Usage: private_display.sh <command> [argument ...]
#
# The display is claimed through the X server's own lock file (/tmp/.X<n>-lock),
# made atomically before its sockets open and removed after they close: a
# server on a number in use, or on its way out, refuses to start, and the next
# number is tried. (-displayfd skips the lock file; xvfb-run -a can run the
# command on a display another server won.)
set -e
for tool in Xvfb dbus-run-session /usr/bin/python3; do
  command -v "$tool" >/dev/null || { echo "missing $tool: run 'make deps'"; exit 1; }
done

work=$(mktemp -d)
server=
trap 'if [ -n "$server" ]; then kill $server 2>/dev/null; wait $server 2>/dev/null; fi; rm -rf "$work"' EXIT
trap 'exit 1' INT TERM

# A server that has ended but is not yet waited for still answers kill -0.
gone() {
  ! kill -0 "$1" 2>/dev/null || [ "$(cut -d' ' -f3 "/proc/$1/stat" 2>/dev/null)" = Z ]
}

# The server tells its parent that it accepts clients by SIGUSR1, when it
# starts with that signal ignored.
ready=
trap 'ready=1' USR1

# Far above desktops, xvfb-run (99 up) and -displayfd (0 up), spread by the
# process id so that runs started together seldom try the same number first.
display=$((200 + $$ % 200))
attempts=0
while :; do
  attempts=$((attempts + 1))
  [ $attempts -le 50 ] || { echo "no X server would start:"; cat "$work/xvfb.log" 2>/dev/null; exit 1; }
  display=$((display + 1))
  if [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; then continue; fi
  ready=
  # -noreset: the server would reset when its last client goes (the probe
  # below is one), and refuse the program that connects during the reset.
  (trap '' USR1; exec Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp -noreset \
     2>"$work/xvfb.log") &
  server=$!
  tries=100
  until [ -n "$ready" ] || gone $server; do
    tries=$((tries - 1))
    [ $tries -gt 0 ] || { echo "the X server :$display did not start:"; cat "$work/xvfb.log"; exit 1; }
    sleep 0.1
  done
  [ -n "$ready" ] && ! gone $server && break
  # Another server holds the number: try the next one.
  wait $server 2>/dev/null || true
  server=
done

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
