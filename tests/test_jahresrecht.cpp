// The year's law row by row against the published values as tarif/lohnsteuer/README.md lists them
// with their sources: a value copied from the row before, or mistyped, shows here.
#include <gtest/gtest.h>

#include "jahresrecht.h"

using namespace korvalt;

TEST(Jahresrecht, JedeZeileWieVeroeffentlicht) {
    // Rates in hundredths of a percent, amounts in cents.
    const struct {
        int jahr;
        std::string_view programm, dezember;
        int krankenAN, zusatzbeitrag, pflegeAN, kinderlos, jeKind, sachsen, rente, arbeitslos;
        std::int64_t bbgKrankenPflege, bbgRenteArbeitslosen, steuerfrei;
    } veroeffentlicht[] = {
        {2024, "Lohnsteuer2024", "Lohnsteuer2024Dezember", 730, 170, 170, 60, 25, 220, 930, 130,
         517500, 755000, 271800},
        {2025, "Lohnsteuer2025", "Lohnsteuer2025", 730, 250, 180, 60, 25, 230, 930, 130, 551250,
         805000, 386400},
        {2026, "Lohnsteuer2026", "Lohnsteuer2026", 730, 290, 180, 60, 25, 230, 930, 130, 581250,
         845000, 405600},
    };
    const auto zeilen = jahresrechtZeilen();
    ASSERT_EQ(zeilen.size(), std::size(veroeffentlicht));
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        const Jahresrecht& r = zeilen[i];
        const auto& v = veroeffentlicht[i];
        SCOPED_TRACE(v.jahr);
        EXPECT_EQ(r.jahr, v.jahr);
        EXPECT_EQ(r.lohnsteuerprogramm(1), v.programm);
        EXPECT_EQ(r.lohnsteuerprogramm(11), v.programm);
        EXPECT_EQ(r.lohnsteuerprogramm(12), v.dezember);
        EXPECT_EQ(r.krankenAN.inHundertsteln(), v.krankenAN);
        EXPECT_EQ(r.zusatzbeitragDurchschnitt.inHundertsteln(), v.zusatzbeitrag);
        EXPECT_EQ(r.pflegeAN.inHundertsteln(), v.pflegeAN);
        // Outside Saxony employer and employee pay half each.
        EXPECT_EQ(r.pflegeGesamt.inHundertsteln(), 2 * v.pflegeAN);
        EXPECT_EQ(r.pflegeKinderlosZuschlag.inHundertsteln(), v.kinderlos);
        EXPECT_EQ(r.pflegeAbschlagJeKind.inHundertsteln(), v.jeKind);
        EXPECT_EQ(r.hoechsteKinderabschlaege, 4);
        EXPECT_EQ(r.pflegeANSachsen.inHundertsteln(), v.sachsen);
        EXPECT_EQ(r.renteAN.inHundertsteln(), v.rente);
        EXPECT_EQ(r.arbeitslosAN.inHundertsteln(), v.arbeitslos);
        EXPECT_EQ(r.bbgKrankenPflege, v.bbgKrankenPflege);
        EXPECT_EQ(r.bbgRenteArbeitslosen, v.bbgRenteArbeitslosen);
        EXPECT_EQ(r.sonderzahlungsmonat, 11);
        EXPECT_EQ(r.steuerfreieZusatzversorgung(), v.steuerfrei);
        EXPECT_EQ(r.pauschalZusatzversorgung(Arbeitgeberseite::bund), 9203);
        EXPECT_EQ(r.pauschalZusatzversorgung(Arbeitgeberseite::vka), 8948);
        EXPECT_EQ(r.svFreibetragZusatzversorgung, 10000);
        EXPECT_EQ(r.svHinzurechnungsanteil.inHundertsteln(), 250);
        EXPECT_EQ(r.svHinzurechnungsabzug, 1330);
        EXPECT_EQ(r.vblWestUmlage.inHundertsteln(), 549);
        EXPECT_EQ(r.vblWestAnteil.inHundertsteln(), 181);
    }
    // Before the first row the first applies, after the last the last, and that is said.
    EXPECT_EQ(jahresrecht(2023).jahr, 2024);
    EXPECT_EQ(jahresrecht(2040).jahr, 2026);
    EXPECT_FALSE(nachLetztemStand(2026));
    EXPECT_TRUE(nachLetztemStand(2027));
}
