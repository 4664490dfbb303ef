// Test helper: the promotion the tests work by hand, as the check's settings.
#pragma once

#include "hoehergruppierung.h"

namespace korvalt::test {

// VKA, 9a in step 3 since 04/2024, to 9b from 07/2026, both at 75 %.
inline Hoehergruppierung hoehergruppierungsbeispiel() {
    Hoehergruppierung h;
    h.gruppe = "9a";
    h.stufe = AktuelleStufe{3, {2024, 4}};
    h.zielgruppe = "9b";
    h.zum = KalenderMonat(2026, 7);
    h.anteil = 7500;
    return h;
}

}  // namespace korvalt::test
