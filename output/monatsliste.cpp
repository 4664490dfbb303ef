// The month list as a table: each case's name over its half, amounts right-aligned under their
// heads, on pages that each carry the case, the table, the heads, the print date and their number.
#include "monatsliste.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "monatszeile.h"
#include "zahlen.h"

namespace korvalt {

namespace {

constexpr int monatRechts = 1300;  // the month number ends here
constexpr int summeBrutto = 7600;  // the totals under the block end here
constexpr int summeNetto = 9800;
constexpr int datumTwips = 1650;    // a case with a start month: the month's date after the number
constexpr double kopfGroesse = 10;  // title block and column heads, the same on every list
constexpr double zeilenGroesse = 8;
// Nothing is printed right of the right edge of the narrowest page the list is printed on.
constexpr int rechterRand = 10800;
// The least room between a name and what stands right of it.
constexpr int luecke = 200;

std::string summe(double wert) {
    return tausenderText(wert) + " \u20AC";
}

}  // namespace

std::string monatslisteFusszeile() {
    return "Korvalt, Version " KORVALT_VERSION;
}

std::string fallnameText(const TarifDaten& daten) {
    return std::string(daten.fallname(daten.fall.nummer()).getrimmt());
}

std::string summenText(const TarifDaten& daten, const Falltabellen& t) {
    const Monatssummen s = monatssummen(t, daten.tabellenkatalog.tabelle(t.tabelle));
    return "Summe " + t.namen.normal + " " + summe(double(s.euroDer(Seite::normal))) + ", Summe " +
           t.namen.individuell + " " + summe(double(s.euroDer(Seite::individuell))) +
           ", Differenz " + summe(double(s.differenzEuro));
}

namespace {

struct Schrift {
    const char* name;
    double groesse;
    bool fett;
};

constexpr Schrift titelSchrift{"Arial", kopfGroesse, true};
constexpr Schrift angabenSchrift{"Arial", 9, false};
constexpr Schrift koepfeSchrift{"Arial", kopfGroesse, false};
constexpr Schrift zeilenSchrift{"Arial", zeilenGroesse, false};
constexpr Schrift randSchrift{"Arial", zeilenGroesse, false};

void setzen(Drucker& drucker, const Schrift& s) {
    drucker.fett(s.fett);
    drucker.schriftname(s.name);
    drucker.schriftgroesse(s.groesse);
}

// The space to sign: blank lines, then the line to sign on and the block's last line below it.
constexpr int unterschriftLeerzeilen = 4;
const std::string unterschriftLinie(40, '_');

// How many month lines each page takes, and whether the closing lines need a page of their own.
// Every page has the page heading, the column heads and the page footer; the first also has the
// title block. Planned before the first page, so that every page can say how many there are.
struct Seitenplan {
    std::vector<int> monate;
    bool schlussAllein = false;
    int seiten() const { return static_cast<int>(monate.size()) + (schlussAllein ? 1 : 0); }
};

// The lines of the parts that a long text makes longer, each wrapped to fit the page.
struct Zeilenzahlen {
    int seitenkopf;
    int angaben;  // the block's
    int summen;
    int namen;  // the cases' names over their halves
};

Seitenplan planen(Drucker& drucker, int monate, const Zeilenzahlen& zeilen) {
    auto hoehe = [&](const Schrift& s, int anzahl) {
        setzen(drucker, s);
        return anzahl * drucker.zeilenhoehe();
    };
    // Page heading and its blank line; a blank line and the page footer.
    const double rahmen = hoehe(randSchrift, zeilen.seitenkopf + 3);
    // The caption, the block, the totals between two rules, a blank line, "Im Einzelnen:" and a
    // blank line.
    const double titel =
        hoehe(titelSchrift, 6 + zeilen.summen) + hoehe(angabenSchrift, zeilen.angaben);
    // The cases' names, the heads, the rule and a blank line.
    const double koepfe = hoehe(titelSchrift, zeilen.namen) + hoehe(koepfeSchrift, 3);
    // The closing rule, the footer line, the space to sign, its line and the block's last line.
    const double schluss = hoehe(randSchrift, 4 + unterschriftLeerzeilen);
    const double monat = hoehe(zeilenSchrift, 1);
    const double seite = drucker.seitenhoehe() - rahmen;

    Seitenplan plan;
    double frei = seite - titel - koepfe;
    int rest = monate;
    while (true) {
        // A page too short even for one line still takes one, so that the list ends.
        const int hier = std::min(rest, std::max(1, int(frei / monat)));
        plan.monate.push_back(hier);
        rest -= hier;
        if (rest == 0) {
            plan.schlussAllein = frei - hier * monat < schluss;
            return plan;
        }
        frei = seite - koepfe;
    }
}

// `zeile` in lines no wider than `breite` twips in the printer's current font, broken between
// words; a word wider than that stands alone. The line's own indent (the block's months of a table
// by date) stays, and the lines after the first are indented two blanks more.
std::vector<std::string> umbrechen(Drucker& drucker, const std::string& zeile, double breite) {
    const std::size_t anfang = std::min(zeile.find_first_not_of(' '), zeile.size());
    const std::string einzug = zeile.substr(0, anfang);
    std::vector<std::string> zeilen;
    std::string jetzt = einzug;
    bool leer = true;  // no word on `jetzt` yet
    for (std::size_t wortanfang = anfang; wortanfang <= zeile.size();) {
        const std::size_t ende = std::min(zeile.find(' ', wortanfang), zeile.size());
        const std::string wort = zeile.substr(wortanfang, ende - wortanfang);
        const std::string laenger = leer ? jetzt + wort : jetzt + " " + wort;
        if (!leer && drucker.textbreite(laenger) > breite) {
            zeilen.push_back(jetzt);
            jetzt = einzug + "  " + wort;
        } else {
            jetzt = laenger;
        }
        leer = false;
        wortanfang = ende + 1;
    }
    zeilen.push_back(jetzt);
    return zeilen;
}

// Prints `text` so that it ends at `rechts`.
void rechtsbuendig(Drucker& drucker, int rechts, const std::string& text,
                   Zeile zeile = Zeile::bleibt) {
    drucker.position(rechts - int(drucker.textbreite(text) + 0.5));
    drucker.text(text, zeile);
}

// A rule in the current font from the left edge to `rechts`, the table's right edge.
std::string regelBis(const Drucker& drucker, int rechts) {
    return std::string(std::size_t(rechts / std::max(1.0, drucker.textbreite("_"))), '_');
}

// Prints the items of lines side by side: line i has the i-th text of each column, which starts
// at its twips; a column with fewer lines leaves its place empty.
void nebeneinander(Drucker& drucker,
                   const std::vector<std::pair<int, std::vector<std::string>>>& spalten) {
    std::size_t zeilen = 0;
    for (const auto& spalte : spalten) zeilen = std::max(zeilen, spalte.second.size());
    for (std::size_t i = 0; i < zeilen; ++i) {
        std::size_t letzte = 0;
        for (std::size_t s = 0; s < spalten.size(); ++s)
            if (i < spalten[s].second.size()) letzte = s;
        for (std::size_t s = 0; s <= letzte; ++s) {
            if (i >= spalten[s].second.size()) continue;
            drucker.position(spalten[s].first);
            drucker.text(spalten[s].second[i], s == letzte ? Zeile::endet : Zeile::bleibt);
        }
    }
}

}  // namespace

bool monatslisteDrucken(const TarifDaten& daten, const Falltabellen& t,
                        std::string_view fenstertitel, const Druckblock& block, Drucker& drucker,
                        std::string& fehler, const Nettofall* netto) {
    // With a start month the date stands between the month and the groups, which move right. Net
    // pay, which has a start month, narrows the columns to make room for its three and ends at the
    // right edge. Groups and steps stand at their left edge, amounts end at their right one.
    struct Spalten {
        int egrN, stufeN, entgeltN, egrI, stufeI, entgeltI, differenz;
        int nettoN = 0, nettoI = 0, nettodifferenz = 0;
    };
    static constexpr Spalten ohneDatum{1800, 2400, 3900, 4600, 5200, 6700, 7900};
    static constexpr Spalten mitDatum{2500, 3100, 4600, 5300, 5900, 7400, 8600};
    static constexpr Spalten mitNetto{2400, 2900, 4200, 5500, 6000,
                                      7300, 9200, 5100, 8200, rechterRand};
    const bool datiert = t.kalender.beginn.has_value();
    const Spalten& sp = netto ? mitNetto : datiert ? mitDatum : ohneDatum;
    // The table's right edge, where the rules end.
    const int rechts = netto ? sp.nettodifferenz : sp.differenz;
    auto bei = [&](int twips) { drucker.position(twips); };
    const auto linie = [&] {
        bei(0);
        drucker.text(regelBis(drucker, rechts), Zeile::endet);
    };
    const Tariftabelle& tabelle = daten.tabellenkatalog.tabelle(t.tabelle);
    // Cents where the table has them, as the year view shows them.
    const auto betrag = [&](std::int64_t cent, std::int64_t euro) {
        return tabelle.inCent ? centTausenderText(cent) : tausenderText(double(euro));
    };
    const int monate = daten.monatsanzahl;
    setzen(drucker, angabenSchrift);
    std::vector<std::string> angaben;
    for (const std::string& zeile : block.zeilen())
        for (std::string& teil : umbrechen(drucker, zeile, rechterRand - 1000))
            angaben.push_back(std::move(teil));

    // Each case's total, then the difference, on lines of their own: the name at the left, wrapped
    // before the widest amount, which ends at the right.
    const Monatssummen summen = monatssummen(t, tabelle, netto);
    struct Summe {
        std::vector<std::string> name;
        std::string brutto;
        std::optional<std::string> netto;
    };
    const auto nettosumme = [](std::optional<std::int64_t> cent) {
        return cent ? std::optional("netto " + centTausenderText(*cent) + " \u20AC") : std::nullopt;
    };
    const auto nettoDer = [&](std::size_t i) {
        return summen.netto ? std::optional((*summen.netto)[i]) : std::nullopt;
    };
    std::vector<Summe> summenzeilen = {
        {{t.namen.normal},
         betrag(summen.cent[0], summen.euroDer(Seite::normal)) + " \u20AC",
         nettosumme(nettoDer(0))},
        {{t.namen.individuell},
         betrag(summen.cent[1], summen.euroDer(Seite::individuell)) + " \u20AC",
         nettosumme(nettoDer(1))},
        {{"Differenz"},
         betrag(summen.differenzCent, summen.differenzEuro) + " \u20AC",
         nettosumme(summen.differenzNetto)},
    };
    setzen(drucker, titelSchrift);
    double breitesteSumme = 0;
    for (const Summe& z : summenzeilen)
        breitesteSumme = std::max(breitesteSumme, drucker.textbreite(z.brutto));
    int summenzeilenzahl = 0;
    for (Summe& z : summenzeilen) {
        z.name = umbrechen(drucker, z.name.front(), summeBrutto - breitesteSumme - luecke - 1000);
        summenzeilenzahl += static_cast<int>(z.name.size());
    }
    // The cases' names over their halves: the normal case's wrapped before the individual half,
    // the individual case's before the right edge of the page.
    const std::vector<std::pair<int, std::vector<std::string>>> namen = {
        {sp.egrN, umbrechen(drucker, t.namen.normal, sp.egrI - sp.egrN - luecke)},
        {sp.egrI, umbrechen(drucker, t.namen.individuell, rechterRand - sp.egrI)},
    };
    const int namenszeilen =
        static_cast<int>(std::max(namen[0].second.size(), namen[1].second.size()));

    setzen(drucker, randSchrift);
    const std::vector<std::string> kopfzeilen = umbrechen(
        drucker, block.titel + " \u2013 Monatsliste, " + tabelle.ueberschrift, rechterRand);

    const Seitenplan plan =
        planen(drucker, std::max(monate, 0),
               {static_cast<int>(kopfzeilen.size()), static_cast<int>(angaben.size()),
                summenzeilenzahl, namenszeilen});

    auto seitenkopf = [&] {
        setzen(drucker, randSchrift);
        for (const std::string& zeile : kopfzeilen) {
            bei(0);
            drucker.text(zeile, Zeile::endet);
        }
        drucker.leerzeile();
    };
    int seitennummer = 0;
    auto seitenfuss = [&] {
        setzen(drucker, randSchrift);
        drucker.zurLetztenZeile();
        bei(0);
        drucker.text(block.gedruckt);
        bei(sp.egrI);
        drucker.text(seitenangabe(++seitennummer, plan.seiten()), Zeile::endet);
    };

    seitenkopf();
    setzen(drucker, titelSchrift);
    bei(1000);
    drucker.text(fenstertitel, Zeile::endet);
    setzen(drucker, angabenSchrift);
    for (const std::string& angabe : angaben) {
        bei(1000);
        drucker.text(angabe, Zeile::endet);
    }
    setzen(drucker, titelSchrift);
    linie();
    for (const Summe& z : summenzeilen)
        for (std::size_t i = 0; i < z.name.size(); ++i) {
            // The amounts stand on the name's first line.
            const bool betraege = i == 0;
            bei(1000);
            drucker.text(z.name[i], betraege ? Zeile::bleibt : Zeile::endet);
            if (!betraege) continue;
            rechtsbuendig(drucker, summeBrutto, z.brutto, z.netto ? Zeile::bleibt : Zeile::endet);
            if (z.netto) rechtsbuendig(drucker, summeNetto, *z.netto, Zeile::endet);
        }
    linie();
    drucker.leerzeile();
    bei(0);
    drucker.text("Im Einzelnen:", Zeile::endet);
    drucker.leerzeile();

    auto spaltenkoepfe = [&] {
        setzen(drucker, titelSchrift);
        nebeneinander(drucker, namen);
        setzen(drucker, koepfeSchrift);
        rechtsbuendig(drucker, monatRechts, std::string(monatsspalten[0]));
        if (datiert) {
            bei(datumTwips);
            drucker.text("Datum");
        }
        for (const auto& [egr, stufe, entgelt, nettospalte_] :
             {std::tuple{sp.egrN, sp.stufeN, sp.entgeltN, sp.nettoN},
              std::tuple{sp.egrI, sp.stufeI, sp.entgeltI, sp.nettoI}}) {
            bei(egr);
            drucker.text(monatsspalten[1]);
            bei(stufe);
            drucker.text(monatsspalten[2]);
            rechtsbuendig(drucker, entgelt, std::string(monatsspalten[3]));
            if (netto) rechtsbuendig(drucker, nettospalte_, std::string(nettospalte));
        }
        rechtsbuendig(drucker, sp.differenz, std::string(monatsspalten[7]),
                      netto ? Zeile::bleibt : Zeile::endet);
        if (netto)
            rechtsbuendig(drucker, sp.nettodifferenz, std::string(nettodifferenzspalte),
                          Zeile::endet);
        linie();
        drucker.leerzeile();
        setzen(drucker, zeilenSchrift);
    };
    spaltenkoepfe();

    int m = 1;
    for (std::size_t s = 0; s < plan.monate.size(); ++s) {
        if (s > 0) {
            seitenfuss();
            drucker.neueSeite();
            seitenkopf();
            spaltenkoepfe();
        }
        for (const int bis = m + plan.monate[s]; m < bis; ++m) {
            const Monatszeile z = monatszeile(t, tabelle, m, netto);
            rechtsbuendig(drucker, monatRechts, ganzzahlText(z.monat));
            if (z.datum) {
                bei(datumTwips);
                drucker.text(z.datum->text());
            }
            for (Seite seite : {Seite::normal, Seite::individuell}) {
                const Fallmonat& f = z.fall(seite);
                const bool normal = seite == Seite::normal;
                if (f.imFall) {
                    bei(normal ? sp.egrN : sp.egrI);
                    if (tabelle.hatBuchstabengruppen())
                        drucker.text(" " + f.gruppentext + " ");
                    else
                        drucker.zahl(f.gruppe);
                    bei(normal ? sp.stufeN : sp.stufeI);
                    drucker.zahl(f.stufe);
                }
                rechtsbuendig(drucker, normal ? sp.entgeltN : sp.entgeltI, betrag(f.cent, f.euro));
                if (f.netto)
                    rechtsbuendig(drucker, normal ? sp.nettoN : sp.nettoI,
                                  centTausenderText(*f.netto));
            }
            rechtsbuendig(drucker, sp.differenz, betrag(z.differenzCent, z.differenzEuro),
                          z.differenzNetto ? Zeile::bleibt : Zeile::endet);
            if (z.differenzNetto)
                rechtsbuendig(drucker, sp.nettodifferenz, centTausenderText(*z.differenzNetto),
                              Zeile::endet);
        }
    }

    if (plan.schlussAllein) {
        seitenfuss();
        drucker.neueSeite();
        seitenkopf();
    }
    // In the margin's font, as the plan counts the closing lines.
    setzen(drucker, randSchrift);
    linie();
    bei(0);
    drucker.text(monatslisteFusszeile(), Zeile::endet);
    for (int i = 0; i < unterschriftLeerzeilen; ++i) drucker.leerzeile();
    bei(0);
    drucker.text(unterschriftLinie, Zeile::endet);
    bei(0);
    drucker.text(block.unterschrift, Zeile::endet);
    seitenfuss();
    return drucker.dokumentBeenden(fehler);
}

}  // namespace korvalt
