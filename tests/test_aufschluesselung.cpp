// The breakdown of a month: which lines it has, in which order, and the difference as the net pay
// goes.
#include <gtest/gtest.h>

#include "aufschluesselung.h"

using namespace korvalt;

namespace {

Nettomonat monat(std::int64_t brutto, std::int64_t lohnsteuer, std::int64_t netto) {
    Nettomonat n;
    n.brutto = brutto;
    n.lohnsteuer = lohnsteuer;
    n.krankenversicherung = 30000;
    n.pflegeversicherung = 8000;
    n.rentenversicherung = 37000;
    n.arbeitslosenversicherung = 5000;
    n.netto = netto;
    return n;
}

std::vector<std::string> bezeichnungen(const Aufschluesselung& a) {
    std::vector<std::string> b;
    for (const auto& z : a.zeilen) b.push_back(z.bezeichnung);
    return b;
}

}  // namespace

// A month without a bonus: every tax and contribution, the church tax even at 0, no bonus lines;
// a higher deduction in the individual case is a negative difference, a higher pay a positive one.
TEST(Aufschluesselung, MonatOhneSonderzahlung) {
    Nettofall netto;
    netto.beginn = KalenderMonat(2026, 11);
    netto.reihen[0].monate = {monat(400000, 50000, 270000), monat(400000, 50000, 270000)};
    netto.reihen[1].monate = {monat(420000, 56000, 284000), monat(420000, 56000, 284000)};
    const auto a = aufschluesselungBilden(netto, 2);
    ASSERT_TRUE(a);
    EXPECT_EQ(aufschluesselungTitel(*a), "12/2026 (Monat 2)");
    EXPECT_EQ(
        bezeichnungen(*a),
        (std::vector<std::string>{"Bruttoentgelt", "Lohnsteuer", "Solidaritätszuschlag",
                                  "Kirchensteuer", "Krankenversicherung", "Pflegeversicherung",
                                  "Rentenversicherung", "Arbeitslosenversicherung", "Nettolohn"}));
    EXPECT_EQ(a->zeilen[0].differenz(), 20000);
    EXPECT_EQ(a->zeilen[1].differenz(), -6000);
    EXPECT_EQ(a->zeilen.back().differenz(), 14000);
    EXPECT_FALSE(aufschluesselungBilden(netto, 3));
    // A net below zero in one case is explained in that month only.
    EXPECT_EQ(a->hinweis, "");
    netto.reihen[1].monate[0].netto = -1500;
    EXPECT_EQ(aufschluesselungBilden(netto, 1)->hinweis,
              "Nettolohn unter 0: der private Beitrag übersteigt das Entgelt.");
    EXPECT_EQ(aufschluesselungBilden(netto, 2)->hinweis, "");
}

// In the bonus month the bonus and the part of each tax on it follow their lines; under private
// insurance the premium is named as such, the employer's subsidy is paid out and there is no care
// line of its own.
TEST(Aufschluesselung, SonderzahlungUndPrivatVersichert) {
    Nettofall netto;
    netto.beginn = KalenderMonat(2026, 11);
    netto.angaben.privatbeitrag = 60000;
    Nettomonat n = monat(400000, 90000, 500000);
    n.sonderzahlung = 340000;
    n.lohnsteuerSonderzahlung = 40000;
    n.kirchensteuerSonderzahlung = 3600;
    n.kirchensteuer = 8000;
    n.pflegeversicherung = 0;
    n.krankenversicherung = 60000;
    n.arbeitgeberzuschuss = 30000;
    netto.reihen[0].monate = {n};
    netto.reihen[1].monate = {n};
    const auto a = aufschluesselungBilden(netto, 1);
    ASSERT_TRUE(a);
    EXPECT_EQ(bezeichnungen(*a),
              (std::vector<std::string>{
                  "Bruttoentgelt", "Jahressonderzahlung",
                  "Zuschuss des Arbeitgebers zur privaten Versicherung", "Lohnsteuer",
                  "davon auf die Jahressonderzahlung", "Solidaritätszuschlag", "Kirchensteuer",
                  "davon auf die Jahressonderzahlung", "Private Kranken- und Pflegeversicherung",
                  "Rentenversicherung", "Arbeitslosenversicherung", "Nettolohn"}));
    EXPECT_EQ(a->zeilen[4].cent[0], 40000);
}

// The employer's levy, its taxed part and its addition to the insurance base follow the net pay,
// which they do not touch; a line 0 in both cases is left out.
TEST(Aufschluesselung, UmlageNachDemNettolohn) {
    Nettofall netto;
    Nettomonat n = monat(400000, 53558, 249731);
    n.umlage = 21960;
    n.svHinzurechnung = 15184;
    netto.reihen[0].monate = {n};
    netto.reihen[1].monate = {n};
    const auto b = bezeichnungen(*aufschluesselungBilden(netto, 1));
    EXPECT_EQ(std::vector(b.end() - 3, b.end()),
              (std::vector<std::string>{"Nettolohn", "Umlage des Arbeitgebers zur Zusatzversorgung",
                                        "Hinzurechnung zur Sozialversicherung"}));
}
