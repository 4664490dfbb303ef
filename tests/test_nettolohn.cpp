// Net pay: the worked month and its November with the bonus, the ceilings, and one test per way a
// rule of the contributions can break.
#include <gtest/gtest.h>

#include <optional>

#include "jahresrecht.h"
#include "lohnsteuer.h"
#include "nettolohn.h"

using namespace korvalt;

namespace {

constexpr auto imFall = Lohnmonat::Art::imFall;
constexpr auto vorBeginn = Lohnmonat::Art::vorBeginn;

// Tax class I, no church tax, childless, additional rate 2,9 %: the settings of the worked month.
Steuerangaben klasse1() {
    Steuerangaben a;
    a.zusatzbeitrag = Prozentsatz::hundertstel(290);
    return a;
}

// A whole year in the case at one pay.
Nettojahreseingaben ganzesJahr(int jahr, std::int64_t brutto, const Steuerangaben& a) {
    Nettojahreseingaben e;
    e.jahr = jahr;
    e.angaben = a;
    for (auto& m : e.monate) m = {imFall, brutto};
    return e;
}

Nettomonat monat(const Nettojahreseingaben& e, int m) {
    const Nettojahr jahr = nettojahrRechnen(e);
    for (const Nettomonat& n : jahr.monate)
        if (n.monat.monat() == m) return n;
    ADD_FAILURE() << "kein Monat " << m;
    return {};
}

}  // namespace

// VKA 2026-05, EGr. 9b Stufe 3, full time: 4.203,56 € (tarif/tvoed-vka-2026-05.csv). Tax class I,
// no church tax, childless, additional rate 2,9 %.
//   health  4.203,56 × (7,3 % + 1,45 %) = 367,81115 -> 367,81
//   care    4.203,56 × (1,8 % + 0,6 % childless) = 100,885 -> 100,89
//   pension 4.203,56 × 9,3 % = 390,931 -> 390,93
//   unemployment 4.203,56 × 1,3 % = 54,6463 -> 54,65
//   wage tax, 2026 program: ZRE4J = 50.442,72; ANP 1.230 + SAP 36; Vorsorgepauschale: pension
//     50.442,72 × 9,3 % = 4.691,17, health and care 50.442,72 × (7 % + 1,45 % + 2,4 %) = 5.473,03,
//     together 10.164,20 -> 10.165 (the unemployment comparison, 4.691,17 + 1.900 = 6.592, is
//     less); ZVE = 39.011,72, X = 39.011, Y = 2,1212; ST = (173,1 Y + 2.397) Y + 1.034,87 =
//     6.898,24 -> 6.898 a year, 689.800 / 12 = 574,83 a month; no Soli below 20.350.
//   net     4.203,56 − 574,83 − 367,81 − 100,89 − 390,93 − 54,65 = 2.714,45
TEST(Nettolohn, GerechneterMonat) {
    auto e = ganzesJahr(2026, 420356, klasse1());
    for (int m = 0; m < 4; ++m) e.monate[std::size_t(m)].brutto = 408907;  // 2025-04 table
    const Nettomonat mai = monat(e, 5);
    EXPECT_EQ(mai.brutto, 420356);
    EXPECT_EQ(mai.krankenversicherung, 36781);
    EXPECT_EQ(mai.pflegeversicherung, 10089);
    EXPECT_EQ(mai.rentenversicherung, 39093);
    EXPECT_EQ(mai.arbeitslosenversicherung, 5465);
    EXPECT_EQ(mai.lohnsteuer, 57483);
    EXPECT_EQ(mai.solidaritaetszuschlag, 0);
    EXPECT_EQ(mai.kirchensteuer, 0);
    EXPECT_EQ(mai.netto, 271445);
}

