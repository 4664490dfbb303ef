// How long the calendar-time rules take for 600 months: both cases' month pays by date under the
// VKA tables with an assumed yearly raise and part-time, the year view with the annual bonus, and
// a promotion check of 600 months recalculated with its year view.
#include <benchmark/benchmark.h>

#include <vector>

#include "fallaenderungen.h"
#include "jahresdaten.h"
#include "jahressonderzahlung.h"
#include "jahresuebersicht.h"
#include "tabellenfolge.h"
#include "teilzeit.h"
#include "zaehlende_meldungen.h"

namespace {

using namespace korvalt;

const KalenderMonat beginn = fruehesterBeginn;
constexpr int monate = 600;

struct Vka {
    std::vector<DatierteTabelle> tabellen;
    Tariftabelle tabelle;
};

Vka vkaLaden(benchmark::State& state) {
    bench::ZaehlendeMeldungen meldungen;
    Tarifdatei datei;
    const Tabellenkatalog katalog = datei.aufsuchen({"."}, meldungen);
    if (meldungen.warnungen > 0) state.SkipWithError("zelbar06.1tr fehlt im Arbeitsverzeichnis");
    Vka vka;
    for (const char* schluessel : {"2024-03", "2025-04", "2026-05"}) {
        vka.tabelle = katalog.tabelle(schluessel);
        vka.tabellen.push_back(
            {*kalenderMonatLesen(schluessel), schluessel, entgelttabelleLesen(datei, vka.tabelle)});
    }
    return vka;
}

// Group and step of each month as the month walk leaves them: 9b, 9c, 10 and 11 for 150 months
// each, the default step durations in every group.
struct Verlauf {
    std::vector<Integer> gruppe;
    std::vector<Integer> stufe;
};

Verlauf verlauf() {
    Verlauf v;
    constexpr int stufenende[] = {12, 36, 72, 120};
    for (int m = 0; m < monate; ++m) {
        const int imGruppe = m % 150;
        int stufe = 1;
        while (stufe < 5 && imGruppe >= stufenende[stufe - 1]) ++stufe;
        v.gruppe.push_back(static_cast<Integer>(10 + m / 150));
        v.stufe.push_back(static_cast<Integer>(m < 150 ? stufe : std::max(stufe, 2)));
    }
    return v;
}

// The month pays of both cases, normal at full time and individual at 87,5 %.
void monatscentFuellen(const Tabellenfolge& folge, const Verlauf& v, std::vector<Long>& normal,
                       std::vector<Long>& individuell) {
    for (int m = 0; m < monate; ++m) {
        const Long cent =
            folge.entgelt(beginn + m, v.gruppe[std::size_t(m)], v.stufe[std::size_t(m)])
                .value_or(0);
        normal[std::size_t(m)] = teilzeitCent(cent, vollzeitAnteil);
        individuell[std::size_t(m)] = teilzeitCent(cent, 8750);
    }
}

// The tables in force from 03/2024 (two agreed raises), 2,5 % a year from 04/2027: the raised
// tables are built anew, as after every change of the settings.
void monateNachDatum(benchmark::State& state) {
    const Vka vka = vkaLaden(state);
    const Verlauf v = verlauf();
    std::vector<Long> normal(monate), individuell(monate);
    for (auto _ : state) {
        const Tabellenfolge folge(vka.tabellen, AngenommeneErhoehung{25, standardErhoehungAb},
                                  beginn + (monate - 1));
        monatscentFuellen(folge, v, normal, individuell);
        benchmark::DoNotOptimize(individuell.back());
    }
}
BENCHMARK(monateNachDatum)->Unit(benchmark::kMicrosecond);

void jahresuebersichtMitSonderzahlung(benchmark::State& state) {
    const Vka vka = vkaLaden(state);
    const Verlauf v = verlauf();
    std::vector<Long> normal(monate), individuell(monate);
    monatscentFuellen(Tabellenfolge(vka.tabellen, AngenommeneErhoehung{25, standardErhoehungAb},
                                    beginn + (monate - 1)),
                      v, normal, individuell);
    std::string fehler;
    const auto saetze = sonderzahlungssaetzeLaden(".", fehler);
    if (!saetze) state.SkipWithError(fehler.c_str());
    for (auto _ : state) {
        const auto bonusN = jahressonderzahlungen({beginn, normal, v.gruppe}, vka.tabelle, *saetze,
                                                  Arbeitgeberseite::vka);
        const auto bonusI = jahressonderzahlungen({beginn, individuell, v.gruppe}, vka.tabelle,
                                                  *saetze, Arbeitgeberseite::vka);
        const auto uebersicht =
            jahresuebersichtBilden({normal, bonusN}, {individuell, bonusI}, beginn);
        benchmark::DoNotOptimize(uebersicht.gesamt.kumuliert);
    }
}
BENCHMARK(jahresuebersichtMitSonderzahlung)->Unit(benchmark::kMicrosecond);

// The promotion check from 9a to 9b zum 07/2026, step 3 since 04/2024, both at 75 %, from
// 01/2026 to 12/2075: the normal case stays in 9a for 600 months, the individual one has 594 in
// 9b. One run is what the check costs: setting up the case, the full recalculation and the year
// view's figures. With periods: a year of parental leave from 10/2028, full time from 10/2029 and a
// year of unpaid leave in 2040, which should cost no more.
void hoehergruppierung600Monate(benchmark::State& state, bool mitPerioden) {
    bench::ZaehlendeMeldungen meldungen;
    Sitzung sitzung;
    if (!sitzung.oeffnen({{"."}}, meldungen).fehler.empty() || meldungen.warnungen > 0)
        state.SkipWithError("zelbar06.1tr fehlt im Arbeitsverzeichnis");
    Hoehergruppierung h;
    h.gruppe = "9a";
    h.stufe = AktuelleStufe{3, KalenderMonat(2024, 4)};
    h.zielgruppe = "9b";
    h.zum = KalenderMonat(2026, 7);
    h.beginn = KalenderMonat(2026, 1);
    h.ende = KalenderMonat(2075, 12);
    h.anteil = 7500;
    std::string fehler;
    if (mitPerioden) {
        const auto zeitraum = [](Zeitraumart art, KalenderMonat von,
                                 std::optional<KalenderMonat> bis) {
            Zeitraum z;
            z.art = art;
            z.von = von;
            z.bis = bis;
            return z;
        };
        const Zeitraum elternzeit = zeitraum(Zeitraumart::elternzeit, {2028, 10}, {{2029, 9}});
        const Zeitraum vollzeit = zeitraum(Zeitraumart::teilzeit, {2029, 10}, std::nullopt);
        const Zeitraum sonderurlaub = zeitraum(Zeitraumart::sonderurlaub, {2040, 1}, {{2040, 12}});
        if (!sitzung.hoehergruppierungEinrichten(h, fehler) ||
            !sitzung.aendern(mitZeitraeumen(sitzung.fall(), {elternzeit, vollzeit, sonderurlaub},
                                            sitzung.katalog()),
                             fehler))
            state.SkipWithError(fehler.c_str());
    }
    for (auto _ : state) {
        if (!sitzung.hoehergruppierungEinrichten(h, fehler)) state.SkipWithError(fehler.c_str());
        sitzung.starten(sitzung.fall().startgruppe);
        const Jahresdaten daten = jahresdatenBilden(sitzung, true);
        benchmark::DoNotOptimize(daten.uebersicht.gesamt.kumuliert);
    }
    state.counters["Monate"] = sitzung.daten().monatsanzahl;
}
BENCHMARK_CAPTURE(hoehergruppierung600Monate, ohne_zeitraeume, false)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(hoehergruppierung600Monate, mit_zeitraeumen, true)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
