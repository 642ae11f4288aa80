#!/usr/bin/env bash
# Installs the .deb with apt, starts the program the way the menu does (the
# entry's Exec line) under Xvfb and checks that it is still running after two
# seconds. Then, as a user of its own who cannot write the program folder,
# drives the installed program through the end-to-end suite (its groups for
# an installed program): the text files copied into the user's folder, a
# switch to English, a belt saved into the user's home; reinstalls the
# package and drives it again: still English, back to German. Checks that
# the desktop takes the saved belt for a belt file, that the command is on
# the user's PATH and writes a datasheet from the home folder, that xdg-open
# without a desktop starts the program on the belt, and that the manual
# page, the metainfo and the copyright are there. A second user, of an
# English locale, starts in English. Removes the package and the users
# again. Run as root.
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
english_user=kxcheck$$en
cleanup() {
  DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq kx-konfigurator >/dev/null || true
  for who in "$user" "$english_user"; do
    if id "$who" >/dev/null 2>&1; then userdel --remove "$who" 2>/dev/null || true; fi
  done
  rm -rf "$work"
}
fail() {
  echo "$*" >&2
  exit 1
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

# Users with a home of their own, and the suite where they can read it;
# they start in the work folder, as they may not enter the current one.
chmod 755 "$work"
useradd --create-home --base-dir "$work" --shell /bin/sh "$user"
useradd --create-home --base-dir "$work" --shell /bin/sh "$english_user"
home="$work/$user"
# run.sh starts its X server through ../support/private_display.sh.
mkdir "$work/support"
cp -r "$tests/e2e" "$work/e2e"
cp "$tests/support/private_display.sh" "$work/support/"
cd "$work"
# as WHO LANG COMMAND...: a login's bare environment, in the given locale.
as() {
  local who=$1 lang=$2
  shift 2
  runuser -u "$who" -- env -i HOME="$work/$who" PATH=/usr/bin:/bin LANG="$lang" "$@"
}
as_user() {
  as "$user" C.UTF-8 "$@"
}
as_user sh "$work/e2e/run.sh" "$program" /opt/kx-konfigurator --installed first_run
install_deb --reinstall
as_user sh "$work/e2e/run.sh" "$program" /opt/kx-konfigurator --installed after_reinstall

type=$(as_user xdg-mime query filetype "$home/belt.dat")
if [ "$type" != application/x-kx-belt ]; then
  fail "The desktop takes a saved belt for '$type', not application/x-kx-belt."
fi
echo "A user switches languages and saves belts with the installed program; the desktop knows its files."

found=$(as_user sh -c 'command -v kx-konfigurator') || true
[ "$found" = /usr/bin/kx-konfigurator ] || fail "kx-konfigurator is not on the user's PATH: '$found'"
as_user sh -c 'cd "$HOME" && kx-konfigurator --datasheet belt.dat --output belt.pdf' ||
  fail "The datasheet from the user's home failed: $?"
[ "$(head -c 5 "$home/belt.pdf")" = "%PDF-" ] || fail "No PDF in $home/belt.pdf."
echo "kx-konfigurator is on the user's PATH and writes a datasheet from the home folder."

# No desktop: xdg-open finds the entry for the belt's type itself and runs
# its Exec line. The program, the user's own, is ended by its id.
as_user xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  cd "$HOME"
  xdg-open belt.dat >xdg-open.log 2>&1 & opener=$!
  for _ in $(seq 150); do
    for dir in /proc/[0-9]*; do
      if [ "$(readlink "$dir/exe" 2>/dev/null)" = "$1" ]; then
        arguments=$(tr "\0" " " <"$dir/cmdline")
        kill "${dir#/proc/}"
        wait "$opener" || true
        case "$arguments" in
          *belt.dat*) exit 0 ;;
          *) echo "The program was started with: $arguments" >&2; exit 1 ;;
        esac
      fi
    done
    if ! kill -0 "$opener" 2>/dev/null; then break; fi
    sleep 0.2
  done
  echo "xdg-open started no program:" >&2
  cat xdg-open.log >&2
  exit 1
' check "$program" || fail "xdg-open belt.dat does not start the program."
echo "xdg-open starts the program on a belt file without a desktop."

page=$(as_user sh -c 'MANPAGER=cat MANWIDTH=80 man kx-konfigurator 2>&1') ||
  fail "man kx-konfigurator: $page"
case "$page" in
  *"compose a conveyor belt and get its order code"*"--datasheet"*) ;;
  *) fail "man kx-konfigurator shows no manual page: $page" ;;
esac
metainfo=/usr/share/metainfo/local.kx_konfigurator.KxKonfigurator.metainfo.xml
as_user appstreamcli validate --no-net "$metainfo" || fail "The metainfo does not validate."
copyright=/usr/share/doc/kx-konfigurator/copyright
grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' "$copyright" ||
  fail "$copyright is not in the machine-readable format."
license=$(sed -n 's:.*<project_license>\(.*\)</project_license>.*:\1:p' "$metainfo")
grep -qx "License: $license" "$copyright" || fail "$copyright does not state the license $license."
echo "The manual page, the metainfo and the copyright are installed."

as "$english_user" en_US.UTF-8 sh "$work/e2e/run.sh" "$program" /opt/kx-konfigurator \
  --installed english_locale
echo "A user of an English locale starts in English."
