#!/usr/bin/env bash
# Installs the .deb with apt, starts the program the way the menu does (the
# entry's Exec line) under Xvfb and checks that it is still running after two
# seconds. Then, as a user of its own who cannot write the program folder,
# drives the installed program through the end-to-end suite (its groups for
# an installed program): the text files copied into the user's folder, a
# switch to English, a belt saved into the user's home; reinstalls the
# package and drives it again: still English, back to German. Checks that
# the desktop takes the saved belt for a belt file. Removes the package and
# the user again. Run as root.
set -euo pipefail
deb=$(realpath "$1")
tests=$(realpath "$(dirname "$0")/../tests")
entry=/usr/share/applications/kx-konfigurator.desktop
program=/opt/kx-konfigurator/kx-konfigurator

if dpkg-query -W -f='${Status}' kx-konfigurator 2>/dev/null | grep -q 'install ok installed'; then
  echo "kx-konfigurator is installed already; remove it first." >&2
  exit 1
fi
work=$(mktemp -d)
user=kxcheck$$
cleanup() {
  DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq kx-konfigurator >/dev/null || true
  if id "$user" >/dev/null 2>&1; then userdel --remove "$user" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
install_deb() {
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$@" "$deb" >/dev/null
}
install_deb

# The entry's Exec line, without the file a file manager would put for %f.
line=$(sed -n 's/^Exec=//p' "$entry")
eval "set -- ${line% %f}"
echo "Starting $*"
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  "$@" & pid=$!
  sleep 2
  if ! kill -0 $pid 2>/dev/null; then wait $pid; echo "The program ended early: $?" >&2; exit 1; fi
  kill $pid; wait $pid || true
' check "$@"
echo "The installed program starts from its menu entry."

# A user with a home of its own, and the suite where that user can read it;
# the user starts in the work folder, as it may not enter the current one.
chmod 755 "$work"
useradd --create-home --base-dir "$work" --shell /bin/sh "$user"
home="$work/$user"
# run.sh starts its X server through ../support/private_display.sh.
mkdir "$work/support"
cp -r "$tests/e2e" "$work/e2e"
cp "$tests/support/private_display.sh" "$work/support/"
cd "$work"
as_user() {
  runuser -u "$user" -- env -i HOME="$home" PATH=/usr/bin:/bin LANG=C.UTF-8 "$@"
}
as_user sh "$work/e2e/run.sh" "$program" /opt/kx-konfigurator --installed first_run
install_deb --reinstall
as_user sh "$work/e2e/run.sh" "$program" /opt/kx-konfigurator --installed after_reinstall

type=$(as_user xdg-mime query filetype "$home/belt.dat")
if [ "$type" != application/x-kx-belt ]; then
  echo "The desktop takes a saved belt for '$type', not application/x-kx-belt." >&2
  exit 1
fi
echo "A user switches languages and saves belts with the installed program; the desktop knows its files."