// November of the same case, in it the whole year: January to April at 4.089,07 € (2025-04), May
// to December at 4.203,56 €. The bonus is 85 % (VKA from 2026, tarif/jahressonderzahlung.csv) of
// the pay of July to September: 4.203,56 × 0,85 = 3.573,026 -> 3.573,03.
//   Contributions on 4.203,56 + 3.573,03 = 7.776,59: what is left of the health ceiling over
//   eleven months, 11 × 5.812,50 − (4 × 4.089,07 + 7 × 4.203,56) = 18.156,30, exceeds the bonus.
//   health 680,451625 -> 680,45; care 186,63816 -> 186,64; pension 723,22287 -> 723,22;
//   unemployment 101,09567 -> 101,10.
//   tax on the bonus: JRE4 = 4 × 4.089,07 + 8 × 4.203,56 = 49.984,76; without the bonus VSP =
//     4.648,58 + 5.423,34 -> 10.072, ZVE 38.646,76, Y = 2,0847, ST 6.784; with it ZRE4J 53.557,79,
//     VSP = 4.980,87 + 5.811,02 -> 10.792, ZVE 41.499,79, Y = 2,37, ST 7.688; STS = 904,00, no
//     Soli (7.688 is below 20.350). The month's own tax stays 574,83.
//   net     4.203,56 + 3.573,03 − 574,83 − 904,00 − 680,45 − 186,64 − 723,22 − 101,10 = 4.606,35
TEST(Nettolohn, NovemberMitJahressonderzahlung) {
    auto e = ganzesJahr(2026, 420356, klasse1());
    for (int m = 0; m < 4; ++m) e.monate[std::size_t(m)].brutto = 408907;
    e.sonderzahlung = 357303;
    const Nettomonat november = monat(e, 11);
    EXPECT_EQ(november.sonderzahlung, 357303);
    EXPECT_EQ(november.krankenversicherung, 68045);
    EXPECT_EQ(november.pflegeversicherung, 18664);
    EXPECT_EQ(november.rentenversicherung, 72322);
    EXPECT_EQ(november.arbeitslosenversicherung, 10110);
    EXPECT_EQ(november.lohnsteuerSonderzahlung, 90400);
    EXPECT_EQ(november.lohnsteuer, 57483 + 90400);
    EXPECT_EQ(november.solidaritaetszuschlag, 0);
    EXPECT_EQ(november.netto, 460635);
    // October has no bonus.
    EXPECT_EQ(monat(e, 10).netto, 271445);
}

// EGr. 15 Stufe 6 in 2026, 8.204,11 €: health and care on the ceiling of 5.812,50 only, pension
// and unemployment on the whole pay, which is below their ceiling of 8.450; a higher pay pays
// those on 8.450. In 2024 the ceilings were 5.175 and 7.550.
TEST(Nettolohn, Beitragsbemessungsgrenzen) {
    const Nettomonat hoch = monat(ganzesJahr(2026, 820411, klasse1()), 5);
    EXPECT_EQ(hoch.krankenversicherung, 50859);  // 5.812,50 × 8,75 % = 508,59375
    EXPECT_EQ(hoch.pflegeversicherung, 13950);   // 5.812,50 × 2,4 %
    EXPECT_EQ(hoch.rentenversicherung, 76298);   // 8.204,11 × 9,3 % = 762,98223
    const Nettomonat hoeher = monat(ganzesJahr(2026, 900000, klasse1()), 5);
    EXPECT_EQ(hoeher.krankenversicherung, 50859);
    EXPECT_EQ(hoeher.rentenversicherung, 78585);  // 8.450 × 9,3 %
    EXPECT_EQ(hoeher.arbeitslosenversicherung, 10985);
    const Nettomonat frueher = monat(ganzesJahr(2024, 900000, klasse1()), 5);
    EXPECT_EQ(frueher.krankenversicherung, 45281);  // 5.175 × 8,75 % = 452,8125
    EXPECT_EQ(frueher.rentenversicherung, 70215);   // 7.550 × 9,3 %
}

// Each contribution is rounded once, a half up: 3.005 € × 1,3 % = 39,065.
TEST(Nettolohn, BeitragHalbAufgerundet) {
    const Nettomonat m = monat(ganzesJahr(2026, 300500, klasse1()), 3);
    EXPECT_EQ(m.arbeitslosenversicherung, 3907);
    EXPECT_EQ(m.pflegeversicherung, 7212);  // 2,4 %: 72,12 exactly
}

