// The month list, item by item at the eight print columns, on pages that each carry the case, the
// table, the column heads, the print date and their number.
#include "monatsliste.h"

#include <algorithm>
#include <vector>

#include "monatszeile.h"
#include "zahlen.h"

namespace korvalt {

namespace {

constexpr int balkenTwips = 1400;   // the bar after the month number
constexpr int datumTwips = 1650;    // a case with a start month: the month's date after the bar
constexpr double kopfGroesse = 10;  // title block and column heads, the same on every list
constexpr double zeilenGroesse = 8;
const std::string regel(75, '_');
// The columns of net pay reach further right.
const std::string nettoregel(90, '_');

// Right-aligned in `breite` places. A longer text is printed whole, so an amount never loses its
// sign or a digit.
std::string rechtsbuendig(const std::string& text, std::size_t breite) {
    if (text.size() >= breite) return text;
    return std::string(breite - text.size(), ' ') + text;
}

std::string summe(double wert) {
    return tausenderText(wert) + " \u20AC";
}

std::string betrag(double wert) {
    return rechtsbuendig(tausenderText(wert), 6);
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
constexpr Schrift zeilenSchrift{"courier new", zeilenGroesse, false};
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

Seitenplan planen(Drucker& drucker, int monate, int angaben, int kopfzeilen) {
    auto hoehe = [&](const Schrift& s, int zeilen) {
        setzen(drucker, s);
        return zeilen * drucker.zeilenhoehe();
    };
    // Page heading and its blank line; a blank line and the page footer.
    const double rahmen = hoehe(randSchrift, 4);
    const double titel = hoehe(titelSchrift, 7 + kopfzeilen) + hoehe(angabenSchrift, angaben);
    const double koepfe = hoehe(koepfeSchrift, 3);
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

}  // namespace

bool monatslisteDrucken(const TarifDaten& daten, const Falltabellen& t,
                        std::string_view fenstertitel, const Druckblock& block, Drucker& drucker,
                        std::string& fehler, const Nettofall* netto) {
    // With a start month the date stands between the month and the groups, which move right. Net
    // pay, which has a start month, narrows the columns to make room for its three.
    static constexpr int ohneDatum[] = {1000, 1800, 2400, 3000, 4000, 4600, 5200, 6200};
    static constexpr int mitDatum[] = {1000, 2500, 3100, 3700, 4700, 5300, 5900, 6900};
    static constexpr int mitNetto[] = {1000, 2400, 2900, 3500, 5300, 5800, 6400, 8200};
    // Where the net pay of each case and the net difference stand.
    static constexpr int nettoN = 4250;
    static constexpr int nettoI = 7150;
    static constexpr int nettodifferenz = 9100;
    const bool datiert = t.kalender.beginn.has_value();
    const int* spalten = netto ? mitNetto : datiert ? mitDatum : ohneDatum;
    const std::string& linie = netto ? nettoregel : regel;
    auto bei = [&](int n) { drucker.position(spalten[n]); };
    const Tariftabelle& tabelle = daten.tabellenkatalog.tabelle(t.tabelle);
    const int monate = daten.monatsanzahl;
    const std::vector<std::string> angaben = block.zeilen();
    // Cases with names of their own head their columns on a line each, since a name can run over
    // the next column.
    const bool eigeneNamen = !t.namen.standard();
    const Seitenplan plan =
        planen(drucker, std::max(monate, 0), static_cast<int>(angaben.size()), eigeneNamen ? 2 : 1);

    auto seitenkopf = [&] {
        setzen(drucker, randSchrift);
        bei(0);
        // One item: a person's long name would run into a second one.
        drucker.text(block.titel + " \u2013 Monatsliste, " + tabelle.ueberschrift, Zeile::endet);
        drucker.leerzeile();
    };
    int seitennummer = 0;
    auto seitenfuss = [&] {
        setzen(drucker, randSchrift);
        drucker.zurLetztenZeile();
        bei(0);
        drucker.text(block.gedruckt);
        bei(4);
        drucker.text(seitenangabe(++seitennummer, plan.seiten()), Zeile::endet);
    };

    seitenkopf();
    drucker.fett(true);
    drucker.schriftname("Arial");
    drucker.schriftgroesse(kopfGroesse);

    bei(1);
    drucker.text(fenstertitel, Zeile::endet);
    setzen(drucker, angabenSchrift);
    for (const std::string& angabe : angaben) {
        bei(1);
        drucker.text(angabe, Zeile::endet);
    }
    setzen(drucker, titelSchrift);
    bei(0);
    drucker.text(linie, Zeile::endet);
    bei(1);
    if (eigeneNamen) {
        drucker.text(t.namen.normal);
        bei(7);
        drucker.text("Differenz", Zeile::endet);
        bei(4);
        drucker.text(t.namen.individuell, Zeile::endet);
    } else {
        drucker.text("N o r m a l f a l l");
        bei(4);
        drucker.text(daten.fallname(daten.fall.nummer()).text());
        bei(7);
        drucker.text("Differenz", Zeile::endet);
    }
    const Monatssummen summen = monatssummen(t, tabelle, netto);
    bei(1);
    drucker.text(summe(double(summen.euroDer(Seite::normal))));
    bei(4);
    drucker.text(summe(double(summen.euroDer(Seite::individuell))));
    bei(7);
    drucker.text(summe(double(summen.differenzEuro)), Zeile::endet);
    if (summen.netto) {
        const auto nettosumme = [](std::int64_t cent) {
            return "netto " + summe(double(euroGerundet(cent)));
        };
        bei(1);
        drucker.text(nettosumme((*summen.netto)[0]));
        bei(4);
        drucker.text(nettosumme((*summen.netto)[1]));
        bei(7);
        drucker.text(nettosumme(*summen.differenzNetto), Zeile::endet);
    }
    bei(0);
    drucker.text(linie, Zeile::endet);
    drucker.leerzeile();
    bei(0);
    drucker.text("Im einzelnen:", Zeile::endet);
    drucker.leerzeile();
    drucker.fett(false);

    auto spaltenkoepfe = [&] {
        for (int n = 0; n <= 7; ++n) {
            bei(n);
            drucker.text(monatsspalten[std::size_t(n)],
                         n == 7 && !netto ? Zeile::endet : Zeile::bleibt);
            if (n == 0 && datiert) {
                drucker.position(datumTwips);
                drucker.text("Datum");
            }
        }
        if (netto) {
            for (int position : {nettoN, nettoI}) {
                drucker.position(position);
                drucker.text(nettospalte);
            }
            drucker.position(nettodifferenz);
            drucker.text(nettodifferenzspalte, Zeile::endet);
        }
        bei(0);
        drucker.text(linie, Zeile::endet);
        drucker.leerzeile();
        drucker.schriftname("courier new");
        drucker.schriftgroesse(zeilenGroesse);
    };
    spaltenkoepfe();

    int m = 1;
    for (std::size_t s = 0; s < plan.monate.size(); ++s) {
        if (s > 0) {
            seitenfuss();
            drucker.neueSeite();
            seitenkopf();
            setzen(drucker, koepfeSchrift);
            spaltenkoepfe();
        }
        for (const int bis = m + plan.monate[s]; m < bis; ++m) {
            const Monatszeile z = monatszeile(t, tabelle, m, netto);
            bei(0);
            drucker.text(rechtsbuendig(ganzzahlText(z.monat), 3));
            drucker.position(balkenTwips);
            drucker.text("|");
            if (z.datum) {
                drucker.position(datumTwips);
                drucker.text(z.datum->text());
            }
            for (Seite seite : {Seite::normal, Seite::individuell}) {
                const Fallmonat& f = z.fall(seite);
                const int erste = seite == Seite::normal ? 1 : 4;
                if (f.imFall) {
                    bei(erste);
                    if (tabelle.hatBuchstabengruppen())
                        drucker.text(" " + f.gruppentext + " ");
                    else
                        drucker.zahl(f.gruppe);
                    bei(erste + 1);
                    drucker.zahl(f.stufe);
                }
                bei(erste + 2);
                if (f.netto) {
                    // The case's bar stands after its net pay.
                    drucker.text(betrag(double(f.euro)));
                    drucker.position(seite == Seite::normal ? nettoN : nettoI);
                    drucker.text(betrag(double(euroGerundet(*f.netto))) + "   |");
                } else {
                    drucker.text(betrag(double(f.euro)) + "   |");
                }
            }
            bei(7);
            if (!z.differenzNetto) {
                drucker.text(betrag(double(z.differenzEuro)), Zeile::endet);
                continue;
            }
            drucker.text(betrag(double(z.differenzEuro)));
            drucker.position(nettodifferenz);
            drucker.text(betrag(double(euroGerundet(*z.differenzNetto))), Zeile::endet);
        }
    }

    if (plan.schlussAllein) {
        seitenfuss();
        drucker.neueSeite();
        seitenkopf();
    }
    drucker.schriftname("Arial");
    bei(0);
    drucker.text(linie, Zeile::endet);
    bei(0);
    drucker.text(monatslisteFusszeile(), Zeile::endet);
    setzen(drucker, randSchrift);
    for (int i = 0; i < unterschriftLeerzeilen; ++i) drucker.leerzeile();
    bei(0);
    drucker.text(unterschriftLinie, Zeile::endet);
    bei(0);
    drucker.text(block.unterschrift, Zeile::endet);
    seitenfuss();
    return drucker.dokumentBeenden(fehler);
}

}  // namespace korvalt
