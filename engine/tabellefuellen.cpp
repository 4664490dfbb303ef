// The pay table of the four columns, read from the tariff file on every full recalculation.
#include "rechner.h"

namespace korvalt {

void Rechner::tabellefüllen() {
    if (t_.gruppe(1) < 1) return;
    if (daten_.fall.tarif() < 10) daten_.fall.tarif() = 12;
    daten_.satzbasis = static_cast<Integer>(20 * daten_.fall.tarif() - 40);
    for (int k = 1; k <= 4; ++k) {
        const bool hatGruppe = t_.gruppe(k) >= 1;
        if (hatGruppe) datei_.lesen(daten_.satzbasis + 15 - t_.gruppe(k), daten_.tarifsatz);
        for (int stufe = 1; stufe <= 6; ++stufe) {
            const Long cent = hatGruppe ? daten_.tarifsatz(stufe) : 0;
            t_.entgeltCent(k, stufe) = cent;
            t_.entgelt(k, stufe) = static_cast<Single>(cent / 100.0);
        }
    }
}

}  // namespace korvalt
