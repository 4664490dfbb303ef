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

    bool schlicht() const { return schlicht_; }
    int anteil(int monat) const;
    Zahlung zahlung(int monat) const;
    bool bezahlt(int monat) const { return zahlung(monat) == Zahlung::bezahlt; }
    // The calendar months from `von` that `dauer` months of step time take: the months in which
    // the step clock stops are added.
    int kalenderlaenge(int von, int dauer) const;
    // The first month after a harmful interruption within `von`..`bis`; 0 when there is none.
    int schaedlicheRueckkehr(int von, int bis) const;

  private:
    bool ruht(int monat) const { return monat >= 1 && monat < int(ruht_.size()) && ruht_[monat]; }

    bool schlicht_ = true;
    int grundanteil_ = 0;
    std::vector<int> anteil_;
    std::vector<Zahlung> zahlung_;
    std::vector<bool> ruht_;
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
