// The month list as separated text: CSV and the clipboard's tab-separated table.
#include "monatsliste_csv.h"

#include <string_view>

#include "monatszeile.h"
#include "zahlen.h"

namespace korvalt {

namespace {

std::string monatslisteGetrennt(const TarifDaten& daten, const Falltabellen& t, char trenner,
                                std::string_view erhoehungshinweis) {
    // Amounts as exactly as the table keeps them: the tables with cents list cents, summed
    // exactly; the one of 2006 keeps its whole-euro differences and totals. A case with a start
    // month lists every amount with two decimals, in whatever table, and each month's date.
    const Tariftabelle& tabelle = daten.tabellenkatalog.tabelle(daten.tabelle);
    const bool datiert = t.kalender.beginn.has_value();
    std::string text;
    for (std::string_view spalte : monatsspalten) {
        if (!text.empty()) text += trenner;
        text += spalte;
        if (datiert && spalte == monatsspalten.front()) text += std::string(1, trenner) + "Datum";
    }
    text += '\n';
    text.reserve(text.size() + std::size_t(daten.monatsanzahl) * 56 + 64);
    for (int m = 1; m <= daten.monatsanzahl; ++m) {
        const Monatszeile z = monatszeile(t, tabelle, m);
        text += ganzzahlText(z.monat);
        if (datiert) {
            text += trenner;
            text += z.datum->text();
        }
        for (Seite seite : {Seite::normal, Seite::individuell}) {
            const Fallmonat& f = z.fall(seite);
            text += trenner;
            text += f.gruppentext;
            text += trenner;
            if (f.imFall) text += ganzzahlText(f.stufe);
            text += trenner;
            text += datiert ? centText(f.cent) : z.entgeltGenau(seite);
        }
        text += trenner;
        text += datiert ? centText(z.differenzCent) : z.differenzGenau();
        text += '\n';
    }
    const Monatssummen summen = monatssummen(t, tabelle);
    auto summe = [&](Seite seite) {
        return datiert ? centText(summen.cent[seite == Seite::normal ? 0 : 1])
                       : summen.genau(seite);
    };
    const std::string leer(datiert ? 3 : 2, trenner);
    text += "Summe" + leer + trenner + summe(Seite::normal) + std::string(2, trenner) + trenner +
            summe(Seite::individuell) + trenner +
            (datiert ? centText(summen.differenzCent) : summen.differenzGenau()) + "\n";
    // The assumed raise is said once, below the list, so that the lines above keep their columns.
    if (!erhoehungshinweis.empty()) text += std::string(erhoehungshinweis) + "\n";
    return text;
}

}  // namespace

std::string monatslisteCsv(const TarifDaten& daten, const Falltabellen& t,
                           std::string_view erhoehungshinweis) {
    return monatslisteGetrennt(daten, t, ';', erhoehungshinweis);
}

std::string monatstabelleText(const TarifDaten& daten, const Falltabellen& t,
                              std::string_view erhoehungshinweis) {
    // Pasted into a spreadsheet, the columns of the two cases would otherwise look alike; scripts
    // read the CSV, which keeps its single heading line.
    const std::string gruppen =
        std::string(t.kalender.beginn ? "Monat\t\t" : "Monat\t") + "Normalfall\t\t\t" +
        std::string(daten.fallname(daten.fall.nummer()).getrimmt()) + "\t\t\tDifferenz\n";
    return gruppen + monatslisteGetrennt(daten, t, '\t', erhoehungshinweis);
}

}  // namespace korvalt
