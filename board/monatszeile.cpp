// The month row and the totals, in the units of the table they were calculated in.
#include "monatszeile.h"

#include <cmath>

#include "zahlen.h"

namespace korvalt {

namespace {

// Whole euros of a Single, a half away from zero as std::round does, without its library call,
// which is a sixth of a month row: adding the half is exact for every Single below 2^52.
std::int64_t ganzeEuro(Single betrag) {
    const double x = betrag;
    if (!(std::fabs(x) < 0x1p52)) return std::llround(x);
    return x < 0 ? -static_cast<std::int64_t>(0.5 - x) : static_cast<std::int64_t>(x + 0.5);
}

Monatswerte::Fall fallwerte(const Falltabellen& t, Seite seite, int m) {
    const bool imFall = m <= t.letztermonat(static_cast<int>(seite));
    return {imFall, imFall ? t.monatsgruppe(seite)(m) : Integer{0},
            imFall ? t.monatsstufe(seite)(m) : Integer{0}, t.monatsbetrag(seite)(m),
            t.monatscent(seite)(m)};
}

// Built in place, member by member, because the grid builds the rows it shows on every Enter.
Fallmonat fallmonat(const Monatswerte::Fall& w, const Tariftabelle& tabelle) {
    // Whole euros as the amounts were always shown: a half away from zero, for the Single of 2006
    // as for the cents.
    return {w.imFall,
            w.gruppe,
            w.imFall ? tabelle.gruppentext(w.gruppe) : std::string(),
            w.stufe,
            tabelle.inCent ? euroGerundet(w.cent) : ganzeEuro(w.betrag),
            w.cent,
            w.betrag,
            std::nullopt};
}

// A month behind the end of its case has no net pay of its own: it counts 0, as its pay does.
std::int64_t nettoIm(const Nettofall& netto, Seite seite, int m) {
    const Nettomonat* monat = netto.monat(seite, m);
    return monat ? monat->netto : 0;
}

}  // namespace

std::string_view nettospalteNach(std::string_view spalte) {
    if (spalte == "Entgelt") return nettospalte;
    if (spalte == "Differenz") return nettodifferenzspalte;
    return {};
}

Monatswerte monatswerte(const Falltabellen& t, int m) {
    return {m, fallwerte(t, Seite::normal, m), fallwerte(t, Seite::individuell, m),
            t.kalender.kalendermonat(m)};
}

Monatszeile monatszeile(const Falltabellen& t, const Tariftabelle& tabelle, int m,
                        const Nettofall* netto) {
    Monatszeile z = monatszeile(monatswerte(t, m), tabelle);
    if (netto) {
        z.normal.netto = nettoIm(*netto, Seite::normal, m);
        z.individuell.netto = nettoIm(*netto, Seite::individuell, m);
        z.differenzNetto = *z.individuell.netto - *z.normal.netto;
    }
    return z;
}

Monatszeile monatszeile(const Monatswerte& w, const Tariftabelle& tabelle) {
    std::int64_t differenzEuro;
    std::int64_t differenzCent;
    if (tabelle.inCent) {
        differenzCent = std::int64_t{w.individuell.cent} - w.normal.cent;
        differenzEuro = euroGerundet(differenzCent);
    } else {
        // The difference of the two Singles, rounded once, a half to the even neighbour.
        differenzEuro = alsLong(double(w.individuell.betrag) - double(w.normal.betrag));
        differenzCent = differenzEuro * 100;
    }
    return {w.monat,
            tabelle.inCent,
            fallmonat(w.normal, tabelle),
            fallmonat(w.individuell, tabelle),
            differenzEuro,
            differenzCent,
            std::nullopt,
            w.datum};
}

std::string Monatszeile::entgeltGenau(Seite seite) const {
    const Fallmonat& f = fall(seite);
    return inCent ? centText(f.cent) : zweiStellenText(f.betrag);
}

std::string Monatszeile::differenzGenau() const {
    return inCent ? centText(differenzCent) : ganzzahlText(differenzEuro);
}

Monatssummen monatssummen(const Falltabellen& t, const Tariftabelle& tabelle,
                          const Nettofall* netto) {
    Monatssummen s;
    s.inCent = tabelle.inCent;
    s.euro = {t.gesamtbetrag(1), t.gesamtbetrag(2)};
    s.differenzEuro = t.gesamtdifferenz;
    s.cent = {t.gesamtcent(1), t.gesamtcent(2)};
    s.differenzCent = t.gesamtcent(2) - t.gesamtcent(1);
    if (netto) {
        std::array<std::int64_t, 2> summe{};
        for (int i = 0; i < 2; ++i)
            for (const Nettomonat& n : netto->reihen[std::size_t(i)].monate)
                summe[std::size_t(i)] += n.netto;
        s.netto = summe;
        s.differenzNetto = summe[1] - summe[0];
    }
    return s;
}

std::string Monatssummen::genau(Seite seite) const {
    const std::size_t i = seite == Seite::normal ? 0 : 1;
    return inCent ? centText(cent[i]) : ganzzahlText(euro[i]);
}

std::string Monatssummen::differenzGenau() const {
    return inCent ? centText(differenzCent) : ganzzahlText(differenzEuro);
}

}  // namespace korvalt
