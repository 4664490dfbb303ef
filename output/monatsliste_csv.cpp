// CSV export of the month list.
#include "monatsliste_csv.h"

#include <cmath>

#include "zahlen.h"

namespace korvalt {

namespace {

// The label of a group ("9a"); a number outside the table as the number, as the table of 2006
// always wrote it.
std::string gruppentext(const Tariftabelle& tabelle, Integer gruppe) {
    const std::string bezeichnung = tabelle.gruppenbezeichnung(gruppe);
    return bezeichnung.empty() ? ganzzahlText(gruppe) : bezeichnung;
}

std::int64_t alsCent(Single betrag) {
    return std::llround(static_cast<double>(betrag) * 100.0);
}

}  // namespace

std::string monatslisteCsv(const TarifDaten& daten, const Fenstertabellen& t) {
    const Tariftabelle& tabelle = daten.tabellenkatalog.tabelle(daten.tabelle);
    // The tables with cents list cents, summed exactly; the one of 2006 keeps its whole-euro
    // differences and totals.
    const bool mitCent = tabelle.regel == Aufstiegsregel::stufengleich;
    std::string csv = "Monat;EGr.;Stufe;Entgelt;EGr.;Stufe;Entgelt;Differenz\n";
    csv.reserve(csv.size() + std::size_t(daten.monatsanzahl) * 48 + 64);
    std::int64_t summeN = 0, summeI = 0;
    for (int m = 1; m <= daten.monatsanzahl; ++m) {
        csv += ganzzahlText(m);
        for (Seite seite : {Seite::normal, Seite::individuell}) {
            // Behind the end of a case its group and step stay empty.
            const bool imFall = m <= t.letztermonat(static_cast<int>(seite));
            csv += ';';
            if (imFall) csv += gruppentext(tabelle, t.monatsgruppe(seite)(m));
            csv += ';';
            if (imFall) csv += ganzzahlText(t.monatsstufe(seite)(m));
            csv += ';';
            const Single betrag = t.monatsbetrag(seite)(m);
            csv += mitCent ? centText(alsCent(betrag)) : zweiStellenText(betrag);
        }
        csv += ';';
        if (mitCent) {
            const std::int64_t centN = alsCent(t.monatsbetragN(m));
            const std::int64_t centI = alsCent(t.monatsbetragI(m));
            summeN += centN;
            summeI += centI;
            csv += centText(centI - centN);
        } else {
            csv += ganzzahlText(alsLong(double(t.monatsbetragI(m)) - double(t.monatsbetragN(m))));
        }
        csv += '\n';
    }
    if (mitCent)
        csv += "Summe;;;" + centText(summeN) + ";;;" + centText(summeI) + ";" +
               centText(summeI - summeN) + "\n";
    else
        csv += "Summe;;;" + ganzzahlText(t.gesamtbetrag(1)) + ";;;" +
               ganzzahlText(t.gesamtbetrag(2)) + ";" +
               ganzzahlText(std::int64_t{t.gesamtbetrag(2)} - t.gesamtbetrag(1)) + "\n";
    return csv;
}

}  // namespace korvalt
