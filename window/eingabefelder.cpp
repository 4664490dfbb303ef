// Focus and key handlers of the input fields.
#include "eingabefelder.h"

#include <optional>

#include "feldtabelle.h"
#include "zahlen.h"

namespace korvalt {

namespace {

// What a duration field holds: the group duration (stufe 0) or a step duration of one case.
struct Dauerfeld {
    Seite seite;
    int spalte;
    int stufe;
    bool istGruppe() const { return stufe == 0; }
    int grenze() const { return istGruppe() ? 600 : 255; }
};

bool zwischen(Feldname n, Feldname erste, Feldname letzte) {
    return n >= erste && n <= letzte;
}

std::optional<Dauerfeld> dauerfeld(FeldId feld) {
    const Feldname n = feld.name;
    if (n == Feldname::GrDauer) return Dauerfeld{Seite::normal, feld.index, 0};
    if (n == Feldname::GrDauer1) return Dauerfeld{Seite::individuell, feld.index, 0};
    if (zwischen(n, Feldname::normal1, Feldname::normal4))
        return Dauerfeld{Seite::normal, beschreibung(n).spalte, feld.index};
    if (zwischen(n, Feldname::indi1, Feldname::indi4))
        return Dauerfeld{Seite::individuell, beschreibung(n).spalte, feld.index};
    return std::nullopt;
}

Integer& gespeicherterWert(Fenstertabellen& t, const Dauerfeld& d) {
    if (d.istGruppe()) return t.grdauer(d.seite)(d.spalte);
    return t.stufendauer(static_cast<int>(d.seite), d.spalte, d.stufe);
}

void startgruppeBestaetigen(Rechner& rechner) {
    Anzeigefelder& felder = rechner.felder();
    const FeldId feld{Feldname::Startgruppe};
    if (zahlAmAnfang(felder.text(feld)) < 1) felder.setzeText(feld, "1");
    if (zahlAmAnfang(felder.text(feld)) > 15) felder.setzeText(feld, "15");
    rechner.starten();
}

void dauerBestaetigen(Rechner& rechner, FeldId feld, const Dauerfeld& d) {
    Anzeigefelder& felder = rechner.felder();
    // Limited while still a double, so that a number too large for 16 bits cannot overflow.
    const double zahl = rundeGerade(zahlAmAnfang(felder.text(feld)));
    Integer& wert = gespeicherterWert(rechner.tabellen(), d);
    if (zahl > d.grenze()) {
        wert = static_cast<Integer>(d.grenze());
        felder.setzeText(feld, ganzzahlText(d.grenze()));
    } else {
        wert = alsInteger(zahl);
    }
    rechner.fortschreiten(d.seite);
    rechner.vergleichen();
}

}  // namespace

bool istEingabefeld(FeldId feld) {
    if (feld.name == Feldname::Startgruppe) return feld.index == 0;
    const auto d = dauerfeld(feld);
    if (!d) return false;
    return d->istGruppe() ? d->spalte >= 1 && d->spalte <= 4 : d->stufe >= 1 && d->stufe <= 6;
}

void eingabefeldFokus(Fenstertabellen& t, FeldId feld) {
    if (feld.name == Feldname::Startgruppe) {
        t.fokusart = 3;
        t.fokusseite = 2;
        t.fokusspalte = 1;
        t.fokusstufe = 0;
        return;
    }
    const auto d = dauerfeld(feld);
    if (!d) return;
    t.fokusart = static_cast<Integer>(d->istGruppe() ? 1 : 2);
    t.fokusseite = static_cast<Integer>(d->seite);
    t.fokusspalte = static_cast<Integer>(d->spalte);
    t.fokusstufe = static_cast<Integer>(d->stufe);
}

int eingabefeldTaste(Rechner& rechner, FeldId feld, int zeichen) {
    if (zeichen >= '0' && zeichen <= '9') return zeichen;
    if (zeichen == zeichenRueckschritt) {
        // The whole text goes; the calculation keeps the last confirmed value until Enter.
        rechner.felder().setzeText(feld, "");
        return 0;
    }
    if (zeichen != zeichenEingabe) return 0;
    if (feld.name == Feldname::Startgruppe) {
        startgruppeBestaetigen(rechner);
    } else if (const auto d = dauerfeld(feld)) {
        dauerBestaetigen(rechner, feld, *d);
    }
    return zeichen;
}

}  // namespace korvalt
