// CSV export of the month list.
#include "monatsliste_csv.h"

#include "zahlen.h"

namespace korvalt {

std::string monatslisteCsv(const TarifDaten& daten, const Falltabellen& t) {
    const Tariftabelle& tabelle = daten.tabellenkatalog.tabelle(daten.tabelle);
    // The tables with cents list cents, summed exactly; the one of 2006 keeps its whole-euro
    // differences and totals.
    const bool mitCent = tabelle.regel == Aufstiegsregel::stufengleich;
    std::string csv = "Monat;EGr.;Stufe;Entgelt;EGr.;Stufe;Entgelt;Differenz\n";
    csv.reserve(csv.size() + std::size_t(daten.monatsanzahl) * 48 + 64);
    for (int m = 1; m <= daten.monatsanzahl; ++m) {
        csv += ganzzahlText(m);
        for (Seite seite : {Seite::normal, Seite::individuell}) {
            // Behind the end of a case its group and step stay empty.
            const bool imFall = m <= t.letztermonat(static_cast<int>(seite));
            csv += ';';
            if (imFall) csv += tabelle.gruppentext(t.monatsgruppe(seite)(m));
            csv += ';';
            if (imFall) csv += ganzzahlText(t.monatsstufe(seite)(m));
            csv += ';';
            csv += mitCent ? centText(t.monatscent(seite)(m))
                           : zweiStellenText(t.monatsbetrag(seite)(m));
        }
        csv += ';';
        if (mitCent) {
            csv += centText(std::int64_t{t.monatscentI(m)} - t.monatscentN(m));
        } else {
            csv += ganzzahlText(alsLong(double(t.monatsbetragI(m)) - double(t.monatsbetragN(m))));
        }
        csv += '\n';
    }
    if (mitCent)
        csv += "Summe;;;" + centText(t.gesamtcent(1)) + ";;;" + centText(t.gesamtcent(2)) + ";" +
               centText(t.gesamtcent(2) - t.gesamtcent(1)) + "\n";
    else
        csv += "Summe;;;" + ganzzahlText(t.gesamtbetrag(1)) + ";;;" +
               ganzzahlText(t.gesamtbetrag(2)) + ";" + ganzzahlText(t.gesamtdifferenz) + "\n";
    return csv;
}

}  // namespace korvalt
