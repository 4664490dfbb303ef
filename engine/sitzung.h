// One case being worked on: the shared state (TarifDaten, the case tables), the open tariff file
// and the Rechner on them. The window, the command line and the tests each hold one; nothing else
// owns calculation state.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "einstellungsdatei.h"
#include "falltabellen.h"
#include "meldungen.h"
#include "rechner.h"
#include "tarifdatei.h"
#include "tarifdaten.h"

namespace korvalt {

// Where the start-up finds its files.
struct Startorte {
    std::vector<std::filesystem::path> tarifdatei;  // searched in this order
    // The saved case; a relative name resolves against the working directory.
    std::filesystem::path einstellungsdatei = einstellungsdateiName;
};

class Sitzung {
  public:
    // Takes the case saved in `datei` for the next `laden`; Speichern then writes there. A file
    // that is there but unusable is reported, kept as it is, and the example case is taken.
    void einstellungsdateiLesen(const std::filesystem::path& datei, Meldungen& meldungen);

    // The start-up up to the first calculation: month names, focus, tariff file, then the case from
    // `daten.einstellungssatz` or the default case. Returns the saved start group, nothing for the
    // default case. The caller then runs `rechner.starten` with the start group it shows.
    std::optional<Integer> laden(const std::vector<std::filesystem::path>& suchorte,
                                 Meldungen& meldungen);

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
};

}  // namespace korvalt
