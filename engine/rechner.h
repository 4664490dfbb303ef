// The calculation chain: tariff file -> pay table -> normal and individual progression ->
// comparison -> display fields.
//
// `starten` runs the whole chain for the start group in the field Startgruppe; a duration edit runs
// only the progression of its case and `vergleichen`. Every procedure reads and writes the shared
// state (TarifDaten and the case tables) and the display fields, and nothing else.
#pragma once

#include <filesystem>
#include <vector>

#include "anzeigefelder.h"
#include "fenstertabellen.h"
#include "meldungen.h"
#include "tarifdatei.h"
#include "tarifdaten.h"

namespace korvalt {

class Rechner {
  public:
    Rechner(TarifDaten& daten, Fenstertabellen& tabellen, Anzeigefelder& felder, Tarifdatei& datei)
        : daten_(daten), t_(tabellen), felder_(felder), datei_(datei) {}

    // The start-up of the window up to its first complete result: month names, focus, tariff file,
    // caption, grid headings, the saved case from `einstellungssatz` or the default case, then
    // `starten`.
    void laden(const std::vector<std::filesystem::path>& suchorte, Meldungen& meldungen);

    void starten();
    void tabellefüllen();
    void vonbisdurchschnitt() { fortschreiten(Seite::normal); }
    void vonbisindividuell() { fortschreiten(Seite::individuell); }
    void vergleichen();

    // The progression of one case; the two named procedures above are this for side 1 and side 2.
    void fortschreiten(Seite seite);

    // Writes the stored durations of both cases into their input fields.
    void dauernZeigen();

    TarifDaten& daten() { return daten_; }
    Fenstertabellen& tabellen() { return t_; }
    Anzeigefelder& felder() { return felder_; }

  private:
    void stufenregel(int seite, int spalte, int stufe);
    void stufeZeigen(Seite seite, int spalte, int stufe);
    void gitterVorbereiten();

    TarifDaten& daten_;
    Fenstertabellen& t_;
    Anzeigefelder& felder_;
    Tarifdatei& datei_;
};

}  // namespace korvalt
