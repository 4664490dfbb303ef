// The calculation chain on the plain field store: pay table, both progressions, comparison and
// recalculation.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "einstellungssatz.h"
#include "meldungsprotokoll.h"
#include "monatsliste_csv.h"
#include "sitzungszugriff.h"
#include "speicherfall.h"
#include "tariftabelle.h"

using namespace korvalt;

namespace {

FeldId in(Feldname erste, int spalte, int stufe) {
    return spaltenfeld(erste, 1, spalte, stufe);
}
FeldId garn(int spalte, int stufe) {
    return spaltenfeld(Feldname::Garn2, 2, spalte, stufe);
}
FeldId gar(int spalte, int stufe) {
    return spaltenfeld(Feldname::Gar2, 2, spalte, stufe);
}

class RechnerTest : public ::testing::Test {
  protected:
    // The real tariff table of 2006, built beside the tests.
    void laden(const Startoptionen& optionen = {{"."}}) {
        fall->anzeige.laden(optionen, meldungen);
    }

    void ladenMit(const test::Centtabelle& tabelle) {
        test::tarifdateiSchreiben(verzeichnis.pfad() / tarifdateiName, tabelle);
        fall->anzeige.laden({{verzeichnis.pfad()}}, meldungen);
    }

    Falltabellen& t() { return test::falltabellen(fall->sitzung); }
    Fallanzeige& fallanzeige() { return fall->anzeige; }
    std::string text(FeldId feld) const { return fall->felder.text(feld); }
    const Feldzustand& zustand(FeldId feld) const { return fall->felder.zustand(feld); }
    const std::string& zelle(int zeile, int spalte) const {
        return fall->felder.gitter().zelle(zeile, spalte).text;
    }

    void startgruppe(const char* text) {
        fall->felder.setzeText({Feldname::Startgruppe}, text);
        fallanzeige().starten();
    }

    // Months of one step as the window shows them: "first-last", "0-0" for a step without months.
    std::string normalMonate(int spalte, int stufe) const {
        return text(in(Feldname::nanfang1, spalte, stufe)) + "-" +
               text(in(Feldname::nende1, spalte, stufe));
    }
    std::string individuelleMonate(int spalte, int stufe) const {
        return text(in(Feldname::ianfang1, spalte, stufe)) + "-" +
               text(in(Feldname::iende1, spalte, stufe));
    }

    // Everything the window shows, to compare two runs.
    std::string anzeige() const {
        std::string alles;
        for (const auto& b : feldtabelle())
            for (int i = b.von; i <= b.bis; ++i) {
                if (!b.hatIndex(i)) continue;
                const auto& z = fall->felder.zustand({b.name, static_cast<std::int8_t>(i)});
                alles +=
                    z.text + "|" + std::to_string(z.hintergrund) + (z.deckend ? "d" : "t") + "\n";
            }
        const auto& gitter = fall->felder.gitter();
        for (int zeile = 0; zeile < gitter.zeilenzahl(); ++zeile)
            for (int spalte = 0; spalte < gitterSpalten; ++spalte)
                alles += gitter.zelle(zeile, spalte).text + ";";
        return alles;
    }