// The employee's care rate of 2026: 1,8 %, childless 2,4 %, from the second child 0,25 % less
// each up to the fifth; in Saxony 0,5 % more. The wage tax takes the same settings. A private
// member's subsidy is capped at the employer's share for a statutory member, and in Saxony his care
// share is 3,6 − 2,3 = 1,3 %, not 1,8 %: on 4.000 € half of a premium of 1.200 € is more than
// 4.000 × (7,3 + 1,45 + 1,8) % = 422,00, in Saxony more than 4.000 × (7,3 + 1,45 + 1,3) % = 402,00.
TEST(Nettolohn, PflegeNachKindernUndSachsen) {
    const struct {
        const char* name;
        int kinder;
        bool sachsen;
        std::int64_t pflege;  // on 4.000 €
        std::optional<std::int64_t> privatbeitrag;
        std::int64_t zuschuss = 0;
    } faelle[] = {
        {"kinderlos", 0, false, 9600},
        {"ein Kind", 1, false, 7200},
        {"zwei Kinder", 2, false, 6200},
        {"fünf Kinder", 5, false, 3200},
        {"sieben Kinder", 7, false, 3200},
        {"Sachsen, kinderlos", 0, true, 11600},
        {"Sachsen, drei Kinder", 3, true, 7200},
        {"privat", 1, false, 0, 120000, 42200},
        {"Sachsen, privat", 1, true, 0, 120000, 40200},
    };
    std::int64_t steuerKinderlos = 0;
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        Steuerangaben a = klasse1();
        a.kinder = f.kinder;
        a.sachsen = f.sachsen;
        if (f.privatbeitrag) {
            a.zusatzbeitrag.reset();
            a.privatbeitrag = f.privatbeitrag;
        }
        const Nettomonat m = monat(ganzesJahr(2026, 400000, a), 6);
        EXPECT_EQ(m.pflegeversicherung, f.pflege);
        EXPECT_EQ(m.arbeitgeberzuschuss, f.zuschuss);
        if (f.kinder == 0 && !f.sachsen) steuerKinderlos = m.lohnsteuer;
        // A lower care contribution leaves less for the Vorsorgepauschale: more tax.
        if (f.kinder == 5) {
            EXPECT_GT(m.lohnsteuer, steuerKinderlos);
        }
    }
}

// Private insurance: the premium instead of health and care, the employer's subsidy half of it,
// at most what he pays for a statutory member (2026: 7,3 % + 1,45 % + 1,8 % of the pay up to the
// ceiling); the wage tax takes premium and subsidy, in 2025 the program's own subsidy.
TEST(Nettolohn, PrivatVersichert) {
    Steuerangaben a = klasse1();
    a.zusatzbeitrag.reset();
    a.privatbeitrag = 60000;
    const Nettomonat m = monat(ganzesJahr(2026, 420356, a), 5);
    EXPECT_EQ(m.krankenversicherung, 60000);
    EXPECT_EQ(m.pflegeversicherung, 0);
    EXPECT_EQ(m.arbeitgeberzuschuss, 30000);
    EXPECT_EQ(m.netto, 420356 + 30000 - m.lohnsteuer - 60000 - 39093 - 5465);
    PapEingaben pap;
    pap.RE4 = Dezimal(420356, 0);
    pap.PKV = 1;
    pap.PKPV = Dezimal(60000, 0);
    pap.PKPVAGZ = Dezimal(30000, 0);
    EXPECT_EQ(m.lohnsteuer, lohnsteuerBerechnen("Lohnsteuer2026", pap).LSTLZZ);

    a.privatbeitrag = 120000;  // half is 600 €, more than 4.203,56 × 10,55 % = 443,475…
    EXPECT_EQ(monat(ganzesJahr(2026, 420356, a), 5).arbeitgeberzuschuss, 44348);
    const Nettomonat m2025 = monat(ganzesJahr(2025, 420356, a), 5);
    pap.PKV = 2;
    pap.PKPV = Dezimal(120000, 0);
    EXPECT_EQ(m2025.lohnsteuer, lohnsteuerBerechnen("Lohnsteuer2025", pap).LSTLZZ);
}

