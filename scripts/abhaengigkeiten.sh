#!/usr/bin/env bash
# Installs what building, running, testing and packaging Korvalt needs on Debian 12, and only what
# is missing.
set -euo pipefail
# Further package names given as arguments are installed too; `fuzz` stands for clang with
# libFuzzer and its sanitizer runtimes.
zusatz=()
for a in "$@"; do
    if [ "$a" = fuzz ]; then zusatz+=(clang libclang-rt-dev); else zusatz+=("$a"); fi
done
pakete=(cmake make g++ pkg-config qt6-base-dev qt6-base-dev-tools qt6-charts-dev libgl-dev libgtest-dev libgmock-dev
        libbenchmark-dev libxlsxwriter-dev unzip fonts-liberation poppler-utils xvfb xauth
        qt6-translations-l10n librsvg2-bin desktop-file-utils appstream shared-mime-info dpkg-dev file
        "${zusatz[@]}")
fehlt=()
for p in "${pakete[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlt+=("$p")
done
[ ${#fehlt[@]} -eq 0 ] && exit 0
echo "Installiere: ${fehlt[*]}"
if [ "$(id -u)" -ne 0 ]; then
    echo "Bitte als root ausführen: apt-get update && apt-get install -y ${fehlt[*]}" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq "${fehlt[@]}"
