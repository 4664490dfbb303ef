// The window's speed: Enter in a duration field of a case of 600 months through the real key
// handler until every field and the grid model are updated, the same until everything is
// repainted (with the year view closed and open), an undo and a redo of such a change until
// repainted, the grid's refresh, the year view opened, and the program's start-up to its first
// painted window beside that of a bare Qt window.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <unistd.h>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "erstes_bild.h"
#include "hauptfenster.h"
#include "jahresansicht.h"
#include "jahresdiagramm.h"
#include "korvaltei.h"
#include "monatsgitter.h"
#include "zaehlende_meldungen.h"

extern char** environ;

namespace {

std::filesystem::path programmverzeichnis;

// Both cases 150 months in each of the four groups: 600 months, the longest case there is.
std::filesystem::path einstellungen600Monate() {
    const auto datei = std::filesystem::temp_directory_path() / "korvalt-bench-600.dat";
    std::string satz = "st";
    satz.push_back(9);
    for (int i = 0; i < 8; ++i) satz += "150";
    for (int i = 0; i < 8; ++i)
        for (int s : {12, 24, 36, 48, 60, 120}) satz.push_back(static_cast<char>(s));
    std::ofstream(datei, std::ios::binary) << satz;
    return datei;
}

// The window with that case loaded; the benchmark is skipped when the case is not what it measures.
struct Fenster600 {
    explicit Fenster600(benchmark::State& state) {
        const auto datei = einstellungen600Monate();
        fenster.laden({{"."}, datei});
        std::filesystem::remove(datei);
        if (meldungen.warnungen > 0)
            state.SkipWithError("zelbar06.1tr fehlt im Arbeitsverzeichnis");
        if (sitzung->daten().monatsanzahl != 600) state.SkipWithError("kein Fall von 600 Monaten");
    }
    korvalt::bench::ZaehlendeMeldungen meldungen;
    const std::unique_ptr<korvalt::Sitzung> sitzung = std::make_unique<korvalt::Sitzung>();
    korvalt::Korvaltei fenster{*sitzung, meldungen};
};

void enterInDauerfeld(benchmark::State& state, const char* name, int index) {
    Fenster600 f600(state);
    auto& [meldungen, sitzung, fenster] = f600;
    fenster.show();
    QLineEdit* feld = nullptr;
    for (auto* f : fenster.findChildren<QLineEdit*>(name))
        if (f->property("index").toInt() == index) feld = f;
    if (!feld) {
        state.SkipWithError("Feld nicht gefunden");
        return;
    }
    for (auto _ : state) {
        QTest::keyClick(feld, Qt::Key_Return);
        benchmark::DoNotOptimize(sitzung->tabellen().gesamtbetrag(2));
    }
    state.counters["Monate"] = sitzung->daten().monatsanzahl;
}

void enterGruppendauerIndividuell(benchmark::State& state) {
    enterInDauerfeld(state, "GrDauer1", 1);
}
BENCHMARK(enterGruppendauerIndividuell)->Unit(benchmark::kMicrosecond);

void enterStufendauerNormal(benchmark::State& state) {
    enterInDauerfeld(state, "normal1", 3);
}
BENCHMARK(enterStufendauerNormal)->Unit(benchmark::kMicrosecond);

// Lets the event loop deliver what a change posted: the year view's update, then the repaints of
// every changed widget, each of which may post the next. A round that finds nothing costs
// microseconds.
void allesZeichnen() {
    for (int runde = 0; runde < 8; ++runde) QCoreApplication::processEvents();
}

// The program's main window with the case of 600 months, shown; with `jahresansicht` the year
// view is open beside it. With `netto` the case is reckoned by date from 01/2026 in the VKA's
// tables, with tax settings, so that the year view shows net pay too.
struct Hauptfenster600 {
    Hauptfenster600(benchmark::State& state, bool jahresansicht, bool netto = false) {
        const auto datei = einstellungen600Monate();
        fenster.korvaltei().laden({{"."}, datei});
        std::filesystem::remove(datei);
        if (meldungen.warnungen > 0)
            state.SkipWithError("zelbar06.1tr fehlt im Arbeitsverzeichnis");
        if (netto) {
            korvalt::Kalenderangaben kalender;
            kalender.beginn = korvalt::KalenderMonat(2026, 1);
            korvalt::Steuerangaben steuer;
            steuer.kirchensteuerProzent = 9;
            std::string fehler;
            if (!sitzung->tabelleWaehlen("vka", fehler, kalender) ||
                !sitzung->steuerSetzen(steuer, fehler))
                state.SkipWithError(fehler.c_str());
            fenster.korvaltei().anzeige().starten();
        }
        // By date the same durations give the months the VKA's groups have (the counter says how
        // many).
        if (!netto && sitzung->daten().monatsanzahl != 600)
            state.SkipWithError("kein Fall von 600 Monaten");
        fenster.show();
        if (!QTest::qWaitForWindowExposed(&fenster)) state.SkipWithError("Fenster nicht sichtbar");
        if (jahresansicht) {
            auto& ansicht = fenster.jahresansichtZeigen();
            if (!QTest::qWaitForWindowExposed(&ansicht))
                state.SkipWithError("Jahresansicht nicht sichtbar");
        }
        allesZeichnen();
    }
    QLineEdit* feld(benchmark::State& state, const char* name, int index) {
        for (auto* f : fenster.findChildren<QLineEdit*>(name))
            if (f->property("index").toInt() == index) return f;
        state.SkipWithError("Feld nicht gefunden");
        return nullptr;
    }
    korvalt::bench::ZaehlendeMeldungen meldungen;
    const std::unique_ptr<korvalt::Sitzung> sitzung = std::make_unique<korvalt::Sitzung>();
    korvalt::Hauptfenster fenster{*sitzung, meldungen};
};

// The user types a new value into a field and presses Enter; then everything is repainted. Never
// inlined, so that a profiler can collect this alone (valgrind --tool=callgrind
// --toggle-collect='(anonymous namespace)::eingebenUndZeichnen(QLineEdit&, QString const&)').
[[gnu::noinline]] void eingebenUndZeichnen(QLineEdit& feld, const QString& text) {
    feld.setText(text);
    QTest::keyClick(&feld, Qt::Key_Return);
    allesZeichnen();
}

// Two values typed by turns into a field, each confirmed with Enter, timed until every changed
// widget is repainted.
struct Eingabe {
    const char* feld;
    int index;
    const char* erster;
    const char* zweiter;
};

void enterBisNeugezeichnet(benchmark::State& state, bool jahresansicht, Eingabe eingabe,
                           bool netto = false) {
    Hauptfenster600 h(state, jahresansicht, netto);
    QLineEdit* feld = h.feld(state, eingabe.feld, eingabe.index);
    if (!feld) return;
    bool erster = false;
    for (auto _ : state) {
        erster = !erster;
        eingebenUndZeichnen(*feld, QString::fromUtf8(erster ? eingabe.erster : eingabe.zweiter));
    }
    state.counters["Monate"] = h.sitzung->daten().monatsanzahl;
}

// Step 1 of the individual case 11 and 12 months by turns: every later step of that case begins a
// month earlier or later, so the months at the steps' edges change, in the grid and the year view.
constexpr Eingabe stufendauer{"indi1", 1, "11", "12"};
// The start group 9 and 10 by turns: every amount, month and year changes.
constexpr Eingabe startgruppe{"Startgruppe", 0, "10", "9"};

BENCHMARK_CAPTURE(enterBisNeugezeichnet, ohneJahresansicht, false, stufendauer)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(enterBisNeugezeichnet, mitJahresansicht, true, stufendauer)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
// The year view with net pay: each Enter also reckons both cases' 600 months in net.
BENCHMARK_CAPTURE(enterBisNeugezeichnet, mitJahresansichtNetto, true, stufendauer, true)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(enterBisNeugezeichnet, ohneJahresansichtStartgruppe, false, startgruppe)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(enterBisNeugezeichnet, mitJahresansichtStartgruppe, true, startgruppe)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// Ctrl+Z and Ctrl+Shift+Z by turns after step 1 of the individual case went from 12 to 11 months:
// the case put back from its records and recalculated as a case opened, timed until everything is
// repainted; against enterBisNeugezeichnet/ohneJahresansicht, the same change typed.
void rueckgaengigBisNeugezeichnet(benchmark::State& state) {
    Hauptfenster600 h(state, false);
    QLineEdit* feld = h.feld(state, "indi1", 1);
    if (!feld) return;
    eingebenUndZeichnen(*feld, QStringLiteral("11"));
    bool zurueck = false;
    for (auto _ : state) {
        zurueck = !zurueck;
        (zurueck ? h.fenster.aktionen().rueckgaengig : h.fenster.aktionen().wiederherstellen)
            ->trigger();
        allesZeichnen();
    }
    if (h.sitzung->tabellen().stufendauer(2, 1, 1) != (zurueck ? 12 : 11))
        state.SkipWithError("der Schritt wurde nicht zurückgenommen");
    state.counters["Monate"] = h.sitzung->daten().monatsanzahl;
}
BENCHMARK(rueckgaengigBisNeugezeichnet)->Unit(benchmark::kMillisecond)->UseRealTime();

// The grid's refresh after the individual case changed: the comparison shows its results (the
// totals and the grid's rows) and the grid paints every row it shows.
void gitterErneuern(benchmark::State& state) {
    Hauptfenster600 h(state, false);
    auto* gitter = h.fenster.findChild<korvalt::Monatsgitter*>("Monatsgitter");
    if (!gitter) {
        state.SkipWithError("Gitter nicht gefunden");
        return;
    }
    bool elf = false;
    for (auto _ : state) {
        elf = !elf;
        h.sitzung->dauerSetzen(korvalt::Seite::individuell, 1, 1, elf ? 11 : 12);
        h.sitzung->fortschreiten(korvalt::Seite::individuell);
        h.fenster.korvaltei().anzeige().vergleichen();
        gitter->viewport()->repaint();
    }
}
BENCHMARK(gitterErneuern)->Unit(benchmark::kMicrosecond)->UseRealTime();

// The year view of a case of 600 months opened the first time: the dialog, its table and its chart
// made, filled and painted.
void jahresansichtOeffnen(benchmark::State& state) {
    Fenster600 f600(state);
    const auto& sitzung = f600.sitzung;
    for (auto _ : state) {
        korvalt::Jahresansicht ansicht(*sitzung);
        ansicht.show();
        ansicht.repaint();
        ansicht.diagramm().repaint();
        benchmark::DoNotOptimize(ansicht.daten().uebersicht.gesamt.kumuliert);
    }
}
// Once first: the first chart of the process also loads what Qt Charts needs.
BENCHMARK(jahresansichtOeffnen)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(jahresansichtOeffnen)->Unit(benchmark::kMillisecond)->UseRealTime();

// The start of a program, started as the program is, to its first painted window as the program
// reports it (erstes_bild.h), and the processor time (user and system) it used up to then.
struct Startdauer {
    double ms = 0;
    double cpuMs = 0;
};

Startdauer startDauer(const std::string& programm, benchmark::State& state,
                      const char* option = nullptr) {
    int rohr[2];
    if (pipe(rohr) != 0) {
        state.SkipWithError("keine Pipe");
        return {};
    }
    posix_spawn_file_actions_t aktionen;
    posix_spawn_file_actions_init(&aktionen);
    posix_spawn_file_actions_adddup2(&aktionen, rohr[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&aktionen, rohr[0]);
    posix_spawn_file_actions_addclose(&aktionen, rohr[1]);
    std::vector<std::string> umgebung;
    for (char** e = environ; *e; ++e) umgebung.emplace_back(*e);
    const std::string start = std::string(korvalt::bench::startZeitVariable) + "=";
    umgebung.push_back(start);
    std::vector<char*> zeiger;
    for (auto& e : umgebung) zeiger.push_back(e.data());
    zeiger.push_back(nullptr);
    char* argv[] = {const_cast<char*>(programm.c_str()), const_cast<char*>(option), nullptr};

    umgebung.back() = start + std::to_string(korvalt::bench::monotonNs());
    zeiger[zeiger.size() - 2] = umgebung.back().data();
    pid_t kind = 0;
    const int gestartet =
        posix_spawn(&kind, programm.c_str(), &aktionen, nullptr, argv, zeiger.data());
    posix_spawn_file_actions_destroy(&aktionen);
    close(rohr[1]);
    std::string ausgabe;
    char puffer[64];
    for (ssize_t n; (n = read(rohr[0], puffer, sizeof puffer)) > 0;) ausgabe.append(puffer, n);
    close(rohr[0]);
    if (gestartet != 0) {
        state.SkipWithError(("nicht zu starten: " + programm).c_str());
        return {};
    }
    int status = 0;
    rusage verbrauch{};
    wait4(kind, &status, 0, &verbrauch);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || ausgabe.empty()) {
        state.SkipWithError(("endete ohne erstes Bild: " + programm).c_str());
        return {};
    }
    const auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return {std::stoll(ausgabe) / 1e6, ms(verbrauch.ru_utime) + ms(verbrauch.ru_stime)};
}

void startBisZumErstenFenster(benchmark::State& state) {
    const std::string programm = (programmverzeichnis / "korvalt_start").string();
    for (auto _ : state) state.SetIterationTime(startDauer(programm, state).ms / 1e3);
}
BENCHMARK(startBisZumErstenFenster)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);

