// The arrow buttons: a click steps the value of the field that last had the focus and
// recalculates; the focus values stay.
#include <memory>

#include "fensterpruefung.h"
#include "pfeiltasten.h"
#include "sitzungszugriff.h"
#include "speicherfall.h"

using namespace korvalt;

namespace {

class PfeiltastenTest : public test::FensterTest {
  protected:
    void SetUp() override { starten(); }
    const Falltabellen& t() const { return sitzung->tabellen(); }
};

TEST_F(PfeiltastenTest, HochGleichNachDemStartErhoehtIndi1Von3Auf37) {
    fenster->setzeText(spaltenfeld(Feldname::nende1, 1, 1, 3), "normal");
    const std::string ianfangStufe4 = text("ianfang1", 4);
    klicken("nachoben");
    EXPECT_EQ(t().stufendauer(2, 1, 3), 37);
    EXPECT_EQ(text("indi1", 3), "37");
    EXPECT_EQ(fokuswerte(), (std::array<int, 4>{2, 2, 1, 3}));
    // Only the individual case moves: its step 3 now ends a month later.
    EXPECT_EQ(text("iende1", 3), "73");
    EXPECT_EQ(text("ianfang1", 4), std::to_string(std::stoi(ianfangStufe4) + 1));
    EXPECT_EQ(text("nende1", 3), "normal");
}

TEST_F(PfeiltastenTest, UnbestaetigteZahlGehtBeimHochVerloren) {
    QLineEdit* f = feld("normal2", 4);
    fokus(f);
    QTest::keyClick(f, Qt::Key_Backspace);
    QTest::keyClicks(f, "99");
    klicken("nachoben");
    EXPECT_EQ(t().stufendauer(1, 2, 4), 49);
    EXPECT_EQ(f->text(), "49");
    EXPECT_EQ(fokuswerte(), (std::array<int, 4>{2, 1, 2, 4}));
}

TEST_F(PfeiltastenTest, PfeiltastenImFeldSchreitenUmEinsUndBildtastenUmZwoelf) {
    QLineEdit* f = feld("GrDauer1", 2);
    const std::string summe = text("Ergebnis2");
    fokus(f);
    QTest::keyClick(f, Qt::Key_PageUp);
    QTest::keyClick(f, Qt::Key_Down);
    EXPECT_EQ(t().grdauerI(2), 131);
    EXPECT_EQ(f->text(), "131");
    EXPECT_NE(text("Ergebnis2"), summe);
    // Twelve groups at once is no step the start group takes.
    QLineEdit* g = feld("Startgruppe");
    fokus(g);
    QTest::keyClick(g, Qt::Key_PageUp);
    EXPECT_EQ(g->text(), "9");
    QTest::keyClick(g, Qt::Key_Up);
    EXPECT_EQ(g->text(), "10");
}

struct Grenzfall {
    const char* feld;
    int index;
    const char* wert;
    const char* knopf;
    const char* danach;
};

class PfeiltastenGrenzenTest : public PfeiltastenTest,
                               public ::testing::WithParamInterface<Grenzfall> {};

TEST_P(PfeiltastenGrenzenTest, GrenzeHaeltUndDasFeldZeigtDenWert) {
    const Grenzfall& g = GetParam();
    QLineEdit* f = feld(g.feld, g.index);
    ersetzen(f, g.wert);
    klicken(g.knopf);
    EXPECT_EQ(f->text().toStdString(), g.danach);
    const std::string name = g.feld;
    int gespeichert = 0;
    if (name == "GrDauer1") gespeichert = t().grdauerI(g.index);
    if (name == "indi4") gespeichert = t().stufendauer(2, 4, g.index);
    if (name == "normal1") gespeichert = t().stufendauer(1, 1, g.index);
    if (name == "Startgruppe") gespeichert = t().gruppe(1);
    EXPECT_EQ(std::to_string(gespeichert), g.danach);
}

INSTANTIATE_TEST_SUITE_P(Grenzen, PfeiltastenGrenzenTest,
                         ::testing::Values(Grenzfall{"GrDauer1", 2, "600", "nachoben", "600"},
                                           Grenzfall{"GrDauer1", 2, "600", "nachunten", "599"},
                                           Grenzfall{"indi4", 6, "0", "nachunten", "0"},
                                           Grenzfall{"normal1", 1, "255", "nachoben", "255"},
                                           Grenzfall{"normal1", 1, "0", "nachoben", "1"},
                                           Grenzfall{"Startgruppe", 0, "15", "nachoben", "15"},
                                           Grenzfall{"Startgruppe", 0, "1", "nachunten", "1"},
                                           Grenzfall{"Startgruppe", 0, "9", "nachoben", "10"},
                                           Grenzfall{"Startgruppe", 0, "9", "nachunten", "8"}));

TEST_F(PfeiltastenTest, StartgruppeSteigtMitJedemDruckUndRechnetAllesNeu) {
    fokus(feld("Startgruppe"));
    klicken("nachoben");
    EXPECT_EQ(text("Gruppetit", 2), "EGr. 11");
    klicken("nachoben");
    EXPECT_EQ(text("Startgruppe"), "11");
    EXPECT_EQ(text("Gruppetit", 4), "EGr. 14");
    EXPECT_EQ(fokuswerte(), (std::array<int, 4>{3, 2, 1, 0}));
    // An emptied field goes to 1 both ways.
    QTest::keyClick(feld("Startgruppe"), Qt::Key_Backspace);
    klicken("nachoben");
    EXPECT_EQ(text("Startgruppe"), "1");
    QTest::keyClick(feld("Startgruppe"), Qt::Key_Backspace);
    klicken("nachunten");
    EXPECT_EQ(text("Startgruppe"), "1");
}

// On the plain store: focus values that name no field change nothing but the comparison runs.
TEST(PfeiltastenOhneFenster, UnbekannteFokuswerteRechnenNurDenVergleich) {
    auto fall = std::make_unique<Speicherfall>();
    test::Meldungsprotokoll meldungen;
    fall->anzeige.laden({{"."}}, meldungen);
    const auto vorher = fall->sitzung.tabellen().stufendauer;
    fall->felder.setzeText({Feldname::Ergebnis1}, "x");
    for (auto [art, seite] : {std::pair{0, 2}, {4, 1}, {1, 3}}) {
        Falltabellen& t = test::falltabellen(fall->sitzung);
        t.fokusart = static_cast<Fokusart>(art);
        t.fokusseite = static_cast<Integer>(seite);
        nachoben(fall->anzeige);
        nachunten(fall->anzeige);
    }
    EXPECT_TRUE(fall->sitzung.tabellen().stufendauer == vorher);
    EXPECT_NE(fall->felder.text({Feldname::Ergebnis1}), "x");
}

}  // namespace
