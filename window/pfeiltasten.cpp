// The click handlers of the arrow buttons.
#include "pfeiltasten.h"

#include "zahlen.h"

namespace korvalt {

namespace {

void dauerSchritt(Rechner& rechner, int schritt) {
    Fenstertabellen& t = rechner.tabellen();
    const bool gruppe = t.fokusart == 1;
    const Seite seite = t.fokusseite == 1 ? Seite::normal : Seite::individuell;
    const int i = t.fokusspalte;
    const int j = t.fokusstufe;
    Integer& wert = gruppe ? t.grdauer(seite)(i) : t.stufendauer(static_cast<int>(seite), i, j);
    const int grenze = gruppe ? 600 : 255;
    int neu = wert + schritt;
    if (schritt > 0 && neu > grenze) neu = grenze;
    if (schritt < 0 && neu < 0) neu = 0;
    wert = static_cast<Integer>(neu);
    const FeldId feld =
        gruppe ? FeldId{seite == Seite::normal ? Feldname::GrDauer : Feldname::GrDauer1,
                        static_cast<std::int8_t>(i)}
               : spaltenfeld(seite == Seite::normal ? Feldname::normal1 : Feldname::indi1, 1, i, j);
    rechner.felder().setzeText(feld, ganzzahlText(wert));
    rechner.fortschreiten(seite);
}

void startgruppeSchritt(Rechner& rechner, int schritt) {
    Anzeigefelder& felder = rechner.felder();
    const FeldId feld{Feldname::Startgruppe};
    // The field holds only digits, so its number is whole; beyond 1..15 it is limited at once
    // instead of being written out first, which keeps a long unconfirmed number from overflowing.
    const double zahl = zahlAmAnfang(felder.text(feld)) + schritt;
    if (zahl < 1) {
        felder.setzeText(feld, "1");
    } else if (zahl > 15) {
        felder.setzeText(feld, "15");
    } else {
        felder.setzeText(feld, ganzzahlText(alsInteger(zahl)));
    }
    rechner.starten();
}

void pfeiltaste(Rechner& rechner, int schritt) {
    const Fenstertabellen& t = rechner.tabellen();
    const bool seiteBekannt = t.fokusseite == 1 || t.fokusseite == 2;
    if ((t.fokusart == 1 || t.fokusart == 2) && seiteBekannt) dauerSchritt(rechner, schritt);
    if (t.fokusart == 3) startgruppeSchritt(rechner, schritt);
    rechner.vergleichen();
}

}  // namespace

void nachoben(Rechner& rechner) {
    pfeiltaste(rechner, +1);
}

void nachunten(Rechner& rechner) {
    pfeiltaste(rechner, -1);
}

}  // namespace korvalt