// The program's start beside that of a bare Qt window, started by turns so that both meet the same
// load; the fastest of each is what counts on a machine that others use too. "Verhaeltnis" is the
// program's fastest start over the bare window's, by the clock and by processor time.
// "Verhaeltnis_mit_text" sets it against the bare window with one line of text: every window that
// shows text reads the font database first, which the bare window never does.
void startGegenLeeresFenster(benchmark::State& state) {
    const std::string korvalt = (programmverzeichnis / "korvalt_start").string();
    const std::string leer = (programmverzeichnis / "leeres_fenster").string();
    constexpr double viel = std::numeric_limits<double>::max();
    Startdauer besterStart{viel, viel};
    Startdauer besterLeer{viel, viel};
    Startdauer besterMitText{viel, viel};
    const auto merken = [](Startdauer& bester, Startdauer d) {
        bester.ms = std::min(bester.ms, d.ms);
        bester.cpuMs = std::min(bester.cpuMs, d.cpuMs);
    };
    for (auto _ : state) {
        merken(besterStart, startDauer(korvalt, state));
        merken(besterLeer, startDauer(leer, state));
        merken(besterMitText, startDauer(leer, state, "--beschriftung"));
    }
    state.counters["korvalt_ms"] = besterStart.ms;
    state.counters["leer_ms"] = besterLeer.ms;
    state.counters["Verhaeltnis"] = besterStart.ms / besterLeer.ms;
    state.counters["korvalt_cpu_ms"] = besterStart.cpuMs;
    state.counters["leer_cpu_ms"] = besterLeer.cpuMs;
    state.counters["Verhaeltnis_cpu"] = besterStart.cpuMs / besterLeer.cpuMs;
    state.counters["mit_text_ms"] = besterMitText.ms;
    state.counters["Verhaeltnis_mit_text"] = besterStart.ms / besterMitText.ms;
}
BENCHMARK(startGegenLeeresFenster)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(30);

}  // namespace

int main(int argc, char** argv) {
    // Without a display the benchmark measures offscreen; its child processes inherit the setting.
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    std::error_code fehler;
    const auto selbst = std::filesystem::read_symlink("/proc/self/exe", fehler);
    if (!fehler) programmverzeichnis = selbst.parent_path();
    QApplication anwendung(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
