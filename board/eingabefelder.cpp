// Focus, key and arrow-key handlers of the input fields and their tooltips.
#include "eingabefelder.h"

#include "dauerfelder.h"
#include "pfeiltasten.h"
#include "zahlen.h"

#include <cstdlib>

namespace korvalt {

namespace {

void startgruppeBestaetigen(Fallanzeige& anzeige) {
    Anzeigefelder& felder = anzeige.felder();
    const FeldId feld{Feldname::Startgruppe};
    if (const auto text = anzeige.tabelle().startgruppeBestaetigt(felder.text(feld)))
        felder.setzeText(feld, *text);
    anzeige.starten();
}

void dauerBestaetigen(Fallanzeige& anzeige, FeldId feld, const Dauerfeld& d) {
    Anzeigefelder& felder = anzeige.felder();
    // Limited while still a double, so that a number too large for 16 bits cannot overflow.
    const double zahl = rundeGerade(zahlAmAnfang(felder.text(feld)));
    if (zahl > d.grenze()) {
        dauerSetzen(anzeige.sitzung(), d, static_cast<Integer>(d.grenze()));
        felder.setzeText(feld, ganzzahlText(d.grenze()));
        anzeige.melden(grenzeText(d));
    } else {
        dauerSetzen(anzeige.sitzung(), d, alsInteger(zahl));
    }
    anzeige.fortschreiten(d.seite);
    anzeige.vergleichen();
}

}  // namespace

bool istEingabefeld(FeldId feld) {
    if (feld.name == Feldname::Startgruppe) return feld.index == 0;
    const auto d = dauerfeld(feld);
    if (!d) return false;
    return d->istGruppe() ? d->spalte >= 1 && d->spalte <= 4 : d->stufe >= 1 && d->stufe <= 6;
}

void eingabefeldFokus(Sitzung& sitzung, FeldId feld) {
    if (feld.name == Feldname::Startgruppe) {
        sitzung.fokusSetzen(Fokusart::Startgruppe, 2, 1, 0);
        return;
    }
    const auto d = dauerfeld(feld);
    if (!d) return;
    sitzung.fokusSetzen(d->istGruppe() ? Fokusart::Gruppendauer : Fokusart::Stufendauer,
                        static_cast<Integer>(d->seite), static_cast<Integer>(d->spalte),
                        static_cast<Integer>(d->stufe));
}

int eingabefeldTaste(Fallanzeige& anzeige, FeldId feld, int zeichen) {
    if (zeichen >= '0' && zeichen <= '9') return zeichen;
    if (feld.name == Feldname::Startgruppe && anzeige.tabelle().startgruppenzeichen(zeichen))
        return zeichen;
    if (zeichen == zeichenRueckschritt) {
        // The whole text goes; the calculation keeps the last confirmed value until Enter.
        anzeige.felder().setzeText(feld, "");
        return 0;
    }
    if (zeichen != zeichenEingabe) return 0;
    if (feld.name == Feldname::Startgruppe) {
        startgruppeBestaetigen(anzeige);
    } else if (const auto d = dauerfeld(feld)) {
        dauerBestaetigen(anzeige, feld, *d);
    }
    return zeichen;
}

bool eingabefeldSchritt(Fallanzeige& anzeige, FeldId feld, int schritt) {
    if (feld.name == Feldname::Startgruppe && std::abs(schritt) != 1) return false;
    // The step acts on the field the focus values name: this one, whatever set them last.
    eingabefeldFokus(anzeige.sitzung(), feld);
    pfeilschritt(anzeige, schritt);
    return true;
}

std::string eingabefeldHinweis(const Falltabellen& t, const Tariftabelle& tabelle, FeldId feld) {
    if (feld.name == Feldname::Startgruppe) return "Startgruppe: EGr., in der beide Fälle beginnen";
    const auto d = dauerfeld(feld);
    if (!d) return {};
    const int gruppe = t.gruppe(d->spalte);
    const std::string spalte = gruppe < 1 ? "der " + std::to_string(d->spalte) + ". Spalte"
                                          : "der EGr. " + tabelle.gruppentext(gruppe);
    const std::string& fall = t.name(d->seite);
    if (d->istGruppe()) return "Monate in " + spalte + ", " + fall;
    return "Monate in Stufe " + std::to_string(d->stufe) + " " + spalte + ", " + fall;
}

}  // namespace korvalt
