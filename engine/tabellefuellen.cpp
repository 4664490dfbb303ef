// The pay table of the four columns, read from the tariff file on every full recalculation.
#include "rechner.h"
#include "zahlen.h"

namespace korvalt {

void Rechner::tabellefüllen() {
    if (t_.gruppe(1) < 1) return;
    if (daten_.fall.tarif() < 10) daten_.fall.tarif() = 12;
    const Tariftabelle& tabelle = daten_.tabellenkatalog.tabelle(daten_.tabelle);
    daten_.satzbasis = static_cast<Integer>(tabelle.satzbasis);
    for (int k = 1; k <= 4; ++k) {
        if (t_.gruppe(k) >= 1) {
            datei_.lesen(tarifsatzNummer(daten_.satzbasis, tabelle.gruppenzahl(), t_.gruppe(k)),
                         daten_.tarifsatz);
            for (int stufe = 1; stufe <= 6; ++stufe) {
                // A step the table lacks shows and pays 0, as EGr. 1 step 1 does in 2006.
                const Long cent =
                    daten_.tarifsatz(stufe) == keineStufe ? 0 : daten_.tarifsatz(stufe);
                t_.entgelt(k, stufe) = static_cast<Single>(cent / 100.0);
                felder_.setzeText(betrag(k, stufe), betragsanzeige(cent));
            }
        } else {
            for (int stufe = 1; stufe <= 6; ++stufe) {
                // A number, never an empty text: the progressions read it back as the month's pay.
                felder_.setzeText(betrag(k, stufe), "    0");
                t_.entgelt(k, stufe) = 0;
            }
        }
    }
}

}  // namespace korvalt
