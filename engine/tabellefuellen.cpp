// The pay table of the four columns, read from the tariff file on every full recalculation.
#include "rechner.h"

namespace korvalt {

void Rechner::tabellefüllen() {
    if (t_.gruppe(1) < 1) return;
    if (daten_.fall.tarif() < 10) daten_.fall.tarif() = 12;
    const Tariftabelle& tabelle = daten_.tabellenkatalog.tabelle(t_.tabelle);
    daten_.satzbasis = static_cast<Integer>(tabelle.satzbasis);
    if (tabelle.nachDatum) datierteTabellenLesen(tabelle);
    // A case by date shows the table in force in its first month.
    const Tabellenfolge* folge = kalenderfolge();
    for (int k = 1; k <= 4; ++k) {
        const bool hatGruppe = t_.gruppe(k) >= 1;
        Gruppenentgelte entgelte;
        if (hatGruppe && folge) {
            entgelte = folge->gruppenentgelte(*t_.kalender.beginn, t_.gruppe(k));
        } else if (hatGruppe) {
            datei_.lesen(tarifsatzNummer(daten_.satzbasis, tabelle.gruppenzahl(), t_.gruppe(k)),
                         daten_.tarifsatz);
            entgelte = gruppenentgelte(daten_.tarifsatz);
        }
        for (int stufe = 1; stufe <= 6; ++stufe) {
            // A step the table lacks shows and pays 0, as EGr. 1 step 1 does in 2006.
            const Long cent = entgelte(stufe).value_or(0);
            t_.stufeVorhanden(k, stufe) = entgelte(stufe).has_value();
            t_.entgeltCent(k, stufe) = cent;
            t_.entgelt(k, stufe) = static_cast<Single>(cent / 100.0);
        }
    }
}

}  // namespace korvalt
