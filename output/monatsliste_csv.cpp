// CSV export of the month list.
#include "monatsliste_csv.h"

#include "zahlen.h"

namespace korvalt {

std::string monatslisteCsv(const TarifDaten& daten, const Falltabellen& t) {
    std::string csv = "Monat;EGr.;Stufe;Entgelt;EGr.;Stufe;Entgelt;Differenz\n";
    csv.reserve(csv.size() + std::size_t(daten.monatsanzahl) * 48 + 64);
    for (int m = 1; m <= daten.monatsanzahl; ++m) {
        csv += ganzzahlText(m);
        for (Seite seite : {Seite::normal, Seite::individuell}) {
            // Behind the end of a case its group and step stay empty.
            const bool imFall = m <= t.letztermonat(static_cast<int>(seite));
            csv += ';';
            if (imFall) csv += ganzzahlText(t.monatsgruppe(seite)(m));
            csv += ';';
            if (imFall) csv += ganzzahlText(t.monatsstufe(seite)(m));
            csv += ';';
            csv += zweiStellenText(t.monatsbetrag(seite)(m));
        }
        const double differenz = double(t.monatsbetragI(m)) - double(t.monatsbetragN(m));
        csv += ';';
        csv += ganzzahlText(alsLong(differenz));
        csv += '\n';
    }
    csv += "Summe;;;" + ganzzahlText(t.gesamtbetrag(1)) + ";;;" + ganzzahlText(t.gesamtbetrag(2)) +
           ";" + ganzzahlText(std::int64_t{t.gesamtbetrag(2)} - t.gesamtbetrag(1)) + "\n";
    return csv;
}

}  // namespace korvalt
