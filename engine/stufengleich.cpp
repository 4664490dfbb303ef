// The entry step of the step-keeping promotion rule.
#include "stufengleich.h"

#include <algorithm>

namespace korvalt {

int eintrittsstufe(int gehalten, std::optional<std::int64_t> bisherCentAusErsterGruppe,
                   const Gruppenentgelte& neu) {
    if (bisherCentAusErsterGruppe) {
        int hoechste = 0;
        for (int stufe = 2; stufe <= tarifStufen; ++stufe) {
            if (!neu(stufe)) continue;
            if (*neu(stufe) >= *bisherCentAusErsterGruppe) return stufe;
            hoechste = stufe;
        }
        if (hoechste > 0) return hoechste;
    }
    const int behalten = std::clamp(gehalten, 2, tarifStufen);
    for (int stufe = behalten; stufe <= tarifStufen; ++stufe)
        if (neu(stufe)) return stufe;
    return behalten;
}

}  // namespace korvalt
