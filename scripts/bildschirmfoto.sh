#!/usr/bin/env bash
# Takes the README's screenshot docs/korvalt.png: the window on the example case, under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/abhaengigkeiten.sh imagemagick
[ -f build/release/CMakeCache.txt ] || cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release
cmake --build build/release -j "$(nproc)" --target korvalt tarifdatei
programm=$PWD/build/release/korvalt
ziel=$PWD/docs/korvalt.png
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
# An empty working directory has no saved case: the window shows the example case.
cd "$tmp"
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x900x24" bash -c '
    "$1" &
    programm=$!
    # The screen stays black until the window is drawn; then give it a moment to settle.
    for _ in $(seq 40); do
        sleep 0.5
        import -window root "$2"
        [ "$(convert "$2" -format "%[fx:mean>0.05]" info:)" = 1 ] && break
    done
    sleep 1
    import -window root "$2"
    kill "$programm"' _ "$programm" "$tmp/bildschirm.png"
# The window sits on a black screen without a window manager: a black frame lets -trim cut the
# picture to the window. Its few colours fit a palette, which keeps the file small.
convert "$tmp/bildschirm.png" -bordercolor black -border 1 -trim +repage +dither -colors 256 -strip \
    "PNG8:$ziel"
echo "Bildschirmfoto: $ziel ($(identify -format '%wx%h' "$ziel"))"
