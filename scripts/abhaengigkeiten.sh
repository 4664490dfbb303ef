#!/usr/bin/env bash
# Installs what building, running and testing Korvalt needs on Debian 12, and only what is missing.
set -euo pipefail
pakete=(cmake make g++ pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev libgtest-dev libgmock-dev
        libbenchmark-dev fonts-liberation poppler-utils xvfb xauth)
# `abhaengigkeiten.sh fuzz`: also clang with libFuzzer and its sanitizer runtimes.
if [ "${1:-}" = fuzz ]; then pakete+=(clang libclang-rt-dev); fi
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
