// The grid's month rows show the case as it stands after each comparison, however many of them
// were read before: a row is built anew when its month's numbers changed.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "meldungsprotokoll.h"
#include "speicherfall.h"

using namespace korvalt;

namespace {

// Every cell of the grid: text, short text and colour.
std::string gitterText(const Gitterspeicher& gitter) {
    std::string alles;
    for (int zeile = 0; zeile < gitter.zeilenzahl(); ++zeile)
        for (int spalte = 0; spalte < gitterSpalten; ++spalte) {
            const Gitterzelle& z = gitter.zelle(zeile, spalte);
            alles += z.text + "|" + z.kurztext + "|" +
                     (z.hintergrund ? std::to_string(*z.hintergrund) : std::string("-")) + ";";
        }
    return alles;
}

class GittermonateTest : public ::testing::Test {
  protected:
    std::unique_ptr<Speicherfall> geladen() {
        auto fall = std::make_unique<Speicherfall>();
        fall->anzeige.laden({{"."}}, meldungen);
        return fall;
    }
    // Step 1 of the individual case in column 1 lasts 11 months instead of 12: every later step
    // of that case begins a month earlier.
    static void stufeKuerzen(Speicherfall& fall) {
        fall.sitzung.dauerSetzen(Seite::individuell, 1, 1, 11);
        fall.anzeige.fortschreiten(Seite::individuell);
        fall.anzeige.vergleichen();
    }
    test::Meldungsprotokoll meldungen;
};

TEST_F(GittermonateTest, ZeilenGelesenVorDerAenderungZeigenDenNeuenFall) {
    auto gelesen = geladen();
    const std::string vorher = gitterText(gelesen->felder.gitter());
    stufeKuerzen(*gelesen);
    auto frisch = geladen();
    stufeKuerzen(*frisch);
    const std::string nachher = gitterText(gelesen->felder.gitter());
    EXPECT_NE(nachher, vorher);
    EXPECT_EQ(nachher, gitterText(frisch->felder.gitter()));
}

}  // namespace
