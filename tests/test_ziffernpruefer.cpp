// The input fields' last guard: digits, and in the start group one group letter after them.
#include <gtest/gtest.h>

#include "ziffernpruefer.h"

using namespace korvalt;

TEST(Ziffernpruefer, ZiffernUndHoechstensEinGruppenbuchstabeAmEnde) {
    struct Zeile {
        const char* text;
        bool ohneBuchstaben;
        bool mitBuchstaben;
    };
    const Zeile zeilen[] = {
        {"", true, true},     {"0123", true, true}, {"9a", false, true},      {"12C", false, true},
        {"a", false, true},   {"9d", false, false}, {"9ab", false, false},    {"a9", false, false},
        {"4 ", false, false}, {"-1", false, false}, {"\u0663", false, false},
    };
    const Ziffernpruefer ziffern(false);
    const Ziffernpruefer gruppen(true);
    for (const Zeile& z : zeilen) {
        QString text = QString::fromUtf8(z.text);
        int stelle = 0;
        EXPECT_EQ(ziffern.validate(text, stelle) == QValidator::Acceptable, z.ohneBuchstaben)
            << z.text;
        EXPECT_EQ(gruppen.validate(text, stelle) == QValidator::Acceptable, z.mitBuchstaben)
            << z.text;
        EXPECT_NE(gruppen.validate(text, stelle), QValidator::Intermediate) << z.text;
    }
}
