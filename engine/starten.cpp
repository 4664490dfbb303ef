// The recalculation driver.
#include "rechner.h"

namespace korvalt {

void Rechner::starten(Integer startgruppe) {
    t_.gruppe(1) = startgruppe;
    for (int k = 2; k <= 4; ++k) {
        const int gruppe = t_.gruppe(1) + k - 1;
        t_.gruppe(k) = static_cast<Integer>(gruppe > tabelle().gruppenzahl() ? 0 : gruppe);
    }
    tabellefüllen();
    fortschreiten(Seite::normal);
    fortschreiten(Seite::individuell);
    vergleichen();
}

}  // namespace korvalt
