// The entry step of the step-keeping promotion rule, with pays of the table of May 2026.
#include <gtest/gtest.h>

#include "stufengleich.h"

using namespace korvalt;

namespace {

Gruppenentgelte entgelte(std::initializer_list<Stufenentgelt> cent) {
    Gruppenentgelte e;
    int stufe = 1;
    for (const auto& c : cent) e(stufe++) = c;
    return e;
}

const Gruppenentgelte egr1 = entgelte({std::nullopt, 253455, 256883, 261169, 265164, 275450});
const Gruppenentgelte egr2 = entgelte({276754, 297532, 302712, 310104, 326352, 343349});
const Gruppenentgelte egr8 = entgelte({348640, 369729, 384336, 399240, 415350, 423097});
const Gruppenentgelte egr9a = entgelte({365861, 387794, 409767, 458677, 469743, 497997});
const Gruppenentgelte egr9b = entgelte({377984, 403901, 420356, 469055, 497911, 531337});

}  // namespace

TEST(Stufengleich, Eintrittsstufe) {
    const struct {
        const char* name;
        int gehalten;
        bool ausErsterGruppe;
        const Gruppenentgelte &bisher, &neu;
        int erwartet;
    } faelle[] = {
        // The rule of 2006 would enter 9a in step 3 (4097,67 is the first pay above 3992,40).
        {"8 Stufe 4 nach 9a", 4, false, egr8, egr9a, 4},
        {"9a Stufe 4 nach 9b", 4, false, egr9a, egr9b, 4},
        {"mindestens Stufe 2", 1, false, egr8, egr9a, 2},
        {"Stufe 6 bleibt", 6, false, egr9a, egr9b, 6},
        {"aus EGr. 1 nach dem Entgelt", 5, true, egr1, egr2, 2},
        {"aus EGr. 1 ohne bisheriges Entgelt", 1, true, egr1, egr2, 2},
        {"aus EGr. 1, wenn keine Stufe reicht, die höchste", 6, true, egr9b, egr1, 6},
        {"eine fehlende Stufe wird übersprungen", 1, false, egr2,
         entgelte({1, std::nullopt, 3, 4, 5, 6}), 3},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(eintrittsstufe(f.gehalten,
                                 f.ausErsterGruppe
                                     ? std::optional<std::int64_t>(f.bisher(f.gehalten).value_or(0))
                                     : std::nullopt,
                                 f.neu),
                  f.erwartet)
            << f.name;
}

// From EGr. 1 a step whose pay equals the old pay is reached: the lowest such step, not the next.
TEST(Stufengleich, AusErsterGruppeReichtGleichesEntgelt) {
    EXPECT_EQ(eintrittsstufe(5, egr2(3), egr2), 3);
}
