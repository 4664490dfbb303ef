// The default case.
#include "falltabellen.h"

namespace korvalt {

void standardfallSetzen(Fallangaben& t) {
    constexpr Integer stufenmonateStandard[] = {12, 24, 36, 48, 60, 120};
    for (int i = 1; i <= 4; ++i) {
        for (int s = 1; s <= 2; ++s)
            for (int j = 1; j <= 6; ++j) t.stufendauer(s, i, j) = stufenmonateStandard[j - 1];
        t.grdauerN(i) = 120;
        t.grdauerI(i) = 120;
    }
    t.kalender = {};
    t.steuer.reset();
    t.steuersatz.reset();
    t.namen = {};
    t.person = {};
    t.kalendersatz.reset();
    t.ruhenderKalender.reset();
    t.nachDatum.clear();
    t.behalten.clear();
}

}  // namespace korvalt
