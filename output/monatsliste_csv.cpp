// The month list as separated text: CSV and the clipboard's tab-separated table.
#include "monatsliste_csv.h"

#include "zahlen.h"

namespace korvalt {

namespace {

std::string monatslisteGetrennt(const TarifDaten& daten, const Falltabellen& t, char trenner) {
    const Tariftabelle& tabelle = daten.tabellenkatalog.tabelle(daten.tabelle);
    // The tables with cents list cents, summed exactly; the one of 2006 keeps its whole-euro
    // differences and totals.
    const bool mitCent = tabelle.inCent;
    std::string text;
    for (const char* spalte :
         {"Monat", "EGr.", "Stufe", "Entgelt", "EGr.", "Stufe", "Entgelt", "Differenz"}) {
        if (!text.empty()) text += trenner;
        text += spalte;
    }
    text += '\n';
    text.reserve(text.size() + std::size_t(daten.monatsanzahl) * 48 + 64);
    for (int m = 1; m <= daten.monatsanzahl; ++m) {
        text += ganzzahlText(m);
        for (Seite seite : {Seite::normal, Seite::individuell}) {
            // Behind the end of a case its group and step stay empty.
            const bool imFall = m <= t.letztermonat(static_cast<int>(seite));
            text += trenner;
            if (imFall) text += tabelle.gruppentext(t.monatsgruppe(seite)(m));
            text += trenner;
            if (imFall) text += ganzzahlText(t.monatsstufe(seite)(m));
            text += trenner;
            text += mitCent ? centText(t.monatscent(seite)(m))
                            : zweiStellenText(t.monatsbetrag(seite)(m));
        }
        text += trenner;
        if (mitCent) {
            text += centText(std::int64_t{t.monatscentI(m)} - t.monatscentN(m));
        } else {
            text += ganzzahlText(alsLong(double(t.monatsbetragI(m)) - double(t.monatsbetragN(m))));
        }
        text += '\n';
    }
    const std::string leer(2, trenner);
    const auto summe = [&](const std::string& n, const std::string& i, const std::string& d) {
        return "Summe" + leer + trenner + n + leer + trenner + i + trenner + d + "\n";
    };
    if (mitCent)
        text += summe(centText(t.gesamtcent(1)), centText(t.gesamtcent(2)),
                      centText(t.gesamtcent(2) - t.gesamtcent(1)));
    else
        text += summe(ganzzahlText(t.gesamtbetrag(1)), ganzzahlText(t.gesamtbetrag(2)),
                      ganzzahlText(t.gesamtdifferenz));
    return text;
}

}  // namespace

std::string monatslisteCsv(const TarifDaten& daten, const Falltabellen& t) {
    return monatslisteGetrennt(daten, t, ';');
}

std::string monatstabelleText(const TarifDaten& daten, const Falltabellen& t) {
    // Pasted into a spreadsheet, the columns of the two cases would otherwise look alike; scripts
    // read the CSV, which keeps its single heading line.
    const std::string gruppen = "Monat\tNormalfall\t\t\t" +
                                std::string(daten.fallname(daten.fall.nummer()).getrimmt()) +
                                "\t\t\tDifferenz\n";
    return gruppen + monatslisteGetrennt(daten, t, '\t');
}

}  // namespace korvalt
