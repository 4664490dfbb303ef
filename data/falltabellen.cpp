// The default case.
#include "falltabellen.h"

#include "tariftabellen.h"

namespace korvalt {

void standardfallSetzen(Fallangaben& t) {
    // Step 6 has no end; 120 months fill its field.
    constexpr Integer letzteStufeStandard = 120;
    for (int i = 1; i <= 4; ++i) {
        for (int s = 1; s <= 2; ++s) {
            for (int j = 1; j <= 5; ++j)
                t.stufendauer(s, i, j) =
                    static_cast<Integer>(regelStufendauern[std::size_t(j - 1)]);
            t.stufendauer(s, i, 6) = letzteStufeStandard;
        }
        t.grdauerN(i) = 120;
        t.grdauerI(i) = 120;
    }
    t.kalender = {};
    t.zeitraeume.clear();
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
