#!/usr/bin/env bash
# Installs the build into a temporary prefix and runs the installed program from an empty folder,
# as a user would after installing it: it must find its tariff file through ../share/korvalt.
# Aufruf: test_installation.sh BUILDVERZEICHNIS VERSION
set -uo pipefail
build=$1
version=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fehler=0
falsch() {
    echo "FEHLER: $*" >&2
    fehler=1
}

if ! cmake --install "$build" --prefix "$tmp/usr" >"$tmp/install.log" 2>&1; then
    cat "$tmp/install.log" >&2
    echo "FEHLER: cmake --install ist gescheitert" >&2
    exit 1
fi
for datei in bin/korvalt lib/korvalt/libkorvalt_diagramm.so share/korvalt/zelbar06.1tr \
    share/applications/de.korvalt.Korvalt.desktop \
    share/metainfo/de.korvalt.Korvalt.metainfo.xml \
    share/mime/packages/de.korvalt.Korvalt.xml \
    share/icons/hicolor/scalable/apps/korvalt.svg \
    share/icons/hicolor/48x48/apps/korvalt.png \
    share/icons/hicolor/256x256/apps/korvalt.png \
    share/man/man1/korvalt.1.gz; do
    [ -s "$tmp/usr/$datei" ] || falsch "$datei fehlt in der Installation"
done
for groesse in 48 256; do
    bild="$tmp/usr/share/icons/hicolor/${groesse}x${groesse}/apps/korvalt.png"
    # A PNG keeps its width and height as big-endian words at bytes 16 and 20.
    [ "$(od -An -tx1 -j16 -N8 "$bild" 2>/dev/null | tr -d ' \n')" = "$(printf '%08x%08x' "$groesse" "$groesse")" ] ||
        falsch "$bild ist kein ${groesse}x${groesse}-PNG"
done
gzip -dc "$tmp/usr/share/man/man1/korvalt.1.gz" | grep -qF -- '\-\-version' ||
    falsch "die Handbuchseite nennt --version nicht"
update-mime-database "$tmp/usr/share/mime" >/dev/null 2>&1 &&
    grep -qx 'application/x-korvalt:\*\.korvalt' "$tmp/usr/share/mime/globs" ||
    falsch "der Dateityp application/x-korvalt für *.korvalt ist nicht eingetragen"

programm="$tmp/usr/bin/korvalt"
mkdir "$tmp/leer"
cd "$tmp/leer" || exit 1

ausgabe=$("$programm" --version) || falsch "korvalt --version endet mit Status $?"
[ "$ausgabe" = "Korvalt $version" ] || falsch "korvalt --version: \"$ausgabe\" statt \"Korvalt $version\""

"$programm" --monatsliste - >"$tmp/liste.csv" 2>"$tmp/fehler.txt" ||
    falsch "korvalt --monatsliste - endet mit Status $?: $(cat "$tmp/fehler.txt")"
head -n 2 "$tmp/liste.csv" | tail -n 1 | grep -qx '1;9;1;2061,00;9;1;2061,00;0' ||
    falsch "die CSV-Liste beginnt nicht mit dem ersten Monat des Beispielfalls: $(head -n 2 "$tmp/liste.csv")"

"$programm" --monatsliste liste.pdf 2>"$tmp/fehler.txt" ||
    falsch "korvalt --monatsliste liste.pdf endet mit Status $?: $(cat "$tmp/fehler.txt")"
[ "$(head -c 5 liste.pdf 2>/dev/null)" = "%PDF-" ] || falsch "liste.pdf ist keine PDF-Datei"

# The year list's page carries the chart, which the installed program loads from its module.
"$programm" --beginn 07/2026 --tabelle vka --jahresliste jahr.pdf 2>"$tmp/fehler.txt" ||
    falsch "korvalt --jahresliste jahr.pdf endet mit Status $?: $(cat "$tmp/fehler.txt")"
[ "$(head -c 5 jahr.pdf 2>/dev/null)" = "%PDF-" ] || falsch "jahr.pdf ist keine PDF-Datei"

rm -f liste.pdf jahr.pdf
[ -z "$(ls -A)" ] || falsch "korvalt hinterlässt im Arbeitsverzeichnis: $(ls -A)"

[ "$fehler" -eq 0 ] && echo "Installation in $tmp/usr geprüft: Dateien, --version, CSV, PDF, Jahresliste"
exit "$fehler"
