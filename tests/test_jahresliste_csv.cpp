// The year view as CSV: amounts by the table's unit, and the bonus columns empty or "0,00".
#include <gtest/gtest.h>

#include "jahresliste_csv.h"

using namespace korvalt;

namespace {

// The second line of the CSV: the first year.
std::string ersteZeile(const std::string& csv) {
    const auto anfang = csv.find('\n') + 1;
    return csv.substr(anfang, csv.find('\n', anfang) - anfang);
}

Jahresdaten zweiMonate(bool inCent, std::optional<KalenderMonat> beginn,
                       std::span<const Sonderzahlung> sonderI = {}) {
    Jahresdaten d;
    d.inCent = inCent;
    d.mitSonderzahlung = beginn.has_value();
    d.centN = {377950, 377950};
    d.centI = {403901, 403901};
    d.uebersicht = jahresuebersichtBilden({d.centN, {}}, {d.centI, sonderI}, beginn);
    return d;
}

}  // namespace

TEST(JahreslisteCsv, Tabelle2006InGanzenEuroMitJahrN) {
    const std::string csv = jahreslisteCsv(zweiMonate(false, std::nullopt));
    EXPECT_EQ(ersteZeile(csv), "Jahr 1;2;7559;;8078;;519;519");
    EXPECT_NE(csv.find("\nSumme;2;7559;;8078;;519;\n"), std::string::npos);
}

TEST(JahreslisteCsv, CentTabelleMitKommaUndNullSonderzahlung) {
    const std::string csv = jahreslisteCsv(zweiMonate(true, KalenderMonat(2026, 3)));
    EXPECT_EQ(ersteZeile(csv), "2026;2;7559,00;0,00;8078,02;0,00;519,02;519,02");
}

TEST(JahreslisteCsv, SonderzahlungImJahrGezaehlt) {
    Sonderzahlung bonus;
    bonus.gebucht = KalenderMonat(2026, 11);
    bonus.cent = 80322;
    const std::string csv = jahreslisteCsv(zweiMonate(true, KalenderMonat(2026, 10), {&bonus, 1}));
    EXPECT_EQ(ersteZeile(csv), "2026;2;7559,00;0,00;8078,02;803,22;1322,24;1322,24");
}

TEST(JahreslisteAufruf, SchalterNurMitJahresliste) {
    std::string fehler;
    EXPECT_FALSE(aufrufLesen({"--ohne-jahressonderzahlung"}, fehler));
    EXPECT_EQ(fehler, "\u201E--ohne-jahressonderzahlung\u201C braucht \u201E--jahresliste\u201C.");
    EXPECT_FALSE(aufrufLesen({"--jahresliste", "-", "--monatsliste", "m.csv"}, fehler));
    EXPECT_FALSE(aufrufLesen({"--tabellen", "--jahresliste", "-"}, fehler));
    const auto aufruf =
        aufrufLesen({"--jahresliste", "j.pdf", "--ohne-jahressonderzahlung"}, fehler);
    ASSERT_TRUE(aufruf) << fehler;
    EXPECT_TRUE(aufruf->ohneSonderzahlung);
    EXPECT_TRUE(aufruf->brauchtQt());
}
