// The year view: months and pays per year, bonuses in their month, the cumulated difference and
// the month from which the individual case stays ahead.
#include <gtest/gtest.h>

#include "jahresuebersicht.h"

using namespace korvalt;

namespace {

// EGr. 9b step 1 and 2 of 05/2026.
constexpr Long stufe1 = 377984;
constexpr Long stufe2 = 403901;

}  // namespace

// Beginn 10/2026: the normal case 4 months, the individual one 5, with its bonus of 803,22 in
// November 2026.
TEST(Jahresuebersicht, KalenderjahreAbDemBeginn) {
    const std::vector<Long> normal(4, stufe1);
    const std::vector<Long> individuell(5, stufe2);
    Sonderzahlung bonus;
    bonus.jahr = 2026;
    bonus.gebucht = KalenderMonat(2026, 11);
    bonus.cent = 80322;
    const auto u =
        jahresuebersichtBilden({normal, {}}, {individuell, {&bonus, 1}}, KalenderMonat(2026, 10));
    ASSERT_EQ(u.jahre.size(), 2u);
    EXPECT_EQ(u.jahre[0].jahr, 2026);
    EXPECT_EQ(u.jahre[0].monateN, 3);
    EXPECT_EQ(u.jahre[0].differenz, 3 * (stufe2 - stufe1) + 80322);
    EXPECT_EQ(u.jahre[1].jahr, 2027);
    EXPECT_EQ(u.jahre[1].monateN, 1);
    EXPECT_EQ(u.jahre[1].monateI, 2);
    EXPECT_EQ(u.jahre[1].kumuliert, 4 * (stufe2 - stufe1) + stufe2 + 80322);
    EXPECT_EQ(u.gesamt.kumuliert, u.jahre[1].kumuliert);
}

// Equal months are no lead: two cases paid the same have no month from which one is ahead.
TEST(Jahresuebersicht, FalljahreOhneBeginn) {
    const std::vector<Long> monate(13, stufe1);
    const auto u = jahresuebersichtBilden({monate, {}}, {monate, {}}, std::nullopt);
    ASSERT_EQ(u.jahre.size(), 2u);
    EXPECT_EQ(u.jahre[0].monateN, 12);
    EXPECT_EQ(u.jahre[0].bezeichnung, "Jahr 1");
    EXPECT_EQ(u.jahre[1].jahr, 2);
    EXPECT_EQ(u.jahre[1].monateI, 1);
    EXPECT_EQ(u.gesamt.bezeichnung, "Summe");
    EXPECT_EQ(u.gesamt.monate, 13);
    EXPECT_FALSE(u.ausgleichsmonat);
    EXPECT_FALSE(u.groessterRueckstand);
}

// Monthly differences +100, -300, +250, -60, +20, +100 cents: cumulated 100, -200, 50, -10, 10,
// 110. It dips below 0 again in month 4, so it is ahead to stay from month 5 on, and furthest
// behind in month 2; a bonus of the individual case booked in month 2 that covers the dips makes
// it month 1.
TEST(Jahresuebersicht, AusgleichNachDemLetztenMinus) {
    const std::vector<Long> normal(6, stufe1);
    std::vector<Long> individuell = normal;
    const int differenzen[] = {100, -300, 250, -60, 20, 100};
    for (std::size_t m = 0; m < 6; ++m) individuell[m] += differenzen[m];
    const KalenderMonat beginn(2026, 10);
    auto u = jahresuebersichtBilden({normal, {}}, {individuell, {}}, beginn);
    EXPECT_EQ(u.ausgleichsmonat, 5);
    EXPECT_EQ(u.ausgleichKalendermonat(), KalenderMonat(2027, 2));
    ASSERT_TRUE(u.groessterRueckstand);
    EXPECT_EQ(u.groessterRueckstand->cent, -200);
    EXPECT_EQ(u.groessterRueckstand->monat, 2);
    EXPECT_EQ(u.kumuliert, (std::vector<std::int64_t>{100, -200, 50, -10, 10, 110}));

    Sonderzahlung bonus;
    bonus.gebucht = KalenderMonat(2026, 11);
    bonus.cent = 200;
    u = jahresuebersichtBilden({normal, {}}, {individuell, {&bonus, 1}}, beginn);
    EXPECT_EQ(u.ausgleichsmonat, 1);

    individuell.back() -= 200;
    u = jahresuebersichtBilden({normal, {}}, {individuell, {}}, beginn);
    EXPECT_FALSE(u.ausgleichsmonat);
}

// Level for two months before it gets ahead: the lead begins in the first month above 0, not in
// the first month at 0.
TEST(Jahresuebersicht, GleicheMonateSindKeinVorsprung) {
    const std::vector<Long> normal(4, stufe1);
    const std::vector<Long> individuell{stufe1, stufe1, stufe2, stufe2};
    const auto u = jahresuebersichtBilden({normal, {}}, {individuell, {}}, KalenderMonat(2026, 5));
    EXPECT_EQ(u.ausgleichsmonat, 3);
}

// Month by month: the month after the last one the individual case is paid less, its bonuses in
// their month. Each row is one way the rule breaks: the last month less taken for the first, the
// first month more taken after the last less, a month paid the same skipped, a bonus left out, a
// case that ends behind or is never ahead taken as ahead.
TEST(Jahresuebersicht, MonatFuerMonatMehr) {
    const struct {
        const char* name;
        std::vector<Long> differenzen;  // the individual case's pay less the normal case's
        Long bonusImMonat3;             // the normal case's bonus booked in month 3
        std::optional<int> mehrAb;
        bool jemalsMehr;
    } faelle[] = {
        {"wieder weniger, dann mehr", {5, -3, 4, -1, 2, 2}, 0, 5, true},
        {"nie weniger: der erste Monat mehr", {0, 0, 2, 0}, 0, 3, true},
        {"nach dem letzten Minus erst gleich", {1, -1, 0, 1}, 0, 3, true},
        {"die Sonderzahlung zählt in ihrem Monat", {1, 1, 1, 1}, 5, 4, true},
        {"endet mit weniger", {5, -3}, 0, std::nullopt, true},
        {"nach dem letzten Minus nur gleich", {5, -3, 0}, 0, std::nullopt, true},
        {"nie mehr", {-1, 0}, 0, std::nullopt, false},
    };
    for (const auto& f : faelle) {
        const std::vector<Long> normal(f.differenzen.size(), stufe1);
        std::vector<Long> individuell = normal;
        for (std::size_t i = 0; i < normal.size(); ++i) individuell[i] += f.differenzen[i];
        Sonderzahlung bonus;
        bonus.gebucht = KalenderMonat(2026, 3);
        bonus.cent = f.bonusImMonat3;
        const auto u = jahresuebersichtBilden({normal, {&bonus, 1}}, {individuell, {}},
                                              KalenderMonat(2026, 1));
        EXPECT_EQ(u.monatlichMehrAb, f.mehrAb) << f.name;
        EXPECT_EQ(u.jemalsMehr, f.jemalsMehr) << f.name;
    }
}
