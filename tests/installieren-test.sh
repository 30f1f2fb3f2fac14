#!/bin/sh
# Installs the build into a temporary folder (DESTDIR) and uses the installed
# programs from another folder: the version, a new user with the starter
# vocabulary and its pictures (found in share/sagwerk beside bin), and the
# program itself started offscreen on a new data folder.
#   installieren-test.sh BUILD_DIR
set -eu
bau="$1"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
DESTDIR="$tmp/ziel" cmake --install "$bau" --prefix /usr >/dev/null
bin="$tmp/ziel/usr/bin"
test -f "$tmp/ziel/usr/share/man/man1/sagwerk.1.gz"
cd /
"$bin/sagwerk" --version | grep -q '^Sagwerk [0-9]'
"$bin/sagwerk" --help | grep -q 'Aufruf: sagwerk'
if "$bin/sagwerk" --unbekannt 2>/dev/null; then echo "eine unbekannte Option wurde angenommen"; exit 1; fi

# A new user from the installed vocabulary, with its pictures.
mkdir "$tmp/benutzer"
"$bin/sagwerk-wortschatz" "$tmp/benutzer/Neu.mdb" Neu >/dev/null
test -n "$(find "$tmp/benutzer/icons" -name '*.svg' | head -n 1)"
"$bin/sagwerk-formen" gehen | grep -q '^gehe$'

# The menu's way: the data folder is made, and the program waits there for
# the question whether to make a user (ended here after a few seconds).
status=0
XDG_DATA_HOME="$tmp/daten" QT_QPA_PLATFORM=offscreen SAGWERK_SPEECH=none \
  timeout 5 "$bin/sagwerk" --datenordner >/dev/null 2>&1 || status=$?
test -d "$tmp/daten/sagwerk"
test "$status" -eq 124
# The menu entry and the software centres' page, checked by their tools
# where they are installed.
ziel="$tmp/ziel/usr/share"
test -f "$ziel/icons/hicolor/scalable/apps/de.sagwerk.Sagwerk.svg"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$ziel/applications/de.sagwerk.Sagwerk.desktop"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$ziel/metainfo/de.sagwerk.Sagwerk.metainfo.xml" >/dev/null
fi
echo "installiert und benutzt"
