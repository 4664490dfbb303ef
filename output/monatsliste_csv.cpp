// The month list as separated text: CSV and the clipboard's tab-separated table.
#include "monatsliste_csv.h"

#include <string_view>
#include <vector>

#include "monatszeile.h"
#include "zahlen.h"

namespace korvalt {

namespace {

std::string monatslisteGetrennt(const TarifDaten& daten, const Falltabellen& t, char trenner,
                                std::string_view erhoehungshinweis, const Nettofall* netto) {
    // Amounts as exactly as the table keeps them: the tables with cents list cents, summed
    // exactly; the one of 2006 keeps its whole-euro differences and totals. A case with a start
    // month lists every amount with two decimals, in whatever table, and each month's date; with
    // net pay, the net pay after each case's pay and the net difference after the difference.
    const Tariftabelle& tabelle = daten.tabellenkatalog.tabelle(t.tabelle);
    const bool datiert = t.kalender.beginn.has_value();
    std::string text;
    for (std::string_view spalte : monatsspalten) {
        if (!text.empty()) text += trenner;
        text += spalte;
        if (datiert && spalte == monatsspalten.front()) text += std::string(1, trenner) + "Datum";
        if (netto && !nettospalteNach(spalte).empty())
            text += trenner + std::string(nettospalteNach(spalte));
    }
    text += '\n';
    text.reserve(text.size() + std::size_t(daten.monatsanzahl) * (netto ? 80 : 56) + 64);
    for (int m = 1; m <= daten.monatsanzahl; ++m) {
        const Monatszeile z = monatszeile(t, tabelle, m, netto);
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
            if (f.netto) {
                text += trenner;
                text += centText(*f.netto);
            }
        }
        text += trenner;
        text += datiert ? centText(z.differenzCent) : z.differenzGenau();
        if (z.differenzNetto) {
            text += trenner;
            text += centText(*z.differenzNetto);
        }
        text += '\n';
    }
    // "Summe" under the month, each case's sum under its pay and net pay, the differences' under
    // theirs.
    const Monatssummen summen = monatssummen(t, tabelle, netto);
    std::vector<std::string> zellen{"Summe", "", ""};
    if (datiert) zellen.push_back("");
    for (Seite seite : {Seite::normal, Seite::individuell}) {
        const std::size_t i = seite == Seite::normal ? 0 : 1;
        if (seite == Seite::individuell) zellen.insert(zellen.end(), {"", ""});
        zellen.push_back(datiert ? centText(summen.cent[i]) : summen.genau(seite));
        if (summen.netto) zellen.push_back(centText((*summen.netto)[i]));
    }
    zellen.push_back(datiert ? centText(summen.differenzCent) : summen.differenzGenau());
    if (summen.differenzNetto) zellen.push_back(centText(*summen.differenzNetto));
    for (std::size_t i = 0; i < zellen.size(); ++i)
        text += (i ? std::string(1, trenner) : "") + zellen[i];
    text += '\n';
    // The assumed raise and what net pay leaves out are said once, below the list, so that the
    // lines above keep their columns.
    if (!erhoehungshinweis.empty()) text += std::string(erhoehungshinweis) + "\n";
    for (const std::string& zeile : zeitraumzeilen(t.zeitraeume, t.namen)) text += zeile + "\n";
    if (netto)
        for (const std::string& hinweis : nettohinweise(*netto)) text += hinweis + "\n";
    return text;
}

}  // namespace

std::string monatslisteCsv(const TarifDaten& daten, const Falltabellen& t,
                           std::string_view erhoehungshinweis, const Nettofall* netto) {
    return monatslisteGetrennt(daten, t, ';', erhoehungshinweis, netto);
}

std::string monatstabelleText(const TarifDaten& daten, const Falltabellen& t,
                              std::string_view erhoehungshinweis, const Nettofall* netto) {
    // Pasted into a spreadsheet, the columns of the two cases would otherwise look alike; scripts
    // read the CSV, which keeps its single heading line.
    const std::string luecke(netto ? 4 : 3, '\t');
    const std::string gruppen = std::string(t.kalender.beginn ? "Monat\t\t" : "Monat\t") +
                                t.namen.normal + luecke + t.namen.individuell + luecke +
                                "Differenz\n";
    return gruppen + monatslisteGetrennt(daten, t, '\t', erhoehungshinweis, netto);
}

}  // namespace korvalt
