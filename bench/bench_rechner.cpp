// How long one full recalculation takes on the plain field store: the default case, and 600 months
// in both cases in the table of 2006 and in that of May 2026.
#include <benchmark/benchmark.h>

#include <memory>

#include "einstellungssatz.h"
#include "speicherfall.h"
#include "zaehlende_meldungen.h"

namespace {

std::unique_ptr<korvalt::Speicherfall> geladenerFall(benchmark::State& state,
                                                     const char* tabelle = nullptr) {
    auto fall = std::make_unique<korvalt::Speicherfall>();
    korvalt::bench::ZaehlendeMeldungen meldungen;
    fall->anzeige.laden({{"."}, {}, tabelle ? tabelle : ""}, meldungen);
    if (meldungen.warnungen > 0) state.SkipWithError("zelbar06.1tr fehlt im Arbeitsverzeichnis");
    return fall;
}

void startenStandardfall(benchmark::State& state) {
    auto fall = geladenerFall(state);
    for (auto _ : state) {
        fall->anzeige.starten();
        benchmark::DoNotOptimize(fall->sitzung.tabellen().gesamtbetrag(1));
    }
    state.counters["Monate"] = fall->sitzung.daten().monatsanzahl;
}
BENCHMARK(startenStandardfall)->Unit(benchmark::kMicrosecond);

void starten600Monate(benchmark::State& state, const char* tabelle) {
    auto fall = geladenerFall(state, tabelle);
    for (int c = 1; c <= 4; ++c)
        for (korvalt::Seite seite : {korvalt::Seite::normal, korvalt::Seite::individuell})
            fall->sitzung.dauerSetzen(seite, c, 0, 300);
    for (auto _ : state) {
        fall->anzeige.starten();
        benchmark::DoNotOptimize(fall->sitzung.tabellen().gesamtbetrag(2));
    }
    state.counters["Monate"] = fall->sitzung.daten().monatsanzahl;
}
BENCHMARK_CAPTURE(starten600Monate, 2006, nullptr)->Unit(benchmark::kMicrosecond);
// The step-keeping rule of the tables from 2024, in cents.
BENCHMARK_CAPTURE(starten600Monate, 2026_05, "2026-05")->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
