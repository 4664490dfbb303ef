// The changes of a case, each checked by the case's one check of what it changes.
#include "fallaenderungen.h"

#include "falltabellen.h"
#include "festertext.h"
#include "kalenderpruefung.h"
#include "kalendersatz.h"

namespace korvalt {

namespace {

// The case set up by a promotion check becomes an ordinary one once what it was set up with
// changes: its names go back to the default ones.
Fallangaben gewoehnlich(Fallangaben fall) {
    fall.namen = {};
    return fall;
}

std::string unbekannteTabelle(std::string_view schluessel, const Tabellenkatalog& katalog) {
    return "Die Tariftabelle " + zitat(schluessel) +
           " gibt es nicht. Bekannte Tabellen: " + katalog.schluesselliste() + ".";
}

}  // namespace

Fallangaben beispielfall(const Tabellenkatalog& katalog, std::string_view schluessel) {
    const Tariftabelle* tabelle = schluessel.empty() ? nullptr : katalog.finden(schluessel);
    if (tabelle && tabelle->nachDatum) {
        const auto datiert = katalog.datierteTabellen(tabelle->seite);
        tabelle = datiert.empty() ? nullptr : datiert.back();
    }
    Fallangaben fall;
    fall.tabelle = tabelle ? tabelle->schluessel : katalog.standard().schluessel;
    standardfallSetzen(fall);
    return fall;
}

std::string kalenderPruefen(const Fallangaben& fall, const Kalenderangaben& neu,
                            const Tariftabelle& tabelle, const Tabellenkatalog& katalog) {
    return kalenderPruefen(neu, fall.kalender, fall, tabelle, katalog);
}

Kalenderangaben kalenderIn(const Fallangaben& fall, const Tariftabelle& tabelle) {
    if (!tabelle.inCent || !fall.ruhenderKalender) return fall.kalender;
    std::string fehler;
    return kalendersatzLesen(*fall.ruhenderKalender, fehler).value_or(fall.kalender);
}

Ergebnis<Fallangaben> mitKalender(const Fallangaben& fall, const Kalenderangaben& neu,
                                  const Tabellenkatalog& katalog) {
    const Tariftabelle& ziel =
        katalog.tabelle(!fall.nachDatum.empty() && neu.beginn ? fall.nachDatum : fall.tabelle);
    if (std::string grund = kalenderPruefen(fall, neu, ziel, katalog); !grund.empty())
        return Grund{grund};
    Fallangaben n = neu.beginn != fall.kalender.beginn || neu.ende != fall.kalender.ende
                        ? gewoehnlich(fall)
                        : fall;
    n.kalender = neu;
    // New settings replace a damaged record read with the case.
    if (n.kalendersatz) n.kalendersatz->beschaedigt = false;
    if (ziel.schluessel != n.tabelle) {
        n.tabelle = ziel.schluessel;
        n.nachDatum.clear();
    }
    if (ziel.inCent) n.ruhenderKalender.reset();
    return n;
}

Ergebnis<Fallangaben> mitTabelle(const Fallangaben& fall, std::string_view schluessel,
                                 const Tabellenkatalog& katalog,
                                 const std::optional<Kalenderangaben>& kalender) {
    const Tariftabelle* neu = katalog.finden(schluessel);
    if (!neu) return Grund{unbekannteTabelle(schluessel, katalog)};
    Kalenderangaben angaben = kalender.value_or(fall.kalender);
    std::optional<Einstellungssatz> ruhend = kalender ? std::nullopt : fall.ruhenderKalender;
    if (!neu->inCent && !kalender) {
        if (!angaben.leer() && !ruhend) ruhend = kalendersatzBilden(angaben);
        angaben = {};
    } else if (neu->inCent && ruhend) {
        const Kalenderangaben wieder = kalenderIn(fall, *neu);
        if (kalenderPruefen(wieder, wieder, fall, *neu, katalog).empty()) {
            angaben = wieder;
            ruhend.reset();
        }
    }
    if (std::string grund = kalenderPruefen(fall, angaben, *neu, katalog); !grund.empty())
        return Grund{grund};
    Fallangaben n = fall;
    n.tabelle = neu->schluessel;
    n.kalender = angaben;
    n.ruhenderKalender = ruhend;
    // The table chosen replaces the one the case waited in.
    n.nachDatum.clear();
    return n;
}

std::string nettoGrund(const Fallangaben& fall, const Tabellenkatalog& katalog) {
    return fall.steuer ? nettolohnGrund(katalog.tabelle(fall.tabelle), fall.kalender) : "";
}

std::string steuerPruefen(const Fallangaben& fall, const std::optional<Steuerangaben>& neu,
                          const Tabellenkatalog& katalog) {
    if (!neu) return "";
    if (std::string grund = nettolohnGrund(katalog.tabelle(fall.tabelle), fall.kalender);
        !grund.empty())
        return grund;
    return steuerangabenPruefen(*neu);
}

Ergebnis<Fallangaben> mitSteuer(const Fallangaben& fall, const std::optional<Steuerangaben>& neu,
                                const Tabellenkatalog& katalog) {
    if (std::string grund = steuerPruefen(fall, neu, katalog); !grund.empty()) return Grund{grund};
    Fallangaben n = fall;
    n.steuer = neu;
    // New settings, or none, replace a damaged record read with the case.
    if (n.steuersatz) n.steuersatz->beschaedigt = false;
    return n;
}

std::string zeitraeumePruefen(const Fallangaben& fall, const Zeitraeume& neu,
                              const Tabellenkatalog& katalog) {
    if (neu.empty()) return "";
    const Tariftabelle& tabelle = katalog.tabelle(fall.tabelle);
    if (!tabelle.inCent) return ohneKalenderGrund(tabelle);
    return zeitraeumePruefen(neu, fall.kalender);
}

Ergebnis<Fallangaben> mitZeitraeumen(const Fallangaben& fall, const Zeitraeume& neu,
                                     const Tabellenkatalog& katalog) {
    if (std::string grund = zeitraeumePruefen(fall, neu, katalog); !grund.empty())
        return Grund{grund};
    Fallangaben n = fall;
    n.zeitraeume = neu;
    return n;
}

Ergebnis<Fallangaben> mitPerson(const Fallangaben& fall, const Personenangaben& person) {
    for (const Personenfeld& feld : personenfelder)
        if (std::string grund = personenangabePruefen(feld.bezeichnung, person.*feld.text);
            !grund.empty())
            return Grund{grund};
    Fallangaben n = fall;
    n.person = person;
    return n;
}

Fallangaben mitStartgruppe(const Fallangaben& fall, Integer startgruppe) {
    Fallangaben n = startgruppe != fall.startgruppe ? gewoehnlich(fall) : fall;
    n.startgruppe = startgruppe;
    return n;
}

Fallangaben mitDauer(const Fallangaben& fall, Seite seite, int spalte, int stufe, Integer wert) {
    const Integer bisher = stufe == 0 ? fall.grdauer(seite)(spalte)
                                      : fall.stufendauer(static_cast<int>(seite), spalte, stufe);
    if (bisher == wert) return fall;
    Fallangaben n = gewoehnlich(fall);
    (stufe == 0 ? n.grdauer(seite)(spalte)
                : n.stufendauer(static_cast<int>(seite), spalte, stufe)) = wert;
    return n;
}

std::string hoehergruppierungPruefen(const Fallangaben& fall, const Hoehergruppierung& h,
                                     const Tabellenkatalog& katalog) {
    Fallangaben neu = fall;
    std::string fehler;
    const Tariftabelle* tabelle = hoehergruppierungAufstellen(h, katalog, neu, fehler);
    if (!tabelle) return fehler;
    // The case's one check, with the current step counted anew from the new durations.
    if (std::string grund = kalenderPruefen(neu.kalender, {}, neu, *tabelle, katalog);
        !grund.empty())
        return grund;
    // The periods belong to the person; the promotion cannot fall into an interruption.
    for (const Zeitraum& z : fall.zeitraeume)
        if (z.unterbricht() && z.fuer != Zeitraumfall::normal && z.von <= h.zum && h.zum <= *z.bis)
            return "Der Monat der Höhergruppierung " + h.zum.text() +
                   " liegt in einer Unterbrechung (" + zeitraumartText(z.art) + " " + z.von.text() +
                   " bis " + z.bis->text() + ").";
    return "";
}

Ergebnis<Fallangaben> mitHoehergruppierung(const Fallangaben& fall, const Hoehergruppierung& h,
                                           const Tabellenkatalog& katalog) {
    if (std::string grund = hoehergruppierungPruefen(fall, h, katalog); !grund.empty())
        return Grund{grund};
    Fallangaben neu = fall;
    std::string fehler;
    const Tariftabelle* tabelle = hoehergruppierungAufstellen(h, katalog, neu, fehler);
    // The table and the calendar settings change together, in the table's one check.
    const Kalenderangaben kalender = neu.kalender;
    neu.kalender = fall.kalender;
    return mitTabelle(neu, tabelle->schluessel, katalog, kalender);
}

Fallangaben ohneBeginnVertreten(Fallangaben fall, const Tabellenkatalog& katalog) {
    fall.nachDatum.clear();
    const Tariftabelle& tabelle = katalog.tabelle(fall.tabelle);
    if (!tabelle.nachDatum || fall.kalender.beginn) return fall;
    const auto datiert = katalog.datierteTabellen(tabelle.seite);
    if (datiert.empty()) return fall;
    fall.nachDatum = tabelle.schluessel;
    fall.tabelle = datiert.back()->schluessel;
    return fall;
}

std::string vertretungsgrund(const Fallangaben& fall, const Tabellenkatalog& katalog) {
    if (fall.nachDatum.empty()) return "";
    const bool beschaedigt = fall.kalendersatz && fall.kalendersatz->beschaedigt;
    return "Der Fall wird nach Datum gerechnet (\u201E" +
           katalog.tabelle(fall.nachDatum).menuetitel() +
           "\u201C) und braucht dafür einen Beginn, den " +
           (beschaedigt ? "sein beschädigter Kalendersatz nicht nennt" : "er nicht hat") +
           ". Bis Sie unter Fall \u203A Beginn, Stufe und Teilzeit einen Beginn "
           "angeben, rechnet Korvalt ihn mit der Tabelle Stand " +
           katalog.tabelle(fall.tabelle).menuetitel() + "; gespeichert wird er weiter nach Datum" +
           (beschaedigt ? ", mit seinem Kalendersatz, wie er ist." : ".");
}

}  // namespace korvalt
