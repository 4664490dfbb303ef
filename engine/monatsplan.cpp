// The months of a case under its periods.
#include "monatsplan.h"

namespace korvalt {

bool schaedlich(const Zeitraum& z, Arbeitgeberseite seite) {
    switch (z.art) {
        case Zeitraumart::sonderurlaub:
            return z.monate() > 36;
        case Zeitraumart::elternzeit:
            return seite == Arbeitgeberseite::vka && z.monate() > 60;
        default:
            return false;
    }
}

Monatsplan::Monatsplan(const Fallangaben& fall, Seite fallseite, Arbeitgeberseite seite)
    : grundanteil_(fall.anteil(fallseite)) {
    const auto& beginn = fall.kalender.beginn;
    const auto gilt = [fallseite](const Zeitraum& z) {
        return z.fuer == Zeitraumfall::beide ||
               (z.fuer == Zeitraumfall::normal) == (fallseite == Seite::normal);
    };
    if (!beginn) return;
    const auto index = [&](KalenderMonat m) { return m - *beginn + 1; };
    for (const Zeitraum& z : fall.zeitraeume) {
        if (!gilt(z)) continue;
        if (schlicht_) {
            schlicht_ = false;
            anteil_.assign(letzterMonat + 1, grundanteil_);
            zahlung_.assign(letzterMonat + 1, Zahlung::bezahlt);
            ruht_.assign(letzterMonat + 1, false);
        }
        const int von = std::max(1, index(z.von));
        if (z.art == Zeitraumart::teilzeit) {
            for (int m = von; m <= letzterMonat; ++m) anteil_[m] = z.anteil;
            continue;
        }
        const int bis = std::min(letzterMonat, index(*z.bis));
        for (int m = von; m <= bis; ++m) {
            zahlung_[m] = Zahlung::unbezahlt;
            ruht_[m] = z.haeltUhrAn();
        }
        if (schaedlich(z, seite)) rueckkehr_.push_back(index(*z.bis) + 1);
    }
    if (schlicht_) return;
    // Parental leave up to the end of the child's birth year costs no twelfth, provided the month
    // before it was paid (before the start month an employee in service was).
    for (const Zeitraum& z : fall.zeitraeume) {
        if (!gilt(z) || z.art != Zeitraumart::elternzeit) continue;
        const int vorher = index(z.von) - 1;
        const bool vorherBezahlt = vorher >= 1 ? zahlung_[std::size_t(vorher)] == Zahlung::bezahlt
                                               : fall.kalender.aktuelleStufe.has_value();
        if (!vorherBezahlt) continue;
        const int bis = std::min(
            {letzterMonat, index(*z.bis), index(KalenderMonat(z.geburtsmonat().jahr(), 12))});
        for (int m = std::max(1, index(z.von)); m <= bis; ++m)
            zahlung_[std::size_t(m)] = Zahlung::unbezahltOhneKuerzung;
    }
    std::sort(rueckkehr_.begin(), rueckkehr_.end());
}

int Monatsplan::anteil(int monat) const {
    if (schlicht_ || monat < 1 || monat > letzterMonat) return grundanteil_;
    return anteil_[std::size_t(monat)];
}

Zahlung Monatsplan::zahlung(int monat) const {
    if (schlicht_ || monat < 1 || monat > letzterMonat) return Zahlung::bezahlt;
    return zahlung_[std::size_t(monat)];
}

int Monatsplan::kalenderlaenge(int von, int dauer) const {
    if (schlicht_ || dauer <= 0) return dauer;
    int laenge = 0;
    for (int gedient = 0; gedient < dauer; ++laenge)
        if (!ruht(von + laenge)) ++gedient;
    return laenge;
}

int Monatsplan::schaedlicheRueckkehr(int von, int bis) const {
    for (int r : rueckkehr_)
        if (r > von && r <= bis) return r;
    return 0;
}

}  // namespace korvalt
