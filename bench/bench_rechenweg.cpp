// The calculation alone, in numbers without a display field or text: the month walk of both cases
// and the comparison for 600 months, in the table of 2006, in that of May 2026 and in the VKA
// tables by date with two assumed raises and part-time, there also with tax settings whose net pay
// nothing reads (an Enter while no view shows it), and the net pay a view then reads. Set beside
// bench_rechner, it shows how much of a recalculation is filling the display.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <string_view>

#include "einstellungssatz.h"
#include "speicherfall.h"
#include "zaehlende_meldungen.h"

namespace {

// A loaded case whose groups each last 300 months, so that both cases fill all 600 months.
std::unique_ptr<korvalt::Speicherfall> fall600Monate(benchmark::State& state, const char* tabelle,
                                                     bool mitSteuer = false) {
    auto fall = std::make_unique<korvalt::Speicherfall>();
    korvalt::bench::ZaehlendeMeldungen meldungen;
    fall->anzeige.laden({{"."}, {}, tabelle ? tabelle : ""}, meldungen);
    if (meldungen.warnungen > 0) state.SkipWithError("zelbar06.1tr fehlt im Arbeitsverzeichnis");
    for (int c = 1; c <= 4; ++c)
        for (korvalt::Seite seite : {korvalt::Seite::normal, korvalt::Seite::individuell})
            fall->sitzung.dauerSetzen(seite, c, 0, 300);
    // By date from 03/2024: the tables of 2025 and 2026, then 2,5 % a year from 04/2027; the
    // individual case at 87,5 %.
    if (tabelle && std::string_view(tabelle) == "vka") {
        korvalt::Kalenderangaben kalender;
        kalender.beginn = korvalt::fruehesterBeginn;
        kalender.erhoehung = korvalt::AngenommeneErhoehung{25, korvalt::standardErhoehungAb};
        kalender.anteilI = 8750;
        std::string fehler;
        if (!fall->sitzung.kalenderSetzen(kalender, fehler)) state.SkipWithError(fehler.c_str());
        korvalt::Steuerangaben steuer;
        steuer.kirchensteuerProzent = 9;
        if (mitSteuer && !fall->sitzung.steuerSetzen(steuer, fehler))
            state.SkipWithError(fehler.c_str());
    }
    fall->anzeige.starten();
    return fall;
}

void gehenUndVergleichen(benchmark::State& state, const char* tabelle, bool mitSteuer = false) {
    auto fall = fall600Monate(state, tabelle, mitSteuer);
    korvalt::Sitzung& sitzung = fall->sitzung;
    for (auto _ : state) {
        sitzung.fortschreiten(korvalt::Seite::normal);
        sitzung.fortschreiten(korvalt::Seite::individuell);
        sitzung.vergleichen();
        benchmark::DoNotOptimize(fall->sitzung.tabellen().gesamtbetrag(2));
    }
    state.counters["Monate"] = fall->sitzung.daten().monatsanzahl;
}
BENCHMARK_CAPTURE(gehenUndVergleichen, 2006, nullptr)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(gehenUndVergleichen, 2026_05, "2026-05")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(gehenUndVergleichen, vka, "vka")->Unit(benchmark::kMicrosecond);
// Net pay is computed only when something reads it: the recalculation costs what it did.
BENCHMARK_CAPTURE(gehenUndVergleichen, vka_mit_steuerangaben, "vka", true)
    ->Unit(benchmark::kMicrosecond);

// What a view that shows net pay adds to each recalculation: both cases' 600 months through the
// wage tax and the social insurance, their bonuses included (target: under 2 ms).
void vergleichenUndNetto(benchmark::State& state) {
    auto fall = fall600Monate(state, "vka", true);
    korvalt::Sitzung& sitzung = fall->sitzung;
    for (auto _ : state) {
        sitzung.vergleichen();
        benchmark::DoNotOptimize(sitzung.netto()->reihen[1].monate.back().netto);
    }
}
BENCHMARK(vergleichenUndNetto)->Unit(benchmark::kMicrosecond);

// The whole chain of the Rechner, with the pay table read from the tariff file.
void rechnerStarten(benchmark::State& state, const char* tabelle) {
    auto fall = fall600Monate(state, tabelle);
    korvalt::Sitzung& sitzung = fall->sitzung;
    const korvalt::Integer startgruppe = sitzung.tabellen().gruppe(1);
    for (auto _ : state) {
        sitzung.starten(startgruppe);
        benchmark::DoNotOptimize(fall->sitzung.tabellen().gesamtbetrag(2));
    }
}
BENCHMARK_CAPTURE(rechnerStarten, 2006, nullptr)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(rechnerStarten, 2026_05, "2026-05")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(rechnerStarten, vka, "vka")->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
