// The annual bonus: its rates file and the bonus of a case by date in the VKA tables.
#include <gtest/gtest.h>

#include <sstream>

#include "jahressonderzahlung.h"
#include "vkanachdatum.h"

using namespace korvalt;

namespace {

// The bonuses of a case by date in EGr. 9b with the default durations, `monate` months (at most
// 72) from `beginn`.
std::vector<Sonderzahlung> sonderzahlungen9b(KalenderMonat beginn, int monate,
                                             bool imDienstVorBeginn = false) {
    const auto vka = test::vkaNachDatum();
    const Tabellenfolge folge(vka.tabellen, std::nullopt, beginn + monate);
    std::vector<Long> cent;
    for (int m = 1; m <= monate; ++m) {
        const int stufe = m <= 12 ? 1 : m <= 36 ? 2 : 3;
        cent.push_back(*folge.entgelt(beginn + (m - 1), test::egr9b, stufe));
    }
    const std::vector<Integer> gruppe(cent.size(), test::egr9b);
    std::string fehler;
    const auto saetze = sonderzahlungssaetzeLaden(".", fehler);
    EXPECT_TRUE(saetze) << fehler;
    if (!saetze) return {};
    return jahressonderzahlungen({beginn, cent, gruppe, imDienstVorBeginn}, vka.tabelle, *saetze,
                                 Arbeitgeberseite::vka);
}

std::optional<Sonderzahlungssaetze> lesen(const std::string& text, std::string& fehler) {
    std::istringstream quelle(text);
    return sonderzahlungssaetzeLesen(quelle, fehler);
}

}  // namespace

TEST(Sonderzahlungssaetze, SatzGiltBisZurNaechstenZeileDerSeite) {
    std::string fehler;
    const auto saetze = sonderzahlungssaetzeLaden(".", fehler);
    ASSERT_TRUE(saetze) << fehler;
    EXPECT_EQ(saetze->satz(Arbeitgeberseite::vka, 2025, Entgeltband::egr9bis12), 7028);
    EXPECT_EQ(saetze->satz(Arbeitgeberseite::bund, 2025, Entgeltband::egr13bis15), 6000);
    EXPECT_EQ(saetze->satz(Arbeitgeberseite::bund, 2026, Entgeltband::egr1bis8), 9500);
    EXPECT_FALSE(saetze->satz(Arbeitgeberseite::bund, 2019, Entgeltband::egr1bis8));
    EXPECT_EQ(entgeltband("8"), Entgeltband::egr1bis8);
    EXPECT_EQ(entgeltband("12"), Entgeltband::egr9bis12);
    EXPECT_EQ(entgeltband("13"), Entgeltband::egr13bis15);
}

TEST(Sonderzahlungssaetze, BeschaedigteZeile) {
    const std::string kopf = "bereich;ab_jahr;egr_1_8;egr_9a_12;egr_13_15\n";
    std::string fehler;
    EXPECT_FALSE(lesen(kopf + "vka;2022;8451;7028\n", fehler));
    EXPECT_EQ(fehler,
              "Zeile 2: erwartet: Bereich;ab Jahr;Satz EGr. 1–8;Satz EGr. 9a–12;Satz "
              "EGr. 13–15");
    EXPECT_FALSE(lesen(kopf + "vka;2026;8500;8500;8500\nvka;2022;1;1;1\n", fehler));
    EXPECT_EQ(fehler, "Zeile 3: Die Jahre des Bereichs \u201Evka\u201C steigen nicht auf.");
    // A side no table has would give no bonus without a word.
    EXPECT_FALSE(lesen(kopf + "land;2026;8500;8500;8500\n", fehler));
    EXPECT_EQ(fehler, "Zeile 2: Der Bereich \u201Eland\u201C ist unbekannt (vka oder bund).");
    EXPECT_FALSE(lesen(kopf + "vka;2026;85,0;8500;8500\n", fehler));
    EXPECT_EQ(fehler, "Zeile 2: Der Satz \u201E85,0\u201C ist keine Zahl in Hundertstel Prozent.");
}

// VKA by date, Beginn 01/2026, start 9b: July to September 2026 pay step 1 of the table of
// 05/2026, 3.779,84; 85 % of it is 3.212,864, so 3.212,86 in November 2026. Ending in 11/2030, the
// case has no bonus for 2030: nobody is employed on 1 December.
TEST(Jahressonderzahlung, GanzesJahrUndKeineImJahrDesEndes) {
    const auto z = sonderzahlungen9b(KalenderMonat(2026, 1), 59);
    ASSERT_EQ(z.size(), 4u);
    EXPECT_EQ(z[0].jahr, 2026);
    EXPECT_EQ(z[0].gebucht, KalenderMonat(2026, 11));
    EXPECT_EQ(z[0].satz, 8500);
    EXPECT_EQ(z[0].cent, 321286);
    EXPECT_EQ(z.back().jahr, 2029);
    EXPECT_EQ(sonderzahlungen9b(KalenderMonat(2026, 1), 60).back().jahr, 2030);
}

