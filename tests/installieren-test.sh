#!/bin/sh
# Installs the build into a temporary folder (DESTDIR) and uses the installed
# programs from another folder: the version, a new user with the starter
# vocabulary and its pictures (found in share/sagwerk beside bin), and the
# program itself started offscreen on a new data folder.
#   installieren-test.sh BUILD_DIR
set -eu
bau="$(cd "$1" && pwd)"
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
# Without a screen the program stops at once with a German word on how to
# start it, before Qt would abort in English.
status=0
fehler="$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$bin/sagwerk" 2>&1)" || status=$?
test "$status" -eq 1
echo "$fehler" | grep -q 'grafischen Sitzung'
echo "$fehler" | grep -q 'xvfb-run'

# The package's text: one summary line, then a German paragraph whose lines
# begin with the blank that dpkg wants (no ";" of a list joined as text).
if command -v cpack >/dev/null && command -v dpkg-deb >/dev/null; then
  (cd "$bau" && cpack -G DEB -B "$tmp/paket" -D CPACK_DEBIAN_PACKAGE_SHLIBDEPS=OFF >/dev/null)
  deb="$(ls "$tmp"/paket/sagwerk_*.deb)"
  dpkg-deb -f "$deb" Description > "$tmp/beschreibung"
  test "$(head -n 1 "$tmp/beschreibung")" = "Kommunikationshilfe: Sätze aus Bildern sprechen lassen"
  test "$(wc -l < "$tmp/beschreibung")" -ge 3
  if tail -n +2 "$tmp/beschreibung" | grep -qv '^ [^ ;]'; then
    echo "Beschreibung des Pakets:"; cat "$tmp/beschreibung"; exit 1
  fi
fi

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
