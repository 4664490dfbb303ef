// The click handlers of the arrow buttons.
#include "pfeiltasten.h"

#include "dauerfelder.h"
#include "zahlen.h"

namespace korvalt {

namespace {

void dauerSchritt(Fallanzeige& anzeige, int schritt) {
    const Falltabellen& t = anzeige.sitzung().tabellen();
    const Dauerfeld d{t.fokusseite == 1 ? Seite::normal : Seite::individuell, t.fokusspalte,
                      t.fokusart == Fokusart::Gruppendauer ? 0 : t.fokusstufe};
    int neu = gespeicherterWert(t, d) + schritt;
    if (schritt > 0 && neu > d.grenze()) {
        neu = d.grenze();
        anzeige.melden(grenzeText(d));
    }
    if (schritt < 0 && neu < 0) neu = 0;
    dauerSetzen(anzeige.sitzung(), d, static_cast<Integer>(neu));
    anzeige.felder().setzeText(feldVon(d), ganzzahlText(neu));
    anzeige.fortschreiten(d.seite);
}

void startgruppeSchritt(Fallanzeige& anzeige, int schritt) {
    Anzeigefelder& felder = anzeige.felder();
    const FeldId feld{Feldname::Startgruppe};
    felder.setzeText(feld, anzeige.tabelle().startgruppeGeschritten(felder.text(feld), schritt));
    anzeige.starten();
}

}  // namespace

void pfeilschritt(Fallanzeige& anzeige, int schritt) {
    const Falltabellen& t = anzeige.sitzung().tabellen();
    const bool seiteBekannt = t.fokusseite == 1 || t.fokusseite == 2;
    const bool dauer = t.fokusart == Fokusart::Gruppendauer || t.fokusart == Fokusart::Stufendauer;
    if (dauer && seiteBekannt) dauerSchritt(anzeige, schritt);
    if (t.fokusart == Fokusart::Startgruppe) startgruppeSchritt(anzeige, schritt);
    anzeige.vergleichen();
}

void nachoben(Fallanzeige& anzeige) {
    pfeilschritt(anzeige, +1);
}

void nachunten(Fallanzeige& anzeige) {
    pfeilschritt(anzeige, -1);
}

}  // namespace korvalt
