#!/usr/bin/env bash
# Builds the fuzz targets (preset "fuzz": clang, libFuzzer, address and undefined-behaviour
# sanitizers) and runs each for the given number of seconds, on the seed corpus in fuzz/korpus.
# What a run finds lands in build/fuzz/funde/; new inputs in build/fuzz/korpus/, never in the repo.
# FUZZ_SEED fixes libFuzzer's random seed, so that a run can be repeated (CI does).
set -euo pipefail
cd "$(dirname "$0")/.."
sekunden=${1:-60}
scripts/abhaengigkeiten.sh fuzz
cmake --preset fuzz >/dev/null
cmake --build build/fuzz -j "${JOBS:-$(nproc)}" >/dev/null
wurzel=$(pwd)/build/fuzz
mkdir -p "$wurzel/funde"
# Target and longest input: the tariff file needs its 336 records, a case file takes ten records
# (case, table, calendar, two names, tax, four fields of the person), the arguments are short.
for ziel in einstellungssatz:750 monatsliste:750 tarifdatei:36288 kommandozeile:256; do
    name=${ziel%%:*}
    mkdir -p "$wurzel/korpus/$name"
    protokoll=$wurzel/fuzz_$name.log
    echo "fuzz_$name: $sekunden s"
    if ! "$wurzel/fuzz/fuzz_$name" -max_total_time="$sekunden" -max_len="${ziel##*:}" -timeout=10 \
        ${FUZZ_SEED:+-seed="$FUZZ_SEED"} \
        -print_final_stats=1 -artifact_prefix="$wurzel/funde/$name-" \
        "$wurzel/korpus/$name" "$(pwd)/fuzz/korpus/${name/monatsliste/einstellungssatz}" \
        >"$protokoll" 2>&1; then
        tail -n 40 "$protokoll"
        echo "fuzz_$name hat einen Fund (siehe $protokoll und $wurzel/funde/)." >&2
        exit 1
    fi
    grep -E '^stat::(number_of_executed_units|new_units_added)' "$protokoll" | sed 's/^/  /'
    laeufe=$(sed -n 's/^stat::number_of_executed_units: //p' "$protokoll")
    echo "  Eingaben je Sekunde: $((laeufe / sekunden))"
done
