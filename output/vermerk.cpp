// Gathers the lines of the file note from the case, its month rows and its year rows.
#include "vermerk.h"

#include "jahresdaten.h"
#include "monatszeile.h"
#include "sitzung.h"
#include "zahlen.h"

namespace korvalt {

namespace {

std::string gruppeUndStufe(const Fallmonat& f) {
    return f.gruppentext + " Stufe " + std::to_string(f.stufe);
}

// "+1.234,56 €" with the table's unit; a minus sign that reads as one.
std::string betragMitVorzeichen(std::int64_t cent, bool inCent) {
    const std::int64_t betrag = cent < 0 ? -cent : cent;
    const std::string text = inCent ? centTausenderText(betrag)
                                    : tausenderText(static_cast<double>(euroGerundet(betrag)));
    return (cent < 0 ? "\u2212" : cent > 0 ? "+" : "\u00B1") + text + " \u20AC";
}

}  // namespace

Vermerk vermerkBilden(const Sitzung& sitzung) {
    Vermerk v;
    v.block = druckblockBilden(sitzung);
    const Falltabellen& t = sitzung.tabellen();
    const Tariftabelle& tabelle = sitzung.daten().tabellenkatalog.tabelle(t.tabelle);
    const Nettofall* netto = sitzung.netto();
    const int monate = sitzung.daten().monatsanzahl;
    const Jahresdaten daten = jahresdatenBilden(sitzung, true);
    const Jahresuebersicht& u = daten.uebersicht;
    const auto monatText = [&](int m) { return jahresmonatText(u, m); };
    if (monate < 1) {
        v.frage.push_back("Der Fall hat keine Monate.");
        return v;
    }

    // The promotion is the first month the cases' groups part.
    int wechsel = 0;
    for (int m = 1; m <= monate && !wechsel; ++m) {
        const Monatszeile z = monatszeile(t, tabelle, m);
        if (z.normal.imFall && z.individuell.imFall && z.normal.gruppe != z.individuell.gruppe)
            wechsel = m;
    }
    const Monatszeile erste = monatszeile(t, tabelle, 1);
    std::string heute = "Entgeltgruppe " + gruppeUndStufe(erste.normal);
    if (t.kalender.aktuelleStufe) heute += " (seit " + t.kalender.aktuelleStufe->seit.text() + ")";
    v.frage.push_back(heute + ", " + tabelle.ueberschrift + ":");
    if (wechsel) {
        const Monatszeile z = monatszeile(t, tabelle, wechsel);
        v.frage.push_back(t.namen.normal + " oder " + t.namen.individuell + " (" +
                          gruppeUndStufe(z.individuell) + " ab " + monatText(wechsel) + ")?");
    } else {
        v.frage.push_back(t.namen.normal + " oder " + t.namen.individuell + "?");
    }

    for (Seite seite : {Seite::normal, Seite::individuell}) {
        std::string zeile = t.name(seite) + ":";
        Integer gruppe = -1;
        Integer stufe = -1;
        for (int m = 1; m <= monate; ++m) {
            const Fallmonat f = monatszeile(t, tabelle, m).fall(seite);
            if (!f.imFall || (f.gruppe == gruppe && f.stufe == stufe)) continue;
            zeile += std::string(gruppe < 0 ? " " : ", ") +
                     (f.gruppe == gruppe ? "Stufe " + std::to_string(f.stufe) : gruppeUndStufe(f)) +
                     " ab " + monatText(m);
            gruppe = f.gruppe;
            stufe = f.stufe;
        }
        v.stufen.push_back(zeile);
    }

    const int erster = wechsel ? wechsel : 1;
    v.monatsueberschrift = "Monatliche Differenz ab " + monatText(erster) + " (" +
                           t.namen.individuell + " \u2212 " + t.namen.normal + ")";
    v.mitNetto = netto != nullptr;
    for (int m = erster; m < erster + 12 && m <= monate; ++m) {
        const Monatszeile z = monatszeile(t, tabelle, m, netto);
        v.monate.push_back({monatText(m), betragMitVorzeichen(z.differenzCent, z.inCent),
                            z.differenzNetto ? betragMitVorzeichen(*z.differenzNetto, true) : ""});
    }

    v.ergebnis = ausgleichSaetze(daten);
    const Jahreszeile& summe = u.gesamt;
    const auto summen = [&](const Jahreszeile& s, std::string_view art) {
        return "Summe bis " + monatText(int(u.kumuliert.size())) + std::string(art) + ": " +
               t.namen.normal + " " + jahresbetragAnzeige(daten, s.centN + s.sonderzahlungN) +
               " \u20AC, " + t.namen.individuell + " " +
               jahresbetragAnzeige(daten, s.centI + s.sonderzahlungI) + " \u20AC, Differenz " +
               betragMitVorzeichen(s.kumuliert, daten.inCent);
    };
    v.ergebnis.push_back(summen(summe, daten.mitSonderzahlung ? " mit Jahressonderzahlung" : ""));
    if (daten.netto) v.ergebnis.push_back(summen(daten.netto->gesamt, " netto"));
    if (const auto& r = u.groessterRueckstand)
        v.ergebnis.push_back(
            "Größter Rückstand (kumuliert): " + betragMitVorzeichen(r->cent, daten.inCent) +
            " in " + monatText(r->monat));
    else
        v.ergebnis.push_back("Kumuliert nie im Rückstand.");
    return v;
}

}  // namespace korvalt