// Church tax is 8 or 9 % of the program's base, cut to the cent.
TEST(Nettolohn, KirchensteuerAbgerundet) {
    Steuerangaben a = klasse1();
    a.kirchensteuerProzent = 9;
    int mitRest = 0;
    for (std::int64_t brutto = 400000; brutto < 400500; brutto += 37) {
        const Nettomonat m = monat(ganzesJahr(2026, brutto, a), 2);
        PapEingaben pap;
        pap.RE4 = Dezimal(brutto, 0);
        pap.R = 1;
        pap.KVZ = Dezimal(290, 2);
        pap.PVZ = 1;
        const std::int64_t bk = lohnsteuerBerechnen("Lohnsteuer2026", pap).BK;
        EXPECT_EQ(m.kirchensteuer, bk * 9 / 100) << brutto;
        if (bk * 9 % 100 >= 50) ++mitRest;
    }
    EXPECT_GT(mitRest, 0);  // some bases where rounding half up would differ
}

// The bonus's contributions stop at the pro-rata ceiling of the months that count: a new employee
// from September has three months of room, an employee in service the whole year's.
TEST(Nettolohn, SonderzahlungBisZurAnteiligenGrenze) {
    Nettojahreseingaben neu;
    neu.jahr = 2026;
    neu.angaben = klasse1();
    for (int m = 9; m <= 12; ++m) neu.monate[std::size_t(m - 1)] = {imFall, 500000};
    neu.sonderzahlung = 425000;
    // 3 × (5.812,50 − 5.000) = 2.437,50 of the bonus under the health ceiling.
    EXPECT_EQ(monat(neu, 11).krankenversicherung, 65078);  // 7.437,50 × 8,75 % = 650,78125
    Nettojahreseingaben imDienst = neu;
    for (int m = 1; m <= 8; ++m) imDienst.monate[std::size_t(m - 1)] = {vorBeginn, 500000};
    EXPECT_EQ(monat(imDienst, 11).krankenversicherung, 80938);  // 9.250 × 8,75 % = 809,375
    // The higher year's wage taxes the bonus higher.
    EXPECT_GT(monat(imDienst, 11).lohnsteuerSonderzahlung, monat(neu, 11).lohnsteuerSonderzahlung);
    EXPECT_EQ(nettojahrRechnen(imDienst).monate.size(), 4u);

    // EGr. 15 Stufe 6 is above the health ceiling every month: nothing of the bonus is left.
    auto hoch = ganzesJahr(2026, 820411, klasse1());
    hoch.sonderzahlung = 615308;
    EXPECT_EQ(monat(hoch, 11).krankenversicherung, 50859);
    // Pension: 11 × (8.450 − 8.204,11) = 2.704,79 of room.
    EXPECT_EQ(monat(hoch, 11).rentenversicherung, 101453);  // 10.908,90 × 9,3 % = 1.014,5277
}

// Years after the last row of the year's law take its program, rates and ceilings, and say so.
TEST(Nettolohn, NachLetztemStand) {
    const Nettojahr j2027 = nettojahrRechnen(ganzesJahr(2027, 420356, klasse1()));
    const Nettojahr j2026 = nettojahrRechnen(ganzesJahr(2026, 420356, klasse1()));
    EXPECT_TRUE(j2027.nachLetztemStand);
    EXPECT_FALSE(j2026.nachLetztemStand);
    EXPECT_EQ(j2027.monate[4].netto, j2026.monate[4].netto);
    EXPECT_EQ(standHinweis(), "Lohnsteuer und Sozialversicherung ab 2027 nach dem Stand 2026");
}

