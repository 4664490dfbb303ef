// The month grid's width and column widths for a window width.
#include <gtest/gtest.h>

#include "gittermasse.h"

using namespace korvalt;

namespace {

TEST(Gittermasse, FuenfundfuenfzigProzentUndDieSpaltenanteile) {
    struct Zeile {
        int fenster;
        Gittermasse erwartet;
    };
    const Zeile tabelle[] = {
        {12000, {6600, {594, 594, 660, 1056, 594, 660, 1056, 1056}}},
        // 11025 * 0.55 = 6063.75; 6064 * 0.09 = 545.76, 0.16 -> 970.24.
        {11025, {6064, {546, 546, 606, 970, 546, 606, 970, 970}}},
        // A half goes to the even neighbour: 10 * 0.55 = 5.5 -> 6, 5 * 0.55 = 2.75 -> 3.
        {10, {6, {1, 1, 1, 1, 1, 1, 1, 1}}},
        {0, {0, {0, 0, 0, 0, 0, 0, 0, 0}}},
        // Wider than 59,577 twips: beyond what 16 bits hold, and still exact.
        {60000, {33000, {2970, 2970, 3300, 5280, 2970, 3300, 5280, 5280}}},
    };
    for (const Zeile& z : tabelle) {
        const Gittermasse m = gittermasse(z.fenster);
        EXPECT_EQ(m.breite, z.erwartet.breite) << z.fenster;
        EXPECT_EQ(m.spalten, z.erwartet.spalten) << z.fenster;
    }
}

}  // namespace
