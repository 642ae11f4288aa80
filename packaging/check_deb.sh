#!/usr/bin/env bash
# Installs the .deb with apt, starts the program the way the menu does (the
# entry's Exec line) under Xvfb, checks that it is still running after two
# seconds, then removes the package again. Run as root.
set -euo pipefail
deb=$(realpath "$1")
entry=/usr/share/applications/kx-konfigurator.desktop

if dpkg-query -W -f='${Status}' kx-konfigurator 2>/dev/null | grep -q 'install ok installed'; then
  echo "kx-konfigurator is installed already; remove it first." >&2
  exit 1
fi
cleanup() { DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq kx-konfigurator >/dev/null; }
trap cleanup EXIT
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$deb" >/dev/null

line=$(sed -n 's/^Exec=//p' "$entry")
eval "set -- $line"
echo "Starting $*"
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  "$@" & pid=$!
  sleep 2
  if ! kill -0 $pid 2>/dev/null; then wait $pid; echo "The program ended early: $?" >&2; exit 1; fi
  kill $pid; wait $pid || true
' check "$@"
echo "The installed program starts from its menu entry."