// A case's months go to their years; each year's bonus to its month; the months before the start
// count only for an employee in service.
TEST(Nettolohn, ReiheEinesFalls) {
    const std::vector<Long> cent(20, 420356);
    std::vector<Sonderzahlung> boni(2);
    boni[0].gebucht = KalenderMonat(2026, 11);
    boni[0].cent = 357303;
    boni[1].gebucht = KalenderMonat(2027, 11);
    boni[1].cent = 357303;
    const Nettoreihe reihe = nettoreiheRechnen(KalenderMonat(2026, 5), cent, boni, false, klasse1(),
                                               Arbeitgeberseite::vka);
    ASSERT_EQ(reihe.monate.size(), 20u);
    EXPECT_TRUE(reihe.nachLetztemStand);
    EXPECT_EQ(reihe.monate[0].monat, KalenderMonat(2026, 5));
    EXPECT_EQ(reihe.monate[6].sonderzahlung, 357303);
    EXPECT_EQ(reihe.monate[18].monat, KalenderMonat(2027, 11));
    EXPECT_EQ(reihe.monate[18].sonderzahlung, 357303);
    EXPECT_EQ(reihe.monate[7].sonderzahlung, 0);
    EXPECT_EQ(reihe.monate[0].netto, 271445);
    const Nettoreihe imDienst = nettoreiheRechnen(KalenderMonat(2026, 5), cent, boni, true,
                                                  klasse1(), Arbeitgeberseite::vka);
    EXPECT_GT(imDienst.monate[6].lohnsteuerSonderzahlung, reihe.monate[6].lohnsteuerSonderzahlung);
    EXPECT_EQ(imDienst.monate[18], reihe.monate[18]);
}

// VBL West in 2025 (levy 5,49 %, share 1,81 %), tax class I, statutory at the average 2,5 %, no
// church tax, childless: January, the tax-free 3.864 € not yet used, so F = U and I = 0.
// 4.000,00: U = 219,60; base 4.000 + (219,60 − 100) + (1.821,49 × 2,5 % = 45,54 − 13,30)
//   = 4.151,84. health 8,55 % 354,98232 -> 354,98; care 2,4 % 99,64416 -> 99,64; pension 9,3 %
//   386,12112 -> 386,12; unemployment 1,3 % 53,97392 -> 53,97; share 1,81 % 72,40.
//   wage tax on RE4 4.000: ZRE4J 48.000, VSP 4.464 + 48.000 × (7 + 1,25 + 2,4) % = 9.576,
//   ZVE 48.000 − 1.230 − 36 − 9.576 = 37.158, z = 1,9715, ST = (176,64 z + 2.397) z + 1.015,13
//   = 6.427 -> 535,58 a month. net 4.000 − 535,58 − 354,98 − 99,64 − 386,12 − 53,97 − 72,40
//   = 2.497,31.
// 1.500,00: U = 82,35 < 100: base 1.500 + (82,35 / 5,49 % = 1.500,00 × 2,5 % = 37,50 − 13,30)
//   = 1.524,20. health 130,3191 -> 130,32; care 36,5808 -> 36,58; pension 141,7506 -> 141,75;
//   unemployment 19,8146 -> 19,81; share 27,15. wage tax: VSP 1.674 + 1.917 = 3.591, ZVE 13.143,
//   y = 0,1047, ST = (932,30 y + 1.400) y = 156 -> 13,00. net 1.500 − 13,00 − 130,32 − 36,58
//   − 141,75 − 19,81 − 27,15 = 1.131,39.
TEST(Nettolohn, VblWestGerechneteMonate) {
    const struct {
        std::int64_t brutto, basis, kv, pv, rv, av, anteil, lohnsteuer, netto;
    } faelle[] = {
        {400000, 415184, 35498, 9964, 38612, 5397, 7240, 53558, 249731},
        {150000, 152420, 13032, 3658, 14175, 1981, 2715, 1300, 113139},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.brutto);
        const Nettomonat m = monat(ganzesJahr(2025, f.brutto, neueSteuerangaben()), 1);
        EXPECT_EQ(m.brutto + m.svHinzurechnung, f.basis);
        EXPECT_EQ(m.umlageVersteuert, 0);
        EXPECT_EQ((std::array{m.krankenversicherung, m.pflegeversicherung, m.rentenversicherung,
                              m.arbeitslosenversicherung, m.zusatzversorgung, m.lohnsteuer}),
                  (std::array{f.kv, f.pv, f.rv, f.av, f.anteil, f.lohnsteuer}));
        EXPECT_EQ(m.netto, f.netto);
    }
}

