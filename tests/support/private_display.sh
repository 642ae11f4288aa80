#!/bin/sh
# Runs a command in an X server and a D-Bus session of its own, so that it
# neither needs nor disturbs the desktop it is started from, and so that any
# number of runs can go on side by side.
# Usage: private_display.sh <command> [argument ...]
#
# The display is claimed through the X server's own lock file
# (/tmp/.X<n>-lock), which the server creates atomically before it opens its
# sockets and removes only after it has closed them: a second server on the
# same number, or one that starts while the last one is on its way out,
# refuses to start, and this script takes the next number. (Neither -displayfd,
# which skips the lock file, nor xvfb-run -a, which runs the command on a
# display another server won, can promise that.)
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

# Far above the numbers of desktops, xvfb-run (99 up) and -displayfd servers
# (0 up), and spread by the process id so that runs started together seldom
# try the same number first.
display=$((200 + $$ % 200))
attempts=0
while :; do
  attempts=$((attempts + 1))
  if [ $attempts -gt 50 ]; then
    echo "no X server would start:"; cat "$work/xvfb.log" 2>/dev/null; exit 1
  fi
  display=$((display + 1))
  if [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; then
    continue
  fi
  ready=
  # -noreset: the server would reset when its last client goes (the probe
  # below is one), and refuse the program that connects during the reset.
  (trap '' USR1; exec Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp -noreset \
     2>"$work/xvfb.log") &
  server=$!
  tries=100
  until [ -n "$ready" ] || gone $server; do
    tries=$((tries - 1))
    if [ $tries -le 0 ]; then
      echo "the X server :$display did not start:"; cat "$work/xvfb.log"; exit 1
    fi
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
