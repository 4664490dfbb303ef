// The calculation: tariff file -> pay table -> normal and individual progression -> comparison.
//
// `starten` runs the whole chain for a start group; a duration edit runs only the progression of
// its case and `vergleichen`. Every procedure reads and writes the shared state (TarifDaten and the
// case tables) and nothing else: showing the results is the board's job.
#pragma once

#include "falltabellen.h"
#include "tarifdatei.h"
#include "tarifdaten.h"
#include "tariftabellen.h"

namespace korvalt {

class Rechner {
  public:
    Rechner(TarifDaten& daten, Falltabellen& tabellen, Tarifdatei& datei)
        : daten_(daten), t_(tabellen), datei_(datei) {}

    // The full recalculation: the four columns' groups, their pay table, both progressions and the
    // comparison.
    void starten(Integer startgruppe);
    void tabellefüllen();
    void vergleichen();

    // The progression of one case, the normal or the individual one.
    void fortschreiten(Seite seite);

    // The first month of a step, 0 for a step the case never entered.
    Integer anfangsmonat(Seite seite, int spalte, int stufe) const;

    // The table the case is calculated in.
    const Tariftabelle& tabelle() const;

  private:
    // Returns whether the step was served: then it is the step held and its pay the pay so far.
    bool stufenregel(int seite, int spalte, int stufe);
    void regel2006Gehen(Seite seite);
    void stufengleichGehen(Seite seite);
    void keineMonate(int seite, int spalte, int stufe);
    void monateZuordnen(Seite seite, int spalte, int stufe);

    TarifDaten& daten_;
    Falltabellen& t_;
    Tarifdatei& datei_;
};

}  // namespace korvalt
