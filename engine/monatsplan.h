// What a case's periods make of each of its months: the working-time share, whether it is paid,
// whether the step clock runs, and where a harmful interruption ends.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "fallangaben.h"
#include "grenzen.h"
#include "tariftabellen.h"

namespace korvalt {

class Monatsplan {
  public:
    // The plan of one case of `fall` (month 1 its start month) under the rules of `seite`; a case
    // without a start month or without periods of its own has the plain plan.
    Monatsplan(const Fallangaben& fall, Seite fallseite, Arbeitgeberseite seite);

    // Whether the plan is the one of these inputs, so that it need not be made again.
    bool gilt(const Fallangaben& fall, Seite fallseite, Arbeitgeberseite seite) const {
        return fallseite_ == fallseite && seite_ == seite && zeitraeume_ == fall.zeitraeume &&
               beginn_ == fall.kalender.beginn && grundanteil_ == fall.anteil(fallseite) &&
               imDienst_ == fall.kalender.aktuelleStufe.has_value();
    }
    bool schlicht() const { return schlicht_; }
    int anteil(int monat) const {
        if (schlicht_ || monat < 1 || monat > letzterMonat) return grundanteil_;
        return monate_[std::size_t(monat)].anteil;
    }
    Zahlung zahlung(int monat) const {
        if (schlicht_ || monat < 1 || monat > letzterMonat) return Zahlung::bezahlt;
        return monate_[std::size_t(monat)].zahlung;
    }
    bool bezahlt(int monat) const { return zahlung(monat) == Zahlung::bezahlt; }
    // The calendar months from `von` that `dauer` months of step time take: the months in which
    // the step clock stops are added.
    int kalenderlaenge(int von, int dauer) const;
    // The first month after a harmful interruption within `von`..`bis`; 0 when there is none.
    int schaedlicheRueckkehr(int von, int bis) const;

  private:
    struct Monat {
        int anteil = 0;
        Zahlung zahlung = Zahlung::bezahlt;
        bool ruht = false;
    };

    // What the plan was made of.
    Seite fallseite_;
    Arbeitgeberseite seite_;
    Zeitraeume zeitraeume_;
    std::optional<KalenderMonat> beginn_;
    int grundanteil_ = 0;
    bool imDienst_ = false;

    bool schlicht_ = true;
    std::vector<Monat> monate_;  // month 0..letzterMonat, when not plain
    // The months the step clock ran in months 1..m, at index m.
    std::vector<int> uhr_;
    std::vector<int> rueckkehr_;  // ascending
};

// The step held on return from a harmful interruption: the step before the one held, but not
// below what a new hire with that experience gets (step 3 at most).
inline int stufeNachRueckkehr(int stufe) {
    return std::max(stufe - 1, std::min(stufe, 3));
}

// Whether an interruption ends with the step lowered and its clock restarted: unpaid special
// leave beyond 3 years, parental leave beyond 5 years (never for the Federation, which counts
// more than 5 years as 5).
bool schaedlich(const Zeitraum& z, Arbeitgeberseite seite);

}  // namespace korvalt
