// The comparison of both cases: one period for both in calendar time, the month series behind each
// end, the month count and the totals.
#include <algorithm>

#include "aktuellestufe.h"
#include "rechner.h"
#include "zahlen.h"

namespace korvalt {

// The step held in the last month of the case, or, for a case without months, at its start month
// in column 1.
void Rechner::bisZumEndeHalten(Seite seite, int ende) {
    const int s = static_cast<int>(seite);
    const int letzter = t_.eigenesEnde(s);
    if (letzter >= ende) return;
    int spalte = 1;
    int stufe = 1;
    if (letzter >= 1) {
        stufe = t_.monatsstufe(seite)(letzter);
        while (spalte < 4 && t_.gruppe(spalte) != t_.monatsgruppe(seite)(letzter)) ++spalte;
    } else {
        if (const auto& aktuell = t_.kalender.aktuelleStufe)
            stufe = stufeAmBeginn(
                aktuelleStufeAnrechnen(spalteEins(t_, seite), *aktuell, *t_.kalender.beginn),
                aktuell->stufe);
        while (stufe < 6 && !t_.stufeVorhanden(1, stufe)) ++stufe;
    }
    const Tabellenfolge* folge = kalenderfolge();
    for (int m = letzter + 1; m <= ende; ++m) {
        t_.monatscent(seite)(m) = monatscent(seite, spalte, stufe, m, folge);
        t_.monatsbetrag(seite)(m) = static_cast<Single>(t_.monatscent(seite)(m) / 100.0);
        t_.monatsgruppe(seite)(m) = t_.gruppe(spalte);
        t_.monatsstufe(seite)(m) = static_cast<Integer>(stufe);
        t_.monatszahlung(seite)(m) = plan(seite).zahlung(m);
    }
    t_.letztermonat(s) = static_cast<Integer>(ende);
}

void Rechner::vergleichen() {
    // A case with a start month runs both cases to the same end: Ende, or the end of the longer
    // case.
    for (int s = 1; s <= 2; ++s) t_.letztermonat(s) = t_.eigenesEnde(s);
    planAufstellen(Seite::normal);
    planAufstellen(Seite::individuell);
    if (imKalender()) {
        const int ende =
            t_.kalender.periode().value_or(std::max(t_.eigenesEnde(1), t_.eigenesEnde(2)));
        bisZumEndeHalten(Seite::normal, ende);
        bisZumEndeHalten(Seite::individuell, ende);
    }
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
            t_.monatszahlung(seite)(m) = Zahlung::bezahlt;
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
