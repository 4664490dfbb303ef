// Fuzz target: any bytes as the tariff file -> a short career calculated in the table of 2006 or
// in a table with cents -> totals that agree with sums made apart from the program's, and in the
// table with cents every month paid what the bytes hold for its group and step.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <utility>

#include "fuzzpruefung.h"
#include "kommandozeile.h"

namespace {

using namespace korvalt;

const fuzz::Arbeitsordner& ordner() {
    static const fuzz::Arbeitsordner o;
    return o;
}

// The pay of a group and step as the bytes hold it, read apart from the program's reader: what
// lies past the end reads as 0, and so does a step the table lacks.
std::int64_t zelle(const std::uint8_t* daten, std::size_t groesse, const Tariftabelle& tabelle,
                   int gruppe, int stufe) {
    const std::size_t stelle =
        std::size_t(tabelle.satznummer(gruppe) - 1) * tarifsatzLaenge + 4 * std::size_t(stufe - 1);
    std::uint32_t wert = 0;
    for (std::size_t k = 0; k < 4; ++k)
        if (stelle + k < groesse) wert |= std::uint32_t{daten[stelle + k]} << (8 * k);
    const auto cent = static_cast<std::int32_t>(wert);
    return cent == keineStufe ? 0 : cent;
}

// The example case works full time and not by date, so each month pays the table's cell.
void zellenPruefen(const Sitzung& sitzung, const std::uint8_t* daten, std::size_t groesse) {
    const Falltabellen& t = sitzung.tabellen();
    const Tariftabelle& tabelle = sitzung.tabelle();
    for (int m = 1; m <= sitzung.daten().monatsanzahl; ++m)
        for (const auto& [gruppen, stufen, cents] :
             {std::tuple{&t.monatsgruppeN, &t.monatsstufeN, &t.monatscentN},
              std::tuple{&t.monatsgruppeI, &t.monatsstufeI, &t.monatscentI}}) {
            const int gruppe = (*gruppen)(m);
            const int stufe = (*stufen)(m);
            const std::int64_t erwartet =
                gruppe >= 1 && stufe >= 1 ? zelle(daten, groesse, tabelle, gruppe, stufe) : 0;
            KORVALT_PRUEFEN((*cents)(m) == erwartet, "Monat " + std::to_string(m) + " zahlt " +
                                                         std::to_string((*cents)(m)) +
                                                         " Cent statt " + std::to_string(erwartet));
        }
}

// Short careers that still pass through every step of the four groups: a month a step, six months
// (the individual case four) a group, so that the cases part at each promotion. What the bytes
// reach is the pays; long careers are the case-file targets' part.
void kurzeLaufbahn(Sitzung& sitzung) {
    for (const auto& [seite, gruppendauer] : {std::pair{Seite::normal, 6}, {Seite::individuell, 4}})
        for (int spalte = 1; spalte <= 4; ++spalte) {
            sitzung.dauerSetzen(seite, spalte, 0, static_cast<Integer>(gruppendauer));
            for (int stufe = 1; stufe <= tarifStufen; ++stufe)
                sitzung.dauerSetzen(seite, spalte, stufe, 1);
        }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The list of tables, copied once, so that the bytes of every table are read.
    const std::filesystem::path liste =
        std::filesystem::path(KORVALT_TARIFDATEI).parent_path() / tabellenlisteName;
    std::ifstream quelle(liste, std::ios::binary);
    const std::string inhalt{std::istreambuf_iterator<char>(quelle), {}};
    if (inhalt.empty()) fuzz::verletzt("Datei fehlt: " + liste.string());
    ordner().schreiben(tabellenlisteName, reinterpret_cast<const std::uint8_t*>(inhalt.data()),
                       inhalt.size());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    ordner().schreiben(tarifdateiName, daten, groesse);

    // A new case in the same memory for every input: a fresh allocation of its size costs page
    // faults on every run.
    static std::optional<Sitzung> neu;
    Sitzung* const sitzung = &neu.emplace();
    GesammelteMeldungen meldungen;
    const Eroeffnung eroeffnung = sitzung->oeffnen({{ordner().pfad()}}, meldungen);
    KORVALT_PRUEFEN(eroeffnung.fehler.empty(), "Fall nicht geöffnet: " + eroeffnung.fehler);
    kurzeLaufbahn(*sitzung);
    // The file's length picks the table and the start group, every start group of both tables in
    // turn: each insertion or cut moves it, so the fuzzer reaches every group as a start and both
    // ends of each table.
    const Tabellenkatalog& katalog = sitzung->daten().tabellenkatalog;
    const int gruppen2006 = katalog.tabelle("2006").gruppenzahl();
    const auto wahl = static_cast<int>(
        groesse % std::size_t(gruppen2006 + katalog.tabelle("2026-05").gruppenzahl()));
    std::string fehler;
    KORVALT_PRUEFEN(sitzung->tabelleWaehlen(wahl < gruppen2006 ? "2006" : "2026-05", fehler),
                    fehler);
    sitzung->starten(static_cast<Integer>(1 + (wahl < gruppen2006 ? wahl : wahl - gruppen2006)));
    fuzz::rechnungPruefen(*sitzung);
    if (sitzung->tabelle().inCent) zellenPruefen(*sitzung, daten, groesse);
    ordner().nurDiese({tarifdateiName, tabellenlisteName});
    ordner().unveraendert(tarifdateiName, daten, groesse);
    return 0;
}