    std::unique_ptr<Speicherfall> fall = std::make_unique<Speicherfall>();
    test::Meldungsprotokoll meldungen;
    test::TemporaeresVerzeichnis verzeichnis;
};

TEST_F(RechnerTest, StandardfallSpalteEinsUndAufstieg) {
    laden();
    EXPECT_TRUE(meldungen.warnungen.empty());
    EXPECT_EQ(text({Feldname::Korvaltei}),
              "Korvalt für TVöD-Gemeinden (VKA), Tariftabellen Stand JANUAR 2006 WEST");
    const char* erwartet[] = {"1-12", "13-36", "37-72", "73-120", "0-0", "0-0"};
    for (int stufe = 1; stufe <= 6; ++stufe) {
        EXPECT_EQ(normalMonate(1, stufe), erwartet[stufe - 1]) << "step " << stufe;
        EXPECT_EQ(individuelleMonate(1, stufe), erwartet[stufe - 1]) << "step " << stufe;
        const bool erreicht = stufe <= 4;
        EXPECT_EQ(zustand(traeger(1, stufe)).hintergrund,
                  erreicht ? farben::hellgruen : farben::hellgrau);
        EXPECT_EQ(zustand(in(Feldname::gelb1, 1, stufe)).hintergrund,
                  erreicht ? farben::hellgelb : farben::hellgrau);
    }
    // EGr. 9 step 4 pays 2,730; EGr. 10 step 3 (2,800) is the lowest step that pays at least that.
    EXPECT_EQ(text(betrag(1, 4)), "2.730");
    EXPECT_EQ(normalMonate(2, 2), "0-0");
    EXPECT_EQ(normalMonate(2, 3), "121-156");
    EXPECT_EQ(normalMonate(2, 5), "205-240");
    EXPECT_EQ(normalMonate(3, 5), "241-300");
    EXPECT_EQ(normalMonate(4, 6), "421-480");
    EXPECT_EQ(text(garn(2, 3)), "");  // a gain of 70 euros needs no guarantee
    EXPECT_EQ(t().letztermonat(1), 480);
    EXPECT_EQ(fall->sitzung.daten().monatsanzahl, 480);
    EXPECT_EQ(t().gesamtbetrag(1), 1604172);
    EXPECT_EQ(text({Feldname::Ergebnis1}), "1.604.172");
    EXPECT_EQ(text({Feldname::Ergebnis2}), "1.604.172");
    EXPECT_EQ(text({Feldname::Differenz}), "0");
    EXPECT_EQ(zustand({Feldname::Differenz}).hintergrund, farben::schwarz);
    EXPECT_EQ(fall->sitzung.daten().fall.tarif(), 12);
    EXPECT_EQ(fall->sitzung.daten().satzbasis, 200);
    EXPECT_EQ(fall->sitzung.daten().tarifname(0).text(), "TVöD-Gemeinden (VKA)               ");
}

TEST_F(RechnerTest, StartgruppeBestimmtDieVierSpalten) {
    laden();
    const struct {
        const char* startgruppe;
        Integer gruppen[4];
        const char* titel[3];
        long lesezugriffe;
    } faelle[] = {
        {"9", {9, 10, 11, 12}, {"EGr. 10", "EGr. 11", "EGr. 12"}, 4},
        {"12", {12, 13, 14, 15}, {"EGr. 13", "EGr. 14", "EGr. 15"}, 4},
        {"13", {13, 14, 15, 0}, {"EGr. 14", "EGr. 15", "entfällt"}, 3},
        {"15", {15, 0, 0, 0}, {"entfällt", "entfällt", "entfällt"}, 1},
    };
    for (const auto& f : faelle) {
        const long vorher = fall->sitzung.tarifdatei().lesezugriffe();
        startgruppe(f.startgruppe);
        EXPECT_EQ(fall->sitzung.tarifdatei().lesezugriffe() - vorher, f.lesezugriffe)
            << f.startgruppe;
        for (int k = 1; k <= 4; ++k) EXPECT_EQ(t().gruppe(k), f.gruppen[k - 1]) << f.startgruppe;
        for (int k = 2; k <= 4; ++k)
            EXPECT_EQ(text({Feldname::Gruppetit, static_cast<std::int8_t>(k)}), f.titel[k - 2]);
        for (int k = 1; k <= 4; ++k) {
            if (f.gruppen[k - 1] != 0) continue;
            for (int stufe = 1; stufe <= 6; ++stufe) {
                EXPECT_EQ(text(betrag(k, stufe)), "    0");
                EXPECT_EQ(t().entgelt(k, stufe), 0.0f);
                // Nothing is paid in a column without a group: it adds no months.
                EXPECT_EQ(t().stufenmonate(1, k, stufe), 0);
            }
        }
    }
    startgruppe("15");
    EXPECT_EQ(t().letztermonat(1),
              120);  // columns without a group pay 0, below EGr. 15: all passed over
    EXPECT_EQ(text(betrag(1, 6)), "5.030");
}

TEST_F(RechnerTest, MonateEndenGenauMitEinerStufe) {
    laden();
    t().grdauerN(1) = 36;
    fallanzeige().fortschreiten(Seite::normal);
    EXPECT_EQ(normalMonate(1, 2), "13-36");
    EXPECT_EQ(normalMonate(1, 3), "0-0");
    EXPECT_EQ(zustand(traeger(1, 3)).hintergrund, farben::hellgrau);
    EXPECT_EQ(t().bisherbetrag, 0.0f + t().entgelt(4, 6));  // the case went on to column 4, step 6

    t().grdauerN(1) = 600;
    fallanzeige().fortschreiten(Seite::normal);
    EXPECT_EQ(normalMonate(1, 6), "181-300");
    // After step 6 of EGr. 9 (3,180) the lowest step of EGr. 10 paying as much is step 5 (3,380).
    EXPECT_EQ(normalMonate(2, 4), "0-0");
    EXPECT_EQ(normalMonate(2, 5), "301-360");
}

TEST_F(RechnerTest, UebersprungeneStufenUndGarantie) {
    auto tabelle = test::steigendeTabelle();
    // Column 1 (EGr. 4) ends in step 4 at 2,000.00 euros.
    tabelle[4][4] = 200000;
    // EGr. 5: steps 2 and 3 pay less, step 4 pays 10 euros more; step 5 is 25 more than step 4.
    tabelle[5] = {0, 150000, 190000, 199999, 201000, 203500, 203600};
    ladenMit(tabelle);
    startgruppe("4");
    EXPECT_EQ(normalMonate(2, 2), "0-0");
    EXPECT_EQ(normalMonate(2, 3), "0-0");
    EXPECT_EQ(normalMonate(2, 4), "121-168");
    EXPECT_EQ(t().garantieN(2, 4), 15.0f);
    EXPECT_EQ(text(garn(2, 4)), " 15");
    EXPECT_EQ(text(gar(2, 4)), "15");
    EXPECT_EQ(zustand(gar(2, 4)).hintergrund, farben::hellgelb);
    EXPECT_TRUE(zustand(gar(2, 4)).deckend);
    EXPECT_EQ(t().monatsbetragN(121), 2010.0f + 15.0f);
    // Exactly 25 euros more: no guarantee, an empty caption on green.
    EXPECT_EQ(t().garantieN(2, 5), 0.0f);
    EXPECT_EQ(text(garn(2, 5)), "");
    EXPECT_EQ(text(gar(2, 5)), "");
    EXPECT_EQ(zustand(gar(2, 5)).hintergrund, farben::hellgruen);
    EXPECT_EQ(t().monatsbetragN(169), 2035.0f);
}

TEST_F(RechnerTest, GarantieGruppenNeunBisFuenfzehnUndStufeSechs) {
    auto tabelle = test::steigendeTabelle();
    tabelle[9] = {0, 200000, 210000, 220000, 230000, 240000, 250000};
    // EGr. 10: step 4 exactly 50 above the last pay in EGr. 9, step 5 only 30 above step 4,
    // step 6 only 10 above step 5.
    tabelle[10] = {0, 100000, 150000, 200000, 255000, 258000, 259000};
    ladenMit(tabelle);
    t().grdauerN(1) = 600;
    fallanzeige().fortschreiten(Seite::normal);
    EXPECT_EQ(normalMonate(1, 6), "181-300");
    EXPECT_EQ(normalMonate(2, 3), "0-0");
    EXPECT_EQ(normalMonate(2, 4), "301-348");
    EXPECT_EQ(t().garantieN(2, 4), 0.0f);
    EXPECT_EQ(text(garn(2, 4)), "");
    // Within a column too, a step paying less than 50 more is topped up.
    EXPECT_EQ(normalMonate(2, 5), "349-408");
    EXPECT_EQ(text(garn(2, 5)), " 20");
    EXPECT_EQ(t().monatsbetragN(349), 2600.0f);
    // Step 6 never carries a guarantee.
    EXPECT_EQ(normalMonate(2, 6), "409-420");
    EXPECT_EQ(t().garantieN(2, 6), 0.0f);
    EXPECT_EQ(text(garn(2, 6)), "");
    EXPECT_EQ(t().monatsbetragN(409), 2590.0f);
}

TEST_F(RechnerTest, GarantieMitCentUndSummenNachJedemMonatGerundet) {
    auto tabelle = test::steigendeTabelle();
    tabelle[4][1] = 200000;
    tabelle[5][2] = 202450;  // 24.50 more: 0.50 guarantee, and a month pay of 2,024 + 0.50
    ladenMit(tabelle);
    startgruppe("4");
    for (Seite seite : {Seite::normal, Seite::individuell}) {
        auto& grdauer = t().grdauer(seite);
        grdauer(1) = 12;
        grdauer(2) = 12;
        grdauer(3) = 0;
        grdauer(4) = 0;
    }
    fallanzeige().fortschreiten(Seite::normal);
    fallanzeige().fortschreiten(Seite::individuell);
    fallanzeige().vergleichen();
    EXPECT_EQ(text(garn(2, 2)), " 0,5");
    EXPECT_EQ(t().monatsbetragN(13), 2024.5f);
    // 24,000 after column 1; every month of 2,024.50 adds 2,024 because the running total is
    // rounded half to even after each month.
    EXPECT_EQ(t().gesamtbetrag(1), 24000 + 12 * 2024);
    EXPECT_EQ(zelle(3 + 12, 3), "2.025");  // the grid rounds a half away from zero
}

// An odd total before a month of x.50 and an even one after it: rounding a half to even, cutting it
// off and rounding it up give three different totals.
TEST_F(RechnerTest, LaufendeSummeRundetHalbZurGeradenZahl) {
    auto tabelle = test::steigendeTabelle();
    tabelle[4][1] = 200100;
    tabelle[5][2] = 202550;  // 24.50 more: a month pay of 2,025 + 0.50 guarantee
    ladenMit(tabelle);
    startgruppe("4");
    t().stufendauer(1, 1, 1) = 13;
    t().grdauerN(1) = 13;
    t().grdauerN(2) = 2;
    t().grdauerN(3) = t().grdauerN(4) = 0;
    fallanzeige().fortschreiten(Seite::normal);
    fallanzeige().vergleichen();
    ASSERT_EQ(t().monatsbetragN(14), 2025.5f);
    // 26,013 + 2,025.50 = 28,038.50 -> 28,038; + 2,025.50 = 30,063.50 -> 30,064.
    EXPECT_EQ(t().gesamtbetrag(1), 30064);
    EXPECT_EQ(text({Feldname::Ergebnis1}), "30.064");
}

// Pays near the 32-bit limit: one warning, and totals and their difference beyond 32 bits that the
// window and the CSV show alike.
TEST_F(RechnerTest, RiesigeEntgelteOhneUeberlauf) {
    auto tabelle = test::steigendeTabelle();
    for (int g = 9; g <= 12; ++g)
        for (int s = 1; s <= 6; ++s) tabelle[g][s] = 2'147'483'600;
    ladenMit(tabelle);
    ASSERT_EQ(meldungen.warnungen.size(), 1u);
    EXPECT_NE(meldungen.warnungen[0].find("über 1.000.000 Euro"), std::string::npos);
    t().grdauerI(4) = 0;
    fallanzeige().fortschreiten(Seite::individuell);
    fallanzeige().vergleichen();
    const std::int64_t differenz = t().gesamtbetrag(2) - t().gesamtbetrag(1);
    EXPECT_GT(t().gesamtbetrag(1), std::int64_t{INT32_MAX});
    EXPECT_LT(differenz, std::int64_t{INT32_MIN});
    auto ohnePunkte = [](std::string text) {
        std::erase(text, '.');
        return text;
    };
    const std::string csv = monatslisteCsv(fall->sitzung.daten(), t());
    const std::string summe = csv.substr(csv.rfind("Summe;"));
    EXPECT_EQ(summe, "Summe;;;" + ohnePunkte(text({Feldname::Ergebnis1})) + ";;;" +
                         ohnePunkte(text({Feldname::Ergebnis2})) + ";" +
                         ohnePunkte(text({Feldname::Differenz})) + "\n");
    EXPECT_EQ(ohnePunkte(text({Feldname::Differenz})), std::to_string(differenz));
}

TEST_F(RechnerTest, StufendauerNull) {
    laden();
    t().stufendauer(1, 1, 2) = 0;
    fallanzeige().fortschreiten(Seite::normal);
    EXPECT_EQ(normalMonate(1, 2), "0-0");
    EXPECT_EQ(zustand(traeger(1, 2)).hintergrund, farben::hellgrau);
    EXPECT_EQ(normalMonate(1, 3), "13-48");

    // A zero step after the column's months ran out still sets the pay so far.
    t().stufendauer(1, 1, 2) = 24;
    t().grdauerN(1) = 12;
    for (int s = 3; s <= 6; ++s) t().stufendauer(1, 1, s) = 24;
    t().stufendauer(1, 1, 2) = 0;
    t().grdauerN(2) = t().grdauerN(3) = t().grdauerN(4) = 0;
    fallanzeige().fortschreiten(Seite::normal);
    EXPECT_EQ(t().bisherbetrag, t().entgelt(1, 2));
}

TEST_F(RechnerTest, FallUeber600MonateEndetBeiMonat600) {
    laden();
    for (int c = 1; c <= 4; ++c) t().grdauerN(c) = t().grdauerI(c) = 300;
    fallanzeige().fortschreiten(Seite::normal);
    fallanzeige().fortschreiten(Seite::individuell);
    fallanzeige().vergleichen();
    EXPECT_EQ(normalMonate(1, 6), "181-300");
    EXPECT_EQ(normalMonate(3, 6), "541-660");
    EXPECT_EQ(normalMonate(4, 6), "721-840");  // the captions keep the true months
    EXPECT_EQ(t().letztermonat(1), 600);
    EXPECT_EQ(t().letztermonat(2), 600);
    EXPECT_EQ(fall->sitzung.daten().monatsanzahl, 600);
    EXPECT_EQ(fall->felder.gitter().zeilenzahl(), 604);
    EXPECT_EQ(zelle(602, 0), "600");
    EXPECT_EQ(zelle(602, 1), "11");
    EXPECT_EQ(zelle(602, 2), "6");
    EXPECT_EQ(zelle(603, 0), "");
}

TEST_F(RechnerTest, GitterZeilenUndSchlusszeile) {
    laden();
    auto& gitter = fall->felder.gitter();
    EXPECT_EQ(gitter.zeilenzahl(), 484);
    EXPECT_EQ(zelle(0, 1), "N o r m a l f a l l");
    EXPECT_EQ(zelle(0, 4), "Beispielfall");
    EXPECT_EQ(zelle(1, 6), "Entgelt");
    EXPECT_EQ(gitter.zeilenhoehe(0), 360);
    EXPECT_EQ(zelle(3, 0), "1");
    EXPECT_EQ(zelle(3, 3), "2.061");
    EXPECT_EQ(gitter.zelle(3, 3).hintergrund, farben::hellgruen);
    EXPECT_EQ(gitter.zelle(3, 6).hintergrund, farben::hellgelb);
    EXPECT_EQ(zelle(482, 0), "480");

    // A shorter period: the former rows behind the new closing row are gone, the closing row is
    // blank.
    for (int c = 1; c <= 4; ++c) t().grdauerN(c) = t().grdauerI(c) = c == 1 ? 24 : 0;
    const int verborgen = fall->felder.wieOftGitterVerborgen();
    fallanzeige().fortschreiten(Seite::normal);
    fallanzeige().fortschreiten(Seite::individuell);
    fallanzeige().vergleichen();
    EXPECT_EQ(fall->felder.wieOftGitterVerborgen(), verborgen + 1);
    EXPECT_TRUE(fall->felder.gitterSichtbar());
    EXPECT_EQ(gitter.zeilenzahl(), 28);
    for (int spalte = 0; spalte < gitterSpalten; ++spalte) EXPECT_EQ(zelle(27, spalte), "");
    EXPECT_EQ(gitter.zelle(27, 3).hintergrund, farben::gitterGrund);
    EXPECT_EQ(gitter.zelle(27, 6).hintergrund, farben::gitterGrund);

    // No months at all: four rows, totals 0 on black.
    t().grdauerN(1) = t().grdauerI(1) = 0;
    fallanzeige().fortschreiten(Seite::normal);
    fallanzeige().fortschreiten(Seite::individuell);
    fallanzeige().vergleichen();
    EXPECT_EQ(gitter.zeilenzahl(), 4);
    EXPECT_EQ(fall->sitzung.daten().monatsanzahl, 0);
    EXPECT_EQ(text({Feldname::Differenz}), "0");
    EXPECT_EQ(zustand({Feldname::Differenz}).hintergrund, farben::schwarz);
}

TEST_F(RechnerTest, KuerzererFallZeigtHinterSeinemEndeNichts) {
    laden();
    t().grdauerI(4) = 140;  // the individual case runs 20 months longer, to month 500
    t().grdauerN(4) = 140;
    fallanzeige().fortschreiten(Seite::normal);
    t().grdauerN(4) = 120;  // the normal case once ran to 500; now it ends at 480
    fallanzeige().fortschreiten(Seite::normal);
    fallanzeige().fortschreiten(Seite::individuell);
    fallanzeige().vergleichen();
    EXPECT_EQ(fall->sitzung.daten().monatsanzahl, 500);
    EXPECT_EQ(fall->felder.gitter().zeilenzahl(), 504);
    for (int m = 481; m <= 500; ++m) {
        EXPECT_EQ(zelle(m + 2, 1), "") << m;
        EXPECT_EQ(zelle(m + 2, 2), "") << m;
        EXPECT_EQ(zelle(m + 2, 3), "0") << m;
        EXPECT_EQ(zelle(m + 2, 6), "4.200") << m;
        EXPECT_EQ(zelle(m + 2, 7), "4200") << m;
    }
    EXPECT_EQ(zelle(482, 1), "12");
    EXPECT_EQ(t().gesamtbetrag(2) - t().gesamtbetrag(1), 20 * 4200);
    EXPECT_EQ(text({Feldname::Differenz}), "84.000");
    const std::string csv = monatslisteCsv(fall->sitzung.daten(), t());
    EXPECT_NE(csv.find("\n481;;;0,00;12;6;4200,00;4200\n"), std::string::npos);
}

TEST_F(RechnerTest, IndividuellerFallMitKuerzererErsterStufe) {
    laden();
    t().stufendauer(2, 1, 1) = 6;
    fallanzeige().fortschreiten(Seite::individuell);
    fallanzeige().vergleichen();
    const char* erwartet[] = {"1-6", "7-30", "31-66", "67-114", "115-120", "0-0"};
    for (int stufe = 1; stufe <= 6; ++stufe)
        EXPECT_EQ(individuelleMonate(1, stufe), erwartet[stufe - 1]) << stufe;
    for (Feldname f : {Feldname::gelb1, Feldname::ianfang1, Feldname::iende1}) {
        EXPECT_EQ(zustand(in(f, 1, 5)).hintergrund, farben::hellgelb);
        EXPECT_EQ(zustand(in(f, 1, 6)).hintergrund, farben::hellgrau);
    }
    // Step 5 is reached only by the individual case: its amount turns yellow.
    EXPECT_TRUE(zustand(betrag(1, 5)).deckend);
    EXPECT_EQ(zustand(betrag(1, 5)).hintergrund, farben::hellgelb);
    EXPECT_FALSE(zustand(betrag(1, 4)).deckend);
    EXPECT_FALSE(zustand(betrag(1, 6)).deckend);
    EXPECT_EQ(t().stufenmonate(1, 1, 5), 0);  // the normal case is not recalculated
}

TEST_F(RechnerTest, GleicheDauernGebenGleicheFaelle) {
    laden();
    for (int c = 1; c <= 4; ++c)
        for (int s = 1; s <= 6; ++s) EXPECT_EQ(t().stufenende(1, c, s), t().stufenende(2, c, s));
    EXPECT_EQ(t().monatsbetragN, t().monatsbetragI);
    EXPECT_EQ(t().garantieN, t().garantieI);
    EXPECT_EQ(t().letztermonat(1), t().letztermonat(2));
}

TEST_F(RechnerTest, NegativeDifferenzAufRot) {
    laden();
    t().grdauerI(4) = 0;
    fallanzeige().fortschreiten(Seite::individuell);
    fallanzeige().vergleichen();
    const Long differenz = t().gesamtbetrag(2) - t().gesamtbetrag(1);
    EXPECT_EQ(differenz, -492000);
    EXPECT_EQ(text({Feldname::Differenz}), "-492.000");
    EXPECT_EQ(zustand({Feldname::Differenz}).hintergrund, farben::hellrot);
}

TEST_F(RechnerTest, ZweitesStartenGibtDasselbe) {
    laden();
    const std::string erstesMal = anzeige();
    const std::string ersteListe = monatslisteCsv(fall->sitzung.daten(), t());
    fallanzeige().starten();
    EXPECT_EQ(anzeige(), erstesMal);
    EXPECT_EQ(monatslisteCsv(fall->sitzung.daten(), t()), ersteListe);
}

TEST_F(RechnerTest, JederFallBeginntOhneVorgeschichte) {
    // Column 1 without months: column 2 starts from nothing, whatever the other case left behind.
    laden();
    t().grdauerN(1) = 0;
    fallanzeige().fortschreiten(Seite::individuell);  // leaves the pay of EGr. 12, step 6 behind
    fallanzeige().fortschreiten(Seite::normal);
    const std::string nachIndividuell = anzeige();

    auto frisch = std::make_unique<Speicherfall>();
    frisch->anzeige.laden({{"."}}, meldungen);
    frisch->sitzung.dauerSetzen(Seite::normal, 1, 0, 0);
    frisch->anzeige.fortschreiten(Seite::normal);
    std::swap(fall, frisch);
    EXPECT_EQ(anzeige(), nachIndividuell);
    EXPECT_EQ(normalMonate(2, 2), "1-24");
}

TEST_F(RechnerTest, GespeicherterFallWirdBeimLadenUebernommen) {
    Falltabellen vorlage;
    standardfallSetzen(vorlage);
    vorlage.grdauerI(2) = 99;
    vorlage.stufendauer(1, 3, 4) = 7;
    std::string fehler;
    const auto datei = verzeichnis.pfad() / einstellungsdateiName;
    ASSERT_TRUE(einstellungsdateiSchreiben(datei, einstellungssatzBilden(11, vorlage, gruppen2006),
                                           fehler));
    laden({{"."}, datei});
    EXPECT_EQ(text({Feldname::Startgruppe}), "11");
    EXPECT_EQ(text({Feldname::Gruppetit, 2}), "EGr. 12");
    EXPECT_EQ(text({Feldname::Gruppetit, 4}), "EGr. 14");
    EXPECT_EQ(text({Feldname::GrDauer1, 2}), "99");
    EXPECT_EQ(text(in(Feldname::normal1, 3, 4)), "7");
    EXPECT_EQ(t().grdauerI(2), 99);
}

TEST_F(RechnerTest, FehlendeTarifdateiRechnetMitNull) {
    fall->anzeige.laden({{verzeichnis.pfad()}}, meldungen);
    EXPECT_EQ(meldungen.warnungen.size(), 1u);
    EXPECT_EQ(text(betrag(1, 1)), "0");
    EXPECT_EQ(t().monatsbetragN(120), 0.0f);
    // Promoted columns still get the guarantee on top of a gain of 0: 50 euros in EGr. 10..12.
    EXPECT_EQ(t().monatsbetragN(121), 50.0f);
    EXPECT_EQ(t().gesamtbetrag(1), 3 * 120 * 50);
}

// The table of May 2026 with the default durations (120 months per group): the step is kept at
// every promotion, the pay is the table pay to the cent and no guarantee is paid. Column 1 ends as
// the 48 months of step 4 end, so step 5 is reached that day and the promotion keeps it.
TEST_F(RechnerTest, StufengleicheHoehergruppierungMai2026) {
    const struct {
        const char* name;
        const char* startgruppe;
        void (*dauern)(Falltabellen&);
        int monat;           // a month of the normal case
        const char* gruppe;  // its group label
        int stufe;           // and step
        std::int32_t cent;   // and pay
    } faelle[] = {
        // The pay rule of 2006 would enter 9a in step 3.
        {"8 nach 9a in Stufe 5", "8", nullptr, 121, "9a", 5, 469743},
        {"9a nach 9b in Stufe 5", "9a", nullptr, 121, "9b", 5, 497911},
        // A month short of the end of step 4: the promotion keeps step 4.
        {"Spalte endet in Stufe 4", "9a", [](Falltabellen& t) { t.grdauerN(1) = 119; }, 120, "9b",
         4, 469055},
        {"EGr. 1 beginnt mit Stufe 2", "1", nullptr, 1, "1", 2, 253455},
        {"aus EGr. 1 in Stufe 2", "1", nullptr, 121, "2", 2, 297532},
        // A column without months keeps the step held before it.
        {"Gruppendauer 0", "9a", [](Falltabellen& t) { t.grdauerN(2) = 0; }, 121, "9c", 5, 527505},
        // A step of 0 months in the middle: the next one follows at once.
        {"Stufendauer 0", "8", [](Falltabellen& t) { t.stufendauer(1, 2, 5) = 0; }, 121, "9a", 6,
         497997},
    };
    for (const auto& f : faelle) {
        fall = std::make_unique<Speicherfall>();
        laden({{"."}, {}, "2026-05"});
        startgruppe(f.startgruppe);
        if (f.dauern) {
            f.dauern(t());
            fallanzeige().fortschreiten(Seite::normal);
            fallanzeige().vergleichen();
        }
        EXPECT_EQ(fall->sitzung.rechner().tabelle().gruppentext(t().monatsgruppeN(f.monat)),
                  f.gruppe)
            << f.name;
        EXPECT_EQ(t().monatsstufeN(f.monat), f.stufe) << f.name;
        EXPECT_EQ(t().monatscentN(f.monat), f.cent) << f.name;
        for (int spalte = 2; spalte <= 4; ++spalte) EXPECT_EQ(text(garn(spalte, 4)), "") << f.name;
    }
    EXPECT_EQ(text({Feldname::Korvaltei}),
              "Korvalt für TVöD-Gemeinden (VKA), Tariftabellen Stand MAI 2026");

    // A step's pay shows rounded to whole euros; EGr. 1 has no step 1 to show.
    startgruppe("9a");
    EXPECT_EQ(text(betrag(1, 4)), "4.587");
    startgruppe("1");
    EXPECT_EQ(text(betrag(1, 1)), "");

    startgruppe("13");
    EXPECT_EQ(text({Feldname::Gruppetit, 3}), "EGr. 15");
    EXPECT_EQ(text({Feldname::Gruppetit, 4}), "entfällt");
}

// Over 480 months the totals are the exact sums of the cents, shown in whole euros with a half
// rounded away from zero. 9a steps 1-4 for 12, 24, 36 and 48 months: 50,465,496 cents; 9b, entered
// in step 5, 60 months and 60 of step 6: 61,754,880; 9c and 10 in step 6, 120 months each:
// 66,332,400 and 69,040,200.
TEST_F(RechnerTest, SummenAufDenCentGenau) {
    laden({{"."}, {}, "2026-05"});
    EXPECT_EQ(text({Feldname::Startgruppe}), "9a");
    EXPECT_EQ(t().gesamtcent(1), 247592976);
    EXPECT_EQ(text({Feldname::Ergebnis1}), "2.475.930");
    // One month less in the individual case: 5,753.35 less, shown as -5,753.
    t().grdauerI(4) = 119;
    fallanzeige().fortschreiten(Seite::individuell);
    fallanzeige().vergleichen();
    EXPECT_EQ(t().gesamtcent(2), 247592976 - 575335);
    EXPECT_EQ(text({Feldname::Differenz}), "-5.753");
    EXPECT_EQ(text({Feldname::Ergebnis2}), "2.470.176");
}

// A total ending in 50 cents or more rounds up to the next euro: ,64 here.
TEST_F(RechnerTest, SummeMitCentAbFuenfzigAufgerundet) {
    laden({{"."}, {}, "2026-05"});
    startgruppe("1");
    ASSERT_EQ(t().gesamtcent(1), 152868264);
    EXPECT_EQ(t().gesamtbetrag(1), 1528683);
}

}  // namespace
