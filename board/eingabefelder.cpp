// Focus and key handlers of the input fields.
#include "eingabefelder.h"

#include "dauerfelder.h"
#include "zahlen.h"

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
    Integer& wert = gespeicherterWert(anzeige.tabellen(), d);
    if (zahl > d.grenze()) {
        wert = static_cast<Integer>(d.grenze());
        felder.setzeText(feld, ganzzahlText(d.grenze()));
    } else {
        wert = alsInteger(zahl);
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

void eingabefeldFokus(Falltabellen& t, FeldId feld) {
    if (feld.name == Feldname::Startgruppe) {
        t.fokusart = Fokusart::Startgruppe;
        t.fokusseite = 2;
        t.fokusspalte = 1;
        t.fokusstufe = 0;
        return;
    }
    const auto d = dauerfeld(feld);
    if (!d) return;
    t.fokusart = d->istGruppe() ? Fokusart::Gruppendauer : Fokusart::Stufendauer;
    t.fokusseite = static_cast<Integer>(d->seite);
    t.fokusspalte = static_cast<Integer>(d->spalte);
    t.fokusstufe = static_cast<Integer>(d->stufe);
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

}  // namespace korvalt