// Beginning 03/2026: 10/12 of 3.212,864 is 2.677,3866…, 2.677,39; rounding the 85 % first would
// give 2.677,38.
TEST(Jahressonderzahlung, ZwoelftelVorDemBeginnFallenWeg) {
    const auto z = sonderzahlungen9b(KalenderMonat(2026, 3), 12);
    ASSERT_EQ(z.size(), 1u);
    EXPECT_EQ(z[0].zwoelftel, 10);
    EXPECT_EQ(z[0].cent, 267739);
}

// Beginning 08/2025: in 2025 only August and September count, 3.676,89 each, at 70,28 % for
// 9a–12 and 5/12: 1.076,715955…, 1.076,72. In 2026 July pays step 1 (3.779,84), August and
// September step 2 (4.039,01): (3.779,84 + 2 × 4.039,01) / 3 × 85 % = 3.359,727, 3.359,73.
TEST(Jahressonderzahlung, DurchschnittDerMonateImFall) {
    const auto z = sonderzahlungen9b(KalenderMonat(2025, 8), 24);
    ASSERT_EQ(z.size(), 2u);
    EXPECT_EQ(z[0].basismonate, 2);
    EXPECT_EQ(z[0].cent, 107672);
    EXPECT_EQ(z[1].basismonate, 3);
    EXPECT_EQ(z[1].cent, 335973);
}

// Beginning 10/2026: the first month is the base, 3.779,84 × 85 % × 3/12 = 803,216, 803,22; a case
// beginning in December is booked in its first month.
TEST(Jahressonderzahlung, BeginnAbOktober) {
    auto z = sonderzahlungen9b(KalenderMonat(2026, 10), 3);
    ASSERT_EQ(z.size(), 1u);
    EXPECT_EQ(z[0].basismonate, 1);
    EXPECT_EQ(z[0].cent, 80322);
    z = sonderzahlungen9b(KalenderMonat(2026, 12), 1);
    ASSERT_EQ(z.size(), 1u);
    EXPECT_EQ(z[0].gebucht, KalenderMonat(2026, 12));
    EXPECT_EQ(z[0].zwoelftel, 1);
}

// Employed before the start month (a current step): no twelfths are lost to the months before it.
// From 03/2026 the full 3.212,86 of the first test; from 10/2026 the first month is the base, as
// July to September lie before it, and the bonus is 3.779,84 × 85 % = 3.212,86 instead of 803,22.
TEST(Jahressonderzahlung, ImDienstVorDemBeginnGanzesJahr) {
    for (KalenderMonat beginn : {KalenderMonat(2026, 3), KalenderMonat(2026, 10)}) {
        SCOPED_TRACE(beginn.text());
        const auto z = sonderzahlungen9b(beginn, 12, true);
        ASSERT_FALSE(z.empty());
        EXPECT_EQ(z[0].zwoelftel, 12);
        EXPECT_EQ(z[0].cent, 321286);
    }
}

// A promotion from EGr. 8 to 9a in October 2026 under the Federation's rates (95 % for EGr. 1-8,
// 90 % for 9a-12): the rate is that of the group on 1 September, 95 % of the July-September base
// of 3.000,00, 2.850,00; the group of November would give 2.700,00.
TEST(Jahressonderzahlung, SatzNachDerGruppeImSeptember) {
    const auto vka = test::vkaNachDatum();
    const KalenderMonat beginn(2026, 1);
    std::vector<Long> cent(12, 300000);
    std::vector<Integer> gruppe(12, 8);
    for (std::size_t m = 9; m < 12; ++m) {
        cent[m] = 350000;
        gruppe[m] = 9;
    }
    std::string fehler;
    const auto saetze = sonderzahlungssaetzeLaden(".", fehler);
    ASSERT_TRUE(saetze) << fehler;
    const auto z =
        jahressonderzahlungen({beginn, cent, gruppe}, vka.tabelle, *saetze, Arbeitgeberseite::bund);
    ASSERT_EQ(z.size(), 1u);
    EXPECT_EQ(z[0].satz, 9500);
    EXPECT_EQ(z[0].cent, 285000);
}
