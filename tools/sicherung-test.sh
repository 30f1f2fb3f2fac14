#!/bin/sh
# Drives sagwerk-sicherung on a fresh user file in a folder of its own.
#
#   sicherung-test.sh ablauf|gesperrt SAGWERK-NEWUSER SAGWERK-SICHERUNG
#
# ablauf:   back up, list, check, damage the user file, restore it; the
#           restored file is sound and the damaged one is kept beside it.
# gesperrt: a restore is refused while a program holds the user file.

set -u
fall=$1
newuser=$2
sicherung=$3

ort=$(mktemp -d) || exit 1
trap 'rm -rf "$ort"' EXIT
cd "$ort" || exit 1

scheitern() {
    echo "FEHLER: $*" >&2
    exit 1
}

# Runs the tool; its output goes to "aus", its exit code to $rc.
aufruf() {
    "$sicherung" "$@" >aus 2>&1
    rc=$?
    cat aus
}

erwarte() {
    [ "$rc" -eq "$1" ] || scheitern "Rückgabewert $rc statt $1 bei: $2"
}

"$newuser" Anna Test Anna.mdb >/dev/null || scheitern "sagwerk-newuser"

aufruf sichern Anna.mdb
erwarte 0 "sichern"
set -- Sicherungen/Anna.????-??-??.mdb
[ $# -eq 1 ] && [ -f "$1" ] || scheitern "keine Sicherung angelegt"
gesichert=$1
tag=${gesichert#Sicherungen/Anna.}
tag=${tag%.mdb}

case $fall in
ablauf)
    aufruf liste Anna.mdb
    erwarte 0 "liste"
    grep -q "Sicherung .*$gesichert" aus || scheitern "liste zeigt die Sicherung nicht"

    aufruf pruefen --alle Anna.mdb
    erwarte 0 "pruefen --alle"
    [ "$(grep -c ': in Ordnung$' aus)" -eq 2 ] || scheitern "pruefen --alle prüft nicht beide"

    # Another user's file under a backup name is listed but never restored.
    "$newuser" Ben Fremd Ben.mdb >/dev/null || scheitern "sagwerk-newuser Ben"
    cp Ben.mdb Sicherungen/Anna.1999-02-02.mdb
    aufruf zurueck Anna.mdb 1999-02-02
    erwarte 1 "zurueck mit der Datei eines anderen Benutzers"
    grep -q "gehört nicht zu diesem Benutzer" aus || scheitern "keine Meldung zum fremden Benutzer"
    rm Sicherungen/Anna.1999-02-02.mdb
    # A damaged backup is marked in the list.
    cp "$gesichert" Sicherungen/Anna.1999-03-03.mdb
    dd if=/dev/zero of=Sicherungen/Anna.1999-03-03.mdb bs=4096 seek=4 count=4 conv=notrunc 2>/dev/null
    aufruf liste Anna.mdb
    grep "1999-03-03" aus | grep -q "BESCHÄDIGT" || scheitern "liste zeigt die beschädigte Sicherung nicht an"
    grep "$gesichert" aus | grep -q "BESCHÄDIGT" && scheitern "liste nennt eine heile Sicherung beschädigt"
    rm Sicherungen/Anna.1999-03-03.mdb

    # A few pages in the middle overwritten, the first page left whole.
    dd if=/dev/zero of=Anna.mdb bs=4096 seek=4 count=4 conv=notrunc 2>/dev/null
    aufruf pruefen Anna.mdb
    erwarte 1 "pruefen der beschädigten Datei"

    # A file that is no backup of this user is refused and changes nothing.
    cp "$gesichert" fremd.mdb
    aufruf zurueck Anna.mdb fremd.mdb
    erwarte 1 "zurueck mit einer fremden Datei"
    aufruf zurueck Anna.mdb 1999-01-01
    erwarte 1 "zurueck mit einem Tag ohne Sicherung"
    [ -z "$(ls Sicherungen | grep ersetzt)" ] || scheitern "abgelehntes zurueck hat ersetzt"

    aufruf zurueck Anna.mdb "$tag"
    erwarte 0 "zurueck"
    aufruf pruefen Anna.mdb
    erwarte 0 "pruefen nach zurueck"

    aufruf liste Anna.mdb
    ersetzt=$(sed -n 's/^.*ersetzte Datei.*  \(Sicherungen\/Anna\.ersetzt-.*\.mdb\)$/\1/p' aus)
    [ -n "$ersetzt" ] && [ -f "$ersetzt" ] || scheitern "liste zeigt die ersetzte Datei nicht"
    # The file kept aside is the damaged one, not a copy of the backup.
    aufruf pruefen "$ersetzt"
    erwarte 1 "pruefen der ersetzten Datei"

    # At once again: the first replaced file is not overwritten.
    aufruf zurueck Anna.mdb
    erwarte 0 "zweites zurueck"
    [ "$(ls Sicherungen | grep -c '^Anna\.ersetzt-.*\.mdb$')" -eq 2 ] ||
        scheitern "zweites zurueck hat die erste ersetzte Datei überschrieben"

    aufruf
    erwarte 2 "Aufruf ohne Befehl"
    aufruf pruefen --alle Anna.mdb "$gesichert"
    erwarte 2 "pruefen --alle mit zwei Dateien"
    ;;
gesperrt)
    command -v flock >/dev/null || { echo "flock fehlt; übersprungen"; exit 0; }
    dd if=/dev/zero of=Anna.mdb bs=4096 seek=4 count=4 conv=notrunc 2>/dev/null
    cp Anna.mdb vorher.mdb
    # flock holds the same lock a running Sagwerk holds on its user file.
    flock -n .Anna.mdb.sperre "$sicherung" zurueck Anna.mdb >aus 2>&1
    rc=$?
    cat aus
    erwarte 1 "zurueck bei geöffneter Benutzerdatei"
    grep -q "geöffnet" aus || scheitern "keine Meldung zur geöffneten Datei"
    cmp -s Anna.mdb vorher.mdb || scheitern "die geöffnete Benutzerdatei wurde verändert"
    [ -z "$(ls Sicherungen | grep ersetzt)" ] || scheitern "bei geöffneter Datei ersetzt"
    # Once the program has ended, the same call works.
    aufruf zurueck Anna.mdb
    erwarte 0 "zurueck nach dem Ende des Programms"
    ;;
*)
    scheitern "unbekannter Fall $fall"
    ;;
esac
exit 0
