// The comparison of both cases: the month series behind each end, the month count and the totals.
#include <algorithm>

#include "rechner.h"
#include "zahlen.h"

namespace korvalt {

void Rechner::vergleichen() {
    // Behind the end of a case nothing is paid, and it has no group and no step.
    for (Seite seite : {Seite::normal, Seite::individuell}) {
        auto& betraege = t_.monatsbetrag(seite);
        auto& gruppen = t_.monatsgruppe(seite);
        auto& stufen = t_.monatsstufe(seite);
        auto& cents = t_.monatscent(seite);
        for (int m = t_.letztermonat(static_cast<int>(seite)) + 1; m <= letzterMonat; ++m) {
            betraege(m) = 0;
            cents(m) = 0;
            gruppen(m) = 0;
            stufen(m) = 0;
        }
    }

    const Integer anzahl = std::max(t_.letztermonat(1), t_.letztermonat(2));
    daten_.monatsanzahl = anzahl;
    t_.gesamtbetrag(1) = 0;
    t_.gesamtbetrag(2) = 0;
    t_.gesamtcent(1) = 0;
    t_.gesamtcent(2) = 0;
    if (tabelle().inCent) {
        // Summed exactly in cents; only what is shown is rounded, to whole euros.
        for (int m = 1; m <= anzahl; ++m) {
            t_.gesamtcent(1) += t_.monatscentN(m);
            t_.gesamtcent(2) += t_.monatscentI(m);
        }
        for (int s = 1; s <= 2; ++s) t_.gesamtbetrag(s) = euroGerundet(t_.gesamtcent(s));
        t_.gesamtdifferenz = euroGerundet(t_.gesamtcent(2) - t_.gesamtcent(1));
        return;
    }
    for (int m = 1; m <= anzahl; ++m) {
        const double betragN = t_.monatsbetragN(m);
        const double betragI = t_.monatsbetragI(m);
        // The running totals are rounded after every month, not once at the end.
        t_.gesamtbetrag(1) = alsGanz64(static_cast<double>(t_.gesamtbetrag(1)) + betragN);
        t_.gesamtbetrag(2) = alsGanz64(static_cast<double>(t_.gesamtbetrag(2)) + betragI);
    }
    for (int s = 1; s <= 2; ++s) t_.gesamtcent(s) = t_.gesamtbetrag(s) * 100;
    t_.gesamtdifferenz = t_.gesamtbetrag(2) - t_.gesamtbetrag(1);
}

}  // namespace korvalt
