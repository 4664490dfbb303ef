// The month list, item by item at the eight print columns.
#include "monatsliste.h"

#include "zahlen.h"

namespace korvalt {

namespace {

constexpr int balkenTwips = 1400;   // the bar after the month number
constexpr double kopfGroesse = 10;  // title block and column heads, the same on every list
constexpr double zeilenGroesse = 8;
const std::string regel(75, '_');

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

bool monatslisteDrucken(TarifDaten& daten, Falltabellen& t, std::string_view fenstertitel,
                        Drucker& drucker, std::string& fehler) {
    static constexpr int spalten[] = {1000, 1800, 2400, 3000, 4000, 4600, 5200, 6200};
    for (int n = 0; n <= 7; ++n) daten.druckspalte(n) = static_cast<Integer>(spalten[n]);
    auto bei = [&](int n) { drucker.position(daten.druckspalte(n)); };

    drucker.fett(true);
    drucker.schriftname("Arial");
    drucker.schriftgroesse(kopfGroesse);

    bei(1);
    drucker.text(fenstertitel, Zeile::endet);
    bei(0);
    drucker.text(regel, Zeile::endet);
    bei(1);
    drucker.text("N o r m a l f a l l");
    bei(4);
    drucker.text(daten.fallname(daten.fall.nummer()).text());
    bei(7);
    drucker.text("Differenz", Zeile::endet);
    bei(1);
    drucker.text(summe(t.gesamtbetrag(1)));
    bei(4);
    drucker.text(summe(t.gesamtbetrag(2)));
    bei(7);
    drucker.text(summe(double(t.gesamtdifferenz)), Zeile::endet);
    bei(0);
    drucker.text(regel, Zeile::endet);
    drucker.leerzeile();
    bei(0);
    drucker.text("Im einzelnen:", Zeile::endet);
    drucker.leerzeile();
    drucker.fett(false);

    static constexpr const char* koepfe[] = {"Monat", "EGr.",  "Stufe",   "Entgelt",
                                             "EGr.",  "Stufe", "Entgelt", "Differenz"};
    for (int n = 0; n <= 7; ++n) {
        bei(n);
        drucker.text(koepfe[n], n == 7 ? Zeile::endet : Zeile::bleibt);
    }
    bei(0);
    drucker.text(regel, Zeile::endet);
    drucker.leerzeile();

    drucker.schriftname("courier new");
    drucker.schriftgroesse(zeilenGroesse);
    const Tariftabelle& tabelle = daten.tabellenkatalog.tabelle(daten.tabelle);
    // The tables with cents print their amounts as the cents rounded to whole euros.
    const bool inCent = tabelle.inCent;
    const int monate = daten.monatsanzahl;
    for (int m = 1; m <= monate; ++m) {
        bei(0);
        drucker.text(rechtsbuendig(ganzzahlText(m), 3));
        drucker.position(balkenTwips);
        drucker.text("|");
        for (Seite seite : {Seite::normal, Seite::individuell}) {
            const int erste = seite == Seite::normal ? 1 : 4;
            // Behind the end of its case a month has no group and step, as the grid shows.
            if (m <= t.letztermonat(static_cast<int>(seite))) {
                bei(erste);
                if (tabelle.hatBuchstabengruppen())
                    drucker.text(" " + tabelle.gruppentext(t.monatsgruppe(seite)(m)) + " ");
                else
                    drucker.zahl(t.monatsgruppe(seite)(m));
                bei(erste + 1);
                drucker.zahl(t.monatsstufe(seite)(m));
            }
            bei(erste + 2);
            const double euro = inCent ? double(euroGerundet(t.monatscent(seite)(m)))
                                       : double(t.monatsbetrag(seite)(m));
            drucker.text(betrag(euro) + "   |");
        }
        t.monatsdifferenz =
            inCent
                ? static_cast<Long>(euroGerundet(std::int64_t{t.monatscentI(m)} - t.monatscentN(m)))
                : alsLong(double(t.monatsbetragI(m)) - double(t.monatsbetragN(m)));
        bei(7);
        drucker.text(betrag(t.monatsdifferenz), Zeile::endet);
    }

    drucker.schriftname("Arial");
    bei(0);
    drucker.text(regel, Zeile::endet);
    bei(0);
    drucker.text(monatslisteFusszeile(), Zeile::endet);
    return drucker.dokumentBeenden(fehler);
}

}  // namespace korvalt
