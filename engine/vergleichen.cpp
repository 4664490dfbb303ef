// The comparison of both cases: markings, the month grid, the totals and their difference.
#include <algorithm>

#include "rechner.h"
#include "zahlen.h"

namespace korvalt {

void Rechner::vergleichen() {
    // A step only the individual case reaches gets a yellow amount; otherwise its step panel shows
    // through.
    for (int stufe = 1; stufe <= 6; ++stufe) {
        for (int g = 1; g <= 4; ++g) {
            const FeldId feld = betrag(g, stufe);
            if (t_.stufenmonate(1, g, stufe) == 0 && t_.stufenmonate(2, g, stufe) > 0) {
                felder_.setzeHintergrund(feld, farben::hellgelb);
                felder_.setzeDeckend(feld, true);
            } else {
                felder_.setzeDeckend(feld, false);
            }
        }
    }

    // Behind the end of a case nothing is paid, and it has no group and no step.
    for (Seite seite : {Seite::normal, Seite::individuell}) {
        auto& betraege = t_.monatsbetrag(seite);
        auto& gruppen = t_.monatsgruppe(seite);
        auto& stufen = t_.monatsstufe(seite);
        for (int m = t_.letztermonat(static_cast<int>(seite)) + 1; m <= letzterMonat; ++m) {
            betraege(m) = 0;
            gruppen(m) = 0;
            stufen(m) = 0;
        }
    }

    const Integer anzahl = std::max(t_.letztermonat(1), t_.letztermonat(2));
    daten_.monatsanzahl = anzahl;

    felder_.gitterVerbergen();
    Gitterspeicher& gitter = felder_.gitter();
    gitter.setzeZeilenzahl(anzahl + 4);
    t_.gesamtbetrag(1) = 0;
    t_.gesamtbetrag(2) = 0;
    t_.monatsdifferenz = 0;

    auto gruppeOderLeer = [](bool imFall, Integer wert) {
        return imFall ? ganzzahlText(wert) : std::string();
    };
    for (int m = 1; m <= anzahl; ++m) {
        const int zeile = m + 2;
        const bool normal = m <= t_.letztermonat(1);
        const bool individuell = m <= t_.letztermonat(2);
        const double betragN = t_.monatsbetragN(m);
        const double betragI = t_.monatsbetragI(m);
        gitter.setzeText(zeile, 0, ganzzahlText(m));
        gitter.setzeText(zeile, 1, gruppeOderLeer(normal, t_.monatsgruppeN(m)));
        gitter.setzeText(zeile, 2, gruppeOderLeer(normal, t_.monatsstufeN(m)));
        gitter.setzeText(zeile, 3, tausenderText(betragN));
        gitter.setzeFarbe(zeile, 3, farben::hellgruen);
        gitter.setzeText(zeile, 4, gruppeOderLeer(individuell, t_.monatsgruppeI(m)));
        gitter.setzeText(zeile, 5, gruppeOderLeer(individuell, t_.monatsstufeI(m)));
        gitter.setzeText(zeile, 6, tausenderText(betragI));
        gitter.setzeFarbe(zeile, 6, farben::hellgelb);
        t_.monatsdifferenz = alsLong(betragI - betragN);
        gitter.setzeText(zeile, 7, ganzzahlText(t_.monatsdifferenz));
        // The running totals are rounded after every month, not once at the end.
        t_.gesamtbetrag(1) = alsLong(static_cast<double>(t_.gesamtbetrag(1)) + betragN);
        t_.gesamtbetrag(2) = alsLong(static_cast<double>(t_.gesamtbetrag(2)) + betragI);
    }

    const int schlusszeile = anzahl + 3;
    for (int spalte = 0; spalte < gitterSpalten; ++spalte)
        gitter.setzeText(schlusszeile, spalte, {});
    gitter.setzeFarbe(schlusszeile, 3, farben::gitterGrund);
    gitter.setzeFarbe(schlusszeile, 6, farben::gitterGrund);
    felder_.gitterZeigen();

    felder_.setzeText({Feldname::Ergebnis1}, tausenderText(t_.gesamtbetrag(1)));
    felder_.setzeText({Feldname::Ergebnis2}, tausenderText(t_.gesamtbetrag(2)));
    const Long differenz = t_.gesamtbetrag(2) - t_.gesamtbetrag(1);
    felder_.setzeHintergrund({Feldname::Differenz},
                             differenz < 0 ? farben::hellrot : farben::schwarz);
    felder_.setzeText({Feldname::Differenz}, tausenderText(differenz));
}

}  // namespace korvalt
