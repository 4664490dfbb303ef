#!/usr/bin/env bash
# Hält die Ausgaben von Korvalt für feste Fälle fest und prüft nach einem Umbau, dass sie gleich bleiben.
#
# Aufruf: ausgaben_vergleichen.sh erzeugen     PROGRAMM ZIELORDNER [TABELLE]   schreibt die Ausgaben nach ZIELORDNER
#         ausgaben_vergleichen.sh vergleichen  PROGRAMM ZIELORDNER [TABELLE]   erzeugt sie neu und vergleicht
# Mit TABELLE (ein Schlüssel wie 2026-05) rechnen alle Fälle in dieser Tariftabelle, sonst in der ihren.
# PROGRAMM ist das gebaute korvalt; die Tarifdatei zelbar06.1tr liegt neben ihm. Von den PDF-Dateien
# bleibt nur der Text (pdftotext -layout), denn die PDF-Dateien tragen Erstellungszeit und Kennungen.
# Rückgabewerte: 0 gleich bzw. erzeugt, 1 Unterschiede, 2 falscher Aufruf oder Fehler beim Erzeugen.
set -euo pipefail

hilfe() { sed -n '2,9s/^# \{0,1\}//p' "$0" >&2; exit 2; }
[ $# -eq 3 ] || [ $# -eq 4 ] || hilfe
modus=$1 programm=$2 ziel=$3 tabelle=()
[ $# -eq 4 ] && tabelle=(--tabelle "$4")
[ "$modus" = erzeugen ] || [ "$modus" = vergleichen ] || hilfe
[ -x "$programm" ] || { echo "Kein ausführbares Programm: $programm" >&2; exit 2; }
command -v pdftotext >/dev/null || { echo "pdftotext fehlt (Paket poppler-utils)" >&2; exit 2; }
programm=$(cd "$(dirname "$programm")" && pwd)/$(basename "$programm")

arbeit=$(mktemp -d)
trap 'rm -rf "$arbeit"' EXIT

# Ein Byte mit dem Code $1.
byte() { printf "\\$(printf '%03o' "$1")"; }

# Stufendauern: sechs Werte gelten für alle vier Spalten, sonst stehen 24 Werte da.
stufen() {
    local -a w=($1)
    [ ${#w[@]} -eq 6 ] && w=("${w[@]}" "${w[@]}" "${w[@]}" "${w[@]}")
    [ ${#w[@]} -eq 24 ] || { echo "Falsche Zahl Stufendauern: $1" >&2; exit 2; }
    for v in "${w[@]}"; do byte "$v"; done
}

# Der 75-Byte-Einstellungssatz: "st", Startgruppe als Byte, acht Gruppendauern als drei Ziffern
# (Normalfall, dann individueller Fall), je 24 Stufendauern als Bytes (Normalfall, dann individuell).
satz() { # DATEI STARTGRUPPE "GRDAUER_N x4" "GRDAUER_I x4" "STUFEN_N" "STUFEN_I"
    {
        printf st
        byte "$2"
        for g in $3 $4; do printf '%03d' "$g"; done
        stufen "$5"
        stufen "$6"
    } >"$1"
    [ "$(wc -c <"$1")" -eq 75 ] || { echo "Einstellungssatz nicht 75 Bytes: $1" >&2; exit 2; }
}

S="12 24 36 48 60 120"   # die Stufendauern des Beispielfalls
faelle=(
    "01_eg1_beispieldauern|1|120 120 120 120|120 120 120 120|$S|$S"
    "02_eg2_kurz|2|12 12 12 12|6 6 6 6|1 2 3 4 5 6|1 1 1 1 1 1"
    "03_eg3_gruppendauern_null|3|0 0 0 0|0 0 0 0|$S|$S"
    "04_eg4_gruppendauern_600|4|600 600 600 600|600 600 600 600|$S|$S"
    "05_eg5_stufe_null_in_der_mitte|5|120 120 120 120|120 120 120 120|12 0 36 0 60 120|12 24 0 0 60 120"
    "06_eg6_ungleich|6|120 60 36 24|240 120 60 12|$S|6 12 18 24 30 36"
    "07_eg7_sehr_lang|7|600 600 600 600|600 600 600 600|255 255 255 255 255 255|255 0 255 0 255 0"
    "08_eg8_je_spalte|8|100 200 300 400|400 300 200 100|12 24 36 48 60 120 6 12 18 24 30 36 24 24 24 24 24 24 1 2 3 4 5 6|60 0 60 0 60 0 12 12 12 12 12 12 0 0 0 0 0 12 36 36 36 36 36 36"
    "09_eg9_individuell_schneller|9|120 120 120 120|120 120 120 120|$S|1 2 3 4 5 6"
    "10_eg10_gruppendauer_null_einzeln|10|0 120 120 120|120 0 120 0|$S|$S"
    "11_eg11_normalfall_lang|11|600 600 600 600|36 36 36 36|60 60 60 60 60 60|12 12 12 12 12 12"
    "12_eg12_stufen_null_nur_normalfall|12|120 120 120 120|120 120 120 120|0 0 0 0 0 0|$S"
    "13_eg13_spalten_entfallen|13|120 120 120 120|120 120 120 120|$S|$S"
    "14_eg14_entfallen_lang|14|600 600 600 600|300 300 300 300|255 255 255 255 255 255|$S"
    "15_eg15_entfallen_kurz|15|12 24 36 48|1 2 3 4|3 6 9 12 15 18|0 0 12 0 0 12"
    "16_eg9_grenzwerte|9|599 1 600 5|5 600 1 599|255 1 255 1 255 1|1 255 1 255 1 255"
    "17_eg1_sehr_lang|1|600 600 600 600|600 600 600 600|120 120 120 120 120 120|255 255 255 255 255 255"
    "18_eg12_erste_und_letzte_stufe_null|12|60 60 60 60|60 60 60 60|0 24 36 48 60 120|12 24 36 48 60 0"
    "19_eg5_nur_eine_gruppe_lang|5|600 0 0 0|0 0 0 600|$S|$S"
    "20_eg13_ungleich_je_spalte|13|240 0 120 0|0 240 0 120|24 0 24 0 24 0 6 6 6 6 6 6 120 120 0 0 0 0 1 1 1 1 1 1|6 12 18 24 30 36"
)

# Ohne Bildschirm; die PDF-Ausgabe wählt dann selbst die Plattform "offscreen".
ausfuehren() { # ORDNER ARGUMENTE...
    local ordner=$1; shift
    (cd "$arbeit/leer" && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LC_ALL=C.UTF-8 TZ=UTC SOURCE_DATE_EPOCH=0 \
        XDG_RUNTIME_DIR="$arbeit/laufzeit" "$programm" "$@" "${tabelle[@]}") 2>>"$ordner/.fehler" ||
        { echo "korvalt $* scheiterte:" >&2; cat "$ordner/.fehler" >&2; exit 2; }
}

fall() { # ORDNER [EINSTELLUNGSDATEI]
    local ordner=$1 e=()
    mkdir -p "$ordner"
    [ $# -eq 2 ] && e=(--einstellungen "$2")
    ausfuehren "$ordner" --monatsliste "$ordner/monatsliste.csv" "${e[@]}"
    ausfuehren "$ordner" --monatsliste "$arbeit/m.pdf" "${e[@]}"
    ausfuehren "$ordner" --ergebnis "$arbeit/e.pdf" "${e[@]}"
    pdftotext -layout "$arbeit/m.pdf" "$ordner/monatsliste.txt"
    pdftotext -layout "$arbeit/e.pdf" "$ordner/ergebnis.txt"
    rm -f "$arbeit/m.pdf" "$arbeit/e.pdf" "$ordner/.fehler"
}

erzeugen() { # ORDNER
    mkdir -p "$arbeit/leer" "$1"
    mkdir -m 700 -p "$arbeit/laufzeit"
    fall "$1/00_beispielfall_ohne_einstellungsdatei"
    local f name sg gn gi sn si
    for f in "${faelle[@]}"; do
        IFS='|' read -r name sg gn gi sn si <<<"$f"
        mkdir -p "$1/$name"
        satz "$1/$name/einstellungen.dat" "$sg" "$gn" "$gi" "$sn" "$si"
        fall "$1/$name" "$1/$name/einstellungen.dat"
    done
    [ -z "$(ls -A "$arbeit/leer")" ] || { echo "korvalt schrieb ins Arbeitsverzeichnis" >&2; exit 2; }
}

if [ "$modus" = erzeugen ]; then
    [ ! -e "$ziel" ] || [ -z "$(ls -A "$ziel")" ] || { echo "$ziel ist nicht leer" >&2; exit 2; }
    erzeugen "$ziel"
    echo "$(find "$ziel" -type f | wc -l) Dateien in $ziel"
else
    [ -d "$ziel" ] || { echo "Kein Ordner: $ziel" >&2; exit 2; }
    erzeugen "$arbeit/neu"
    if diff -r "$ziel" "$arbeit/neu"; then
        echo "Gleich: alle $(find "$ziel" -type f | wc -l) Dateien stimmen mit $ziel überein."
    else
        echo "UNTERSCHIEDE zu $ziel (siehe oben)." >&2
        exit 1
    fi
fi
