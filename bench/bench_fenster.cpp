// The window's speed: Enter in a duration field of a case of 600 months through the real key
// handler until every field and the grid model are updated, the year view opened, and the
// program's start-up to its first painted window.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

#include "jahresansicht.h"
#include "jahresdiagramm.h"
#include "korvaltei.h"
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

// The year view of a case of 600 months opened the first time: the dialog, its table and its chart
// made, filled and painted.
void jahresansichtOeffnen(benchmark::State& state) {
    Fenster600 f600(state);
    const auto& sitzung = f600.sitzung;
    for (auto _ : state) {
        korvalt::Jahresansicht ansicht(*sitzung);
        ansicht.show();
        ansicht.repaint();
        ansicht.diagramm().viewport()->repaint();
        benchmark::DoNotOptimize(ansicht.daten().uebersicht.gesamt.kumuliert);
    }
}
// Once first: the first chart of the process also loads what Qt Charts needs.
BENCHMARK(jahresansichtOeffnen)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(jahresansichtOeffnen)->Unit(benchmark::kMillisecond)->UseRealTime();

// A separate process, started as the program is, that ends after its first painted window.
void startBisZumErstenFenster(benchmark::State& state) {
    const std::string programm = (programmverzeichnis / "korvalt_start").string();
    for (auto _ : state) {
        char* argv[] = {const_cast<char*>(programm.c_str()), nullptr};
        pid_t kind = 0;
        if (posix_spawn(&kind, programm.c_str(), nullptr, nullptr, argv, environ) != 0) {
            state.SkipWithError("korvalt_start lässt sich nicht starten");
            return;
        }
        int status = 0;
        waitpid(kind, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("korvalt_start endete mit einem Fehler");
            return;
        }
    }
}
BENCHMARK(startBisZumErstenFenster)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

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
