// One case being worked on: the shared state (TarifDaten, the case tables), the open tariff file
// and the Rechner on them. The window, the command line and the tests each hold one; nothing else
// owns calculation state.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "einstellungsdatei.h"
#include "falltabellen.h"
#include "kalenderangaben.h"
#include "meldungen.h"
#include "rechner.h"
#include "tarifdatei.h"
#include "tarifdaten.h"

namespace korvalt {

// Calendar settings given for this run in place of the case's own; what is not given stays as the
// case has it.
struct Kalendervorgaben {
    std::optional<KalenderMonat> beginn;
    // Working-time shares of the normal and the individual case, hundredths of a percent.
    std::optional<std::pair<int, int>> anteile;
    std::optional<AngenommeneErhoehung> erhoehung;
    // Counted into the durations of column 1 once the other settings are in place.
    std::optional<AktuelleStufe> aktuelleStufe;

    bool leer() const { return !beginn && !anteile && !erhoehung && !aktuelleStufe; }
};

// What the start-up is told: where it finds its files, and what the command line asks for.
struct Startoptionen {
    Startoptionen(std::vector<std::filesystem::path> tarifdatei = {},
                  std::filesystem::path einstellungsdatei = {}, std::string tabelle = {})
        : tarifdatei(std::move(tarifdatei)),
          einstellungsdatei(std::move(einstellungsdatei)),
          tabelle(std::move(tabelle)) {}

    std::vector<std::filesystem::path> tarifdatei;  // searched in this order
    // The saved case; a relative name resolves against the working directory. Empty: the example
    // case, and Speichern writes the settings file in the working directory.
    std::filesystem::path einstellungsdatei;
    // Without a window an unusable settings file ends the start-up with its message, and so does a
    // missing one that was named; the window warns and opens the example case.
    bool ohneFenster = false;
    bool einstellungsdateiGenannt = false;
    // A key of the list of tables in place of the table the case names; its start group keeps its
    // label, as when the window switches tables.
    std::string tabelle;
    // Without a window a case calculated by date must have a start month, its own or given here.
    Kalendervorgaben kalender;
};

// How the start-up ended.
struct Eroeffnung {
    std::optional<Integer> startgruppe;  // the saved start group; nothing for the example case
    std::string fehler;                  // why the case could not be opened; empty when it is open
};

class Sitzung {
  public:
    // The start-up up to the first calculation: the settings file, month names, focus, tariff
    // file, the case's table, then the saved case or the example case. The caller then runs
    // `rechner.starten` with the start group it shows.
    Eroeffnung oeffnen(const Startoptionen& optionen, Meldungen& meldungen);

    // Writes the case, with the start group as `startgruppentext` names it in the case's table, to
    // `datei` as the settings records: the case, then its table when that is not the one of 2006.
    // False with the reason in `fehler`; the file is then as it was.
    bool speichern(std::string_view startgruppentext, const std::filesystem::path& datei,
                   std::string& fehler) const;

    // Calculates the case in the table of `schluessel` from now on; the caption follows.
    void tabelleSetzen(const std::string& schluessel);

    TarifDaten daten;
    Falltabellen tabellen;
    Tarifdatei tarifdatei;
    Rechner rechner{daten, tabellen, tarifdatei};
    // The window caption as built at start-up, and the tariff-area index it was built with: once
    // the first pay table is read, the index in the case record no longer names the entry that
    // holds the area's name.
    std::string titel;
    Integer titeltarif = 0;
    // The settings file the case came from and that Speichern writes.
    std::filesystem::path einstellungsdatei = einstellungsdateiName;

  private:
    // Puts the given settings over the case's own; false with a German reason, and the case
    // unchanged, when the Rechner refuses them.
    bool kalenderVorgeben(const Kalendervorgaben& vorgaben, std::string& fehler);
};

}  // namespace korvalt
