// The step-keeping promotion rule, free of display fields and of the case tables.
#include "stufengleich.h"

#include <algorithm>
#include <cstdint>

namespace korvalt {

int gehalteneStufe(int eintritt, int bisher, int gruppendauer, const Stufendauern& dauer,
                   const Gruppenentgelte& entgelte) {
    if (gruppendauer <= 0) return bisher;
    int rest = gruppendauer;
    int gehalten = bisher;
    for (int stufe = std::max(eintritt, 1); stufe <= tarifStufen; ++stufe) {
        if (!entgelte(stufe)) continue;
        if (rest >= dauer(stufe)) {
            rest -= dauer(stufe);
            gehalten = stufe;
        } else {
            // The column ends inside this step.
            return rest >= 1 ? stufe : gehalten;
        }
    }
    return gehalten;
}

int eintrittsstufe(int gehalten, bool ausErsterGruppe, const Gruppenentgelte& bisher,
                   const Gruppenentgelte& neu) {
    if (ausErsterGruppe) {
        const std::int64_t bisherCent =
            gehalten >= 1 && gehalten <= tarifStufen ? bisher(gehalten).value_or(0) : 0;
        int hoechste = 0;
        for (int stufe = 2; stufe <= tarifStufen; ++stufe) {
            if (!neu(stufe)) continue;
            if (*neu(stufe) >= bisherCent) return stufe;
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