// The levy's parts by month, one row per way they break. EGr. 15 Stufe 6 in 2025: 7.748,20 €
// to March, 7.980,65 € from April (U 425,38 and 438,14); the bonus 51,78 % (VKA, EGr. 13 to 15)
// of 7.980,65 = 4.132,38, so November's U is 5,49 % of 12.113,03 = 665,01. The tax-free 3.864 €
// last to September: 3 × 425,38 + 5 × 438,14 = 3.466,84, September 397,16 and 40,98 flat.
// From October the flat 89,48 € (VKA) or 92,03 € (Bund), the rest taxed: November 575,53. Below
// 100 € flat, 89,48 / 5,49 % = 1.629,87 × 2,5 % = 40,75 − 13,30 = 27,45 is added (92,03:
// 1.676,32, 41,91, 28,61); at 100 € and more 32,24 and what is above 100.
TEST(Nettolohn, UmlageDerZusatzversorgung) {
    auto egr15 = [](Arbeitgeberseite seite, Lohnmonat::Art bisSeptember) {
        auto e = ganzesJahr(2025, 798065, neueSteuerangaben());
        for (int m = 0; m < 3; ++m) e.monate[std::size_t(m)].brutto = 774820;
        for (int m = 0; m < 9; ++m) e.monate[std::size_t(m)].art = bisSeptember;
        e.sonderzahlung = 413238;
        e.seite = seite;
        return e;
    };
    auto klasse6 = ganzesJahr(2025, 400000, neueSteuerangaben());
    klasse6.angaben.steuerklasse = 6;
    const struct {
        const char* name;
        Nettojahreseingaben eingaben;
        int monat;
        std::int64_t umlage, steuerfrei, pauschal, versteuert, hinzurechnung;
    } faelle[] = {
        {"September: der Rest steuerfrei, dann pauschal", egr15(Arbeitgeberseite::vka, imFall), 9,
         43814, 39716, 4098, 0, 33814 + 3224},
        {"November mit der Jahressonderzahlung", egr15(Arbeitgeberseite::vka, imFall), 11, 66501, 0,
         8948, 57553, 57553 + 2745},
        {"Bund: 92,03 pauschal", egr15(Arbeitgeberseite::bund, imFall), 10, 43814, 0, 9203, 34611,
         34611 + 2861},
        // The months before the start use up the tax-free amount as the case's own would.
        {"im Dienst vor dem Beginn", egr15(Arbeitgeberseite::vka, vorBeginn), 10, 43814, 0, 8948,
         34866, 34866 + 2745},
        {"Steuerklasse VI: alles versteuert", klasse6, 1, 21960, 0, 0, 21960, 21960},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        const Nettomonat m = monat(f.eingaben, f.monat);
        EXPECT_EQ((std::array{m.umlage, m.umlageSteuerfrei, m.umlagePauschal, m.umlageVersteuert,
                              m.svHinzurechnung}),
                  (std::array{f.umlage, f.steuerfrei, f.pauschal, f.versteuert, f.hinzurechnung}));
    }
}

// The taxed part is a regular payment: November's RE4 is 7.980,65 + 575,53 and the bonus's JRE4
// the year's pay 95.070,45 with October's, November's and December's taxed parts, 96.343,30.
TEST(Nettolohn, VersteuerteUmlageImLaufendenLohn) {
    auto e = ganzesJahr(2025, 798065, neueSteuerangaben());
    for (int m = 0; m < 3; ++m) e.monate[std::size_t(m)].brutto = 774820;
    e.sonderzahlung = 413238;
    PapEingaben pap;
    pap.RE4 = Dezimal(798065 + 57553, 0);
    pap.KVZ = Dezimal(250, 2);
    pap.PVZ = 1;
    pap.SONSTB = Dezimal(413238, 0);
    pap.JRE4 = Dezimal(9507045 + 34866 + 57553 + 34866, 0);
    const PapErgebnis steuer = lohnsteuerBerechnen("Lohnsteuer2025", pap);
    const Nettomonat november = monat(e, 11);
    EXPECT_EQ(november.lohnsteuerSonderzahlung, steuer.STS);
    EXPECT_EQ(november.lohnsteuer, steuer.LSTLZZ + steuer.STS);
}
