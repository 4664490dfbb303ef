// The month list as separated text: CSV and the clipboard's tab-separated table.
#include "monatsliste_csv.h"

#include <string_view>

#include "monatszeile.h"
#include "zahlen.h"

namespace korvalt {

namespace {

std::string monatslisteGetrennt(const TarifDaten& daten, const Falltabellen& t, char trenner) {
    // Amounts as exactly as the table keeps them: the tables with cents list cents, summed
    // exactly; the one of 2006 keeps its whole-euro differences and totals.
    const Tariftabelle& tabelle = daten.tabellenkatalog.tabelle(daten.tabelle);
    std::string text;
    for (std::string_view spalte : monatsspalten) {
        if (!text.empty()) text += trenner;
        text += spalte;
    }
    text += '\n';
    text.reserve(text.size() + std::size_t(daten.monatsanzahl) * 48 + 64);
    for (int m = 1; m <= daten.monatsanzahl; ++m) {
        const Monatszeile z = monatszeile(t, tabelle, m);
        text += ganzzahlText(z.monat);
        for (Seite seite : {Seite::normal, Seite::individuell}) {
            const Fallmonat& f = z.fall(seite);
            text += trenner;
            text += f.gruppentext;
            text += trenner;
            if (f.imFall) text += ganzzahlText(f.stufe);
            text += trenner;
            text += z.entgeltGenau(seite);
        }
        text += trenner;
        text += z.differenzGenau();
        text += '\n';
    }
    const Monatssummen summen = monatssummen(t, tabelle);
    const std::string leer(2, trenner);
    text += "Summe" + leer + trenner + summen.genau(Seite::normal) + leer + trenner +
            summen.genau(Seite::individuell) + trenner + summen.differenzGenau() + "\n";
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
