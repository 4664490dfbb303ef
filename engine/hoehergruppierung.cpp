// Setting up the case of a promotion check, and why it cannot be set up.
#include "hoehergruppierung.h"

#include <algorithm>
#include <numeric>

#include "aktuellestufe.h"
#include "festertext.h"
#include "grenzen.h"
#include "kalenderpruefung.h"

namespace korvalt {

namespace {

std::string inZeichen(std::string_view text) {
    return "\u201E" + std::string(text) + "\u201C";
}

// „VKA nach Datum“ oder „Bund nach Datum“
std::string tabellenNachDatum(const Tabellenkatalog& katalog) {
    std::string namen;
    const auto& tabellen = katalog.tabellenNachDatum();
    for (std::size_t i = 0; i < tabellen.size(); ++i)
        namen += (i == 0                     ? ""
                  : i + 1 == tabellen.size() ? " oder "
                                             : ", ") +
                 inZeichen(tabellen[i].menuetitel());
    return namen;
}

// The table by date of `schluessel`, or nothing and why not.
const Tariftabelle* tabelleNachDatum(std::string_view schluessel, const Tabellenkatalog& katalog,
                                     std::string& fehler) {
    const Tariftabelle* tabelle = katalog.finden(schluessel);
    if (tabelle && tabelle->nachDatum) return tabelle;
    fehler = "Die Höhergruppierung prüft Korvalt in einer Tabelle nach Datum (" +
             tabellenNachDatum(katalog) + "), nicht in " +
             (tabelle ? inZeichen(tabelle->ueberschrift) : zitat(schluessel)) + ".";
    return nullptr;
}

std::optional<int> gruppeLesen(const Tariftabelle& tabelle, std::string_view bezeichnung,
                               std::string& fehler) {
    const auto gruppe = tabelle.gruppennummer(bezeichnung);
    if (!gruppe)
        fehler = "Die Entgeltgruppe " + zitat(bezeichnung) + " gibt es in " +
                 inZeichen(tabelle.ueberschrift) + " nicht.";
    return gruppe;
}

// „9b, 9c oder 10“: the groups a promotion from `gruppe` can go to.
std::string zielgruppenText(const Tariftabelle& tabelle, int gruppe) {
    const int bis = std::min(gruppe + 3, tabelle.gruppenzahl());
    std::string text;
    for (int g = gruppe + 1; g <= bis; ++g)
        text += (g == gruppe + 1 ? "" : g == bis ? " oder " : ", ") + tabelle.gruppentext(g);
    return text;
}

std::string monate(int anzahl) {
    return std::to_string(anzahl) + (anzahl == 1 ? " Monat" : " Monate");
}

// Why column 1 cannot hold the step and the months to the promotion: the step has served more
// than its time by Beginn, or the steps' times end before the promotion (the promoted case would
// enter its new group too early).
std::string spalteEinsPruefen(const Hoehergruppierung& h, const Reihe<Integer, 1, 6>& dauern,
                              KalenderMonat beginn, const std::string& gruppe) {
    const int s = h.stufe.stufe;
    const int dauer = dauern(s);
    if (dauer == 0) return "EGr. " + gruppe + " hat keine Stufe " + std::to_string(s) + ".";
    const int gedient = gedienteMonate(h.stufe, beginn);
    if (gedient > dauer)
        return "Stufe " + std::to_string(s) + " seit " + h.stufe.seit.text() + ": Bis zum Beginn " +
               beginn.text() + " wären " + monate(gedient) + " in ihr vergangen, sie dauert " +
               monate(dauer) + ". Ein Beginn bis " + (h.stufe.seit + dauer).text() + " passt.";
    Stufendauern spalte;
    for (int stufe = 1; stufe <= 6; ++stufe) spalte[std::size_t(stufe - 1)] = dauern(stufe);
    const Stufendauern angerechnet = aktuelleStufeAnrechnen(spalte, h.stufe, beginn);
    const int bisZumEnde = std::accumulate(angerechnet.begin(), angerechnet.end(), 0);
    if (h.zum - beginn > bisZumEnde)
        return "Die Stufen von EGr. " + gruppe + " (Stufe 6 mit höchstens " +
               std::to_string(groessteStufendauer) + " Monaten) reichen vom Beginn " +
               beginn.text() + " nur bis " + (beginn + (bisZumEnde - 1)).text() +
               "; die Höhergruppierung muss spätestens zum " + (beginn + bisZumEnde).text() +
               " wirken.";
    return "";
}

}  // namespace

KalenderMonat hoehergruppierungBeginn(const Hoehergruppierung& h) {
    if (h.beginn) return *h.beginn;
    return std::max({KalenderMonat(h.zum.jahr(), 1), h.stufe.seit, fruehesterBeginn});
}

KalenderMonat hoehergruppierungEnde(const Hoehergruppierung& h) {
    if (h.ende) return *h.ende;
    return hoehergruppierungBeginn(h) + (hoehergruppierungMonate - 1);
}

Fallnamen hoehergruppierungNamen(const Hoehergruppierung& h) {
    return {"ohne Höhergruppierung",
            "mit Höhergruppierung nach " + h.zielgruppe + " zum " + h.zum.text()};
}

Reihe<Integer, 1, 6> hoehergruppierungStufendauern(const Tariftabelle& tabelle, int gruppe) {
    Reihe<Integer, 1, 6> dauern;
    for (int stufe = 1; stufe <= 5; ++stufe)
        dauern(stufe) = static_cast<Integer>(tabelle.stufendauer(gruppe, stufe));
    dauern(6) = groessteStufendauer;
    return dauern;
}

const Tariftabelle* hoehergruppierungAufstellen(const Hoehergruppierung& h,
                                                const Tabellenkatalog& katalog, Fallangaben& t,
                                                std::string& fehler) {
    const Tariftabelle* tabelle = tabelleNachDatum(h.tabelle, katalog, fehler);
    if (!tabelle) return nullptr;
    const auto gruppe = gruppeLesen(*tabelle, h.gruppe, fehler);
    if (!gruppe) return nullptr;
    const auto ziel = gruppeLesen(*tabelle, h.zielgruppe, fehler);
    if (!ziel) return nullptr;
    if (*gruppe == tabelle->gruppenzahl()) {
        fehler = "EGr. " + h.gruppe + " ist die höchste Entgeltgruppe; höher geht es nicht.";
        return nullptr;
    }
    if (*ziel <= *gruppe || *ziel > *gruppe + 3) {
        fehler = "Von EGr. " + h.gruppe +
                 " geht die Höhergruppierung in eine der nächsten Gruppen " +
                 zielgruppenText(*tabelle, *gruppe) + ", nicht nach " + h.zielgruppe + ".";
        return nullptr;
    }
    if (h.stufe.stufe < 1 || h.stufe.stufe > hoechsteAktuelleStufe) {
        fehler = "Die aktuelle Stufe muss zwischen 1 und 6 liegen.";
        return nullptr;
    }

    Kalenderangaben kalender;
    kalender.beginn = hoehergruppierungBeginn(h);
    kalender.ende = hoehergruppierungEnde(h);
    kalender.anteilN = kalender.anteilI = h.anteil;
    kalender.erhoehung = h.erhoehung;
    // The period, the shares and the raise first: the durations below are counted from them.
    fehler = kalenderPruefen(kalender, kalender, t, *tabelle, katalog);
    if (!fehler.empty()) return nullptr;
    const KalenderMonat beginn = *kalender.beginn;
    const KalenderMonat ende = *kalender.ende;
    if (h.stufe.seit > beginn) {
        fehler = "Stufe " + std::to_string(h.stufe.stufe) + " seit " + h.stufe.seit.text() +
                 ": dieser Monat liegt nach dem Beginn " + beginn.text() + ".";
        return nullptr;
    }
    if (h.zum < beginn || h.zum > ende) {
        fehler =
            "Die Höhergruppierung zum " + h.zum.text() + " liegt " +
            (h.zum < beginn ? "vor dem Beginn " + beginn.text() : "nach dem Ende " + ende.text()) +
            ".";
        return nullptr;
    }
    fehler =
        spalteEinsPruefen(h, hoehergruppierungStufendauern(*tabelle, *gruppe), beginn, h.gruppe);
    if (!fehler.empty()) return nullptr;

    t.startgruppe = static_cast<Integer>(*gruppe);
    for (int spalte = 1; spalte <= 4; ++spalte) {
        const auto dauern = hoehergruppierungStufendauern(*tabelle, *gruppe + spalte - 1);
        for (int seite = 1; seite <= 2; ++seite)
            for (int stufe = 1; stufe <= 6; ++stufe)
                t.stufendauer(seite, spalte, stufe) = dauern(stufe);
    }
    const int zielspalte = *ziel - *gruppe + 1;
    for (int spalte = 1; spalte <= 4; ++spalte) {
        t.grdauerN(spalte) = static_cast<Integer>(spalte == 1 ? ende - beginn + 1 : 0);
        const int monateI = spalte == 1            ? h.zum - beginn
                            : spalte == zielspalte ? ende - h.zum + 1
                                                   : 0;
        t.grdauerI(spalte) = static_cast<Integer>(monateI);
    }
    kalender.aktuelleStufe = h.stufe;
    t.kalender = kalender;
    t.namen = hoehergruppierungNamen(h);
    return tabelle;
}

}  // namespace korvalt
