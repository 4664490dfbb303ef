// The mapping between duration fields and the case tables.
#include "dauerfelder.h"

#include "feldtabelle.h"

namespace korvalt {

namespace {

bool zwischen(Feldname n, Feldname erste, Feldname letzte) {
    return n >= erste && n <= letzte;
}

}  // namespace

std::string grenzeText(const Dauerfeld& d) {
    return std::to_string(d.grenze()) + " Monate ist die Obergrenze";
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

FeldId feldVon(const Dauerfeld& d) {
    const bool normal = d.seite == Seite::normal;
    if (d.istGruppe())
        return {normal ? Feldname::GrDauer : Feldname::GrDauer1,
                static_cast<std::int8_t>(d.spalte)};
    return spaltenfeld(normal ? Feldname::normal1 : Feldname::indi1, 1, d.spalte, d.stufe);
}

Integer gespeicherterWert(const Falltabellen& t, const Dauerfeld& d) {
    if (d.istGruppe()) return (d.seite == Seite::normal ? t.grdauerN : t.grdauerI)(d.spalte);
    return t.stufendauer(static_cast<int>(d.seite), d.spalte, d.stufe);
}

void dauerSetzen(Sitzung& sitzung, const Dauerfeld& d, Integer wert) {
    sitzung.dauerSetzen(d.seite, d.spalte, d.stufe, wert);
}

}  // namespace korvalt
