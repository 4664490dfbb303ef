// How long net pay takes: one run of the 2026 wage-tax program, and the net pay of both cases over
// 600 months with their annual bonuses (target: under 2 ms).
#include <benchmark/benchmark.h>

#include <vector>

#include "jahressonderzahlung.h"
#include "lohnsteuer.h"
#include "nettolohn.h"
#include "tabellenfolge.h"
#include "teilzeit.h"
#include "zaehlende_meldungen.h"

namespace {

using namespace korvalt;

const KalenderMonat beginn = fruehesterBeginn;
constexpr int monate = 600;

void lohnsteuerprogrammEinesMonats(benchmark::State& state) {
    PapEingaben e;
    e.RE4 = Dezimal(420356, 0);
    e.KVZ = Dezimal(290, 2);
    e.PVZ = 1;
    e.R = 1;
    for (auto _ : state) {
        e.RE4 = e.RE4.add(Dezimal::ONE);
        benchmark::DoNotOptimize(lohnsteuerBerechnen("Lohnsteuer2026", e));
    }
}
BENCHMARK(lohnsteuerprogrammEinesMonats);

struct Fall {
    std::vector<Long> cent;
    std::vector<Integer> gruppe;
    std::vector<Sonderzahlung> sonderzahlungen;
};

// Both cases by date in the VKA tables from 03/2024 with 2,5 % a year from 04/2027: the normal
// case in 9b at full time, the individual one promoted to 11 after five years, at 87,5 %; the step
// rises every two years up to 6.
std::vector<Fall> beideFaelle(benchmark::State& state) {
    bench::ZaehlendeMeldungen meldungen;
    Tarifdatei datei;
    const Tabellenkatalog katalog = datei.aufsuchen({"."}, meldungen);
    if (meldungen.warnungen > 0) state.SkipWithError("zelbar06.1tr fehlt im Arbeitsverzeichnis");
    std::vector<DatierteTabelle> tabellen;
    Tariftabelle tabelle;
    for (const char* schluessel : {"2024-03", "2025-04", "2026-05"}) {
        tabelle = katalog.tabelle(schluessel);
        tabellen.push_back(
            {*kalenderMonatLesen(schluessel), schluessel, entgelttabelleLesen(datei, tabelle)});
    }
    const Tabellenfolge folge(tabellen, AngenommeneErhoehung{25, standardErhoehungAb},
                              beginn + (monate - 1));
    std::string fehler;
    const auto saetze = sonderzahlungssaetzeLaden(".", fehler);
    if (!saetze) state.SkipWithError(fehler.c_str());
    std::vector<Fall> faelle(2);
    for (int m = 0; m < monate; ++m) {
        const int stufe = std::min(1 + m / 24, 6);
        const auto gruppeN = static_cast<Integer>(tabelle.gruppennummer("9b").value_or(1));
        const auto gruppeI =
            m < 60 ? gruppeN : static_cast<Integer>(tabelle.gruppennummer("11").value_or(1));
        faelle[0].gruppe.push_back(gruppeN);
        faelle[1].gruppe.push_back(gruppeI);
        faelle[0].cent.push_back(folge.entgelt(beginn + m, gruppeN, stufe).value_or(0));
        faelle[1].cent.push_back(
            teilzeitCent(folge.entgelt(beginn + m, gruppeI, stufe).value_or(0), 8750));
    }
    for (Fall& f : faelle)
        if (saetze)
            f.sonderzahlungen = jahressonderzahlungen({beginn, f.cent, f.gruppe}, tabelle, *saetze,
                                                      Arbeitgeberseite::vka);
    return faelle;
}

void nettolohn600MonateBeiderFaelle(benchmark::State& state) {
    const std::vector<Fall> faelle = beideFaelle(state);
    Steuerangaben angaben = neueSteuerangaben();
    angaben.kirchensteuerProzent = 9;
    for (auto _ : state) {
        for (const Fall& f : faelle) {
            const Nettoreihe reihe = nettoreiheRechnen(beginn, f.cent, f.sonderzahlungen, true,
                                                       angaben, Arbeitgeberseite::vka);
            benchmark::DoNotOptimize(reihe.monate.back().netto);
        }
    }
}
BENCHMARK(nettolohn600MonateBeiderFaelle)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
