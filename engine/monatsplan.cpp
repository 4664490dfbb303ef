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
    : fallseite_(fallseite),
      seite_(seite),
      zeitraeume_(fall.zeitraeume),
      beginn_(fall.kalender.beginn),
      grundanteil_(fall.anteil(fallseite)),
      imDienst_(fall.kalender.aktuelleStufe.has_value()) {
    const auto& beginn = fall.kalender.beginn;
    const auto gilt = [fallseite](const Zeitraum& z) {
        return z.fuer == Zeitraumfall::beide ||
               (z.fuer == Zeitraumfall::normal) == (fallseite == Seite::normal);
    };
    if (!beginn) return;
    const auto index = [&](KalenderMonat m) { return m - *beginn + 1; };
    // A change of hours holds until the next one by date, in whatever order they were given.
    Zeitraeume nachDatum = fall.zeitraeume;
    std::stable_sort(nachDatum.begin(), nachDatum.end(),
                     [](const Zeitraum& a, const Zeitraum& b) { return a.von < b.von; });
    for (const Zeitraum& z : nachDatum) {
        if (!gilt(z)) continue;
        if (schlicht_) {
            schlicht_ = false;
            monate_.assign(letzterMonat + 1, {grundanteil_, Zahlung::bezahlt, false});
        }
        const int von = std::max(1, index(z.von));
        if (z.art == Zeitraumart::teilzeit) {
            for (int m = von; m <= letzterMonat; ++m) monate_[std::size_t(m)].anteil = z.anteil;
            continue;
        }
        const int bis = std::min(letzterMonat, index(*z.bis));
        for (int m = von; m <= bis; ++m) {
            monate_[std::size_t(m)].zahlung = Zahlung::unbezahlt;
            monate_[std::size_t(m)].ruht = z.haeltUhrAn();
        }
        if (schaedlich(z, seite)) rueckkehr_.push_back(index(*z.bis) + 1);
    }
    if (schlicht_) return;
    // Parental leave up to the end of the child's birth year costs no twelfth, provided the month
    // before it was paid (before the start month an employee in service was).
    for (const Zeitraum& z : fall.zeitraeume) {
        if (!gilt(z) || z.art != Zeitraumart::elternzeit) continue;
        const int vorher = index(z.von) - 1;
        const bool vorherBezahlt =
            vorher >= 1 ? monate_[std::size_t(vorher)].zahlung == Zahlung::bezahlt : imDienst_;
        if (!vorherBezahlt) continue;
        const int bis = std::min(
            {letzterMonat, index(*z.bis), index(KalenderMonat(z.geburtsmonat().jahr(), 12))});
        for (int m = std::max(1, index(z.von)); m <= bis; ++m)
            monate_[std::size_t(m)].zahlung = Zahlung::unbezahltOhneKuerzung;
    }
    std::sort(rueckkehr_.begin(), rueckkehr_.end());
    uhr_.assign(letzterMonat + 1, 0);
    for (std::size_t m = 1; m < uhr_.size(); ++m) uhr_[m] = uhr_[m - 1] + (monate_[m].ruht ? 0 : 1);
}

int Monatsplan::kalenderlaenge(int von, int dauer) const {
    if (schlicht_ || dauer <= 0 || von > letzterMonat) return dauer;
    // The month in which the clock has run `dauer` months since `von`; after the plan's last
    // month it runs in every month.
    const int ziel = uhr_[std::size_t(von - 1)] + dauer;
    if (ziel > uhr_.back()) return letzterMonat - von + 1 + (ziel - uhr_.back());
    const auto monat = std::lower_bound(uhr_.begin() + von, uhr_.end(), ziel) - uhr_.begin();
    return int(monat) - von + 1;
}

int Monatsplan::schaedlicheRueckkehr(int von, int bis) const {
    for (int r : rueckkehr_)
        if (r > von && r <= bis) return r;
    return 0;
}

}  // namespace korvalt
