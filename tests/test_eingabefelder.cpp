// The input fields: what a key does to the field and the case, on the real window with real key
// events, and the focus and key handlers on the plain store.
#include <memory>

#include "eingabefelder.h"
#include "einstellungssatz.h"
#include "fensterpruefung.h"
#include "pfeiltasten.h"
#include "sitzungszugriff.h"
#include "speicherfall.h"

using namespace korvalt;

namespace {

FeldId in(Feldname erste, int spalte, int stufe) {
    return spaltenfeld(erste, 1, spalte, stufe);
}

class EingabefelderTest : public test::FensterTest {
  protected:
    void SetUp() override { starten(); }
    const Falltabellen& t() const { return sitzung->tabellen(); }
};

TEST_F(EingabefelderTest, NurZiffernKommenInsFeld) {
    for (auto [name, index] : {std::pair{"indi1", 1}, {"GrDauer", 2}, {"Startgruppe", 0}}) {
        QLineEdit* f = feld(name, index);
        const QString vorher = f->text();
        tippen(f, "a -.,Z");
        // Characters beyond ASCII, as a German keyboard or an input method sends them.
        for (const QString& zeichen : {QString("ä"), QString("€"), QString("½")})
            QTest::sendKeyEvent(QTest::Click, f, Qt::Key_unknown, zeichen, Qt::NoModifier);
        QTest::keyClick(f, Qt::Key_Escape);
        EXPECT_EQ(f->text(), vorher) << name;
        QTest::keyClick(f, Qt::Key_End);
        QTest::keyClicks(f, "7");
        EXPECT_EQ(f->text(), vorher + "7") << name;
    }
}

TEST_F(EingabefelderTest, RuecktasteLeertDasFeldUndEingabeSpeichertDannNull) {
    QLineEdit* f = feld("GrDauer", 1);
    fokus(f);
    QTest::keyClick(f, Qt::Key_End);
    QTest::keyClick(f, Qt::Key_Backspace);
    EXPECT_EQ(f->text(), "");
    EXPECT_EQ(t().grdauerN(1), 120);
    EXPECT_EQ(text("nanfang1", 1), "1");

    QTest::keyClick(f, Qt::Key_Return);
    EXPECT_EQ(t().grdauerN(1), 0);
    EXPECT_EQ(f->text(), "");
    // No month in the first group: its steps are not reached.
    EXPECT_EQ(text("nanfang1", 1), "0");
    EXPECT_EQ(text("nende1", 1), "0");
}

TEST_F(EingabefelderTest, DreihundertInIndi2Von4WirdZu255UndLaesstDenNormalfallInRuhe) {
    // Marks that only a run of the case's progression overwrites.
    fenster->setzeText(in(Feldname::nende1, 2, 4), "normal");
    fenster->setzeText(in(Feldname::iende1, 2, 4), "individuell");
    ersetzen(feld("indi2", 4), "300");
    EXPECT_EQ(t().stufendauer(2, 2, 4), 255);
    EXPECT_EQ(text("indi2", 4), "255");
    EXPECT_EQ(text("nende2", 4), "normal");
    EXPECT_NE(text("iende2", 4), "individuell");
}

TEST_F(EingabefelderTest, SiebenhundertInGrDauer3WirdZu600UndRechnetDenNormalfall) {
    fenster->setzeText(in(Feldname::nende1, 3, 1), "normal");
    fenster->setzeText(in(Feldname::iende1, 3, 1), "individuell");
    ersetzen(feld("GrDauer", 3), "700");
    EXPECT_EQ(t().grdauerN(3), 600);
    EXPECT_EQ(text("GrDauer", 3), "600");
    EXPECT_NE(text("nende3", 1), "normal");
    EXPECT_EQ(text("iende3", 1), "individuell");
}

TEST_F(EingabefelderTest, StartgruppeWirdAuf1Bis15GesetztUndRechnetAllesNeu) {
    struct Fall {
        const char* getippt;
        const char* feld;
        const char* titel2;
    };
    for (const Fall& f :
         {Fall{"0", "1", "EGr. 2"}, Fall{"16", "15", "entfällt"}, Fall{"9", "9", "EGr. 10"},
          Fall{"013", "013", "EGr. 14"}, Fall{"", "1", "EGr. 2"},
          Fall{"99999999999999999999", "15", "entfällt"}}) {
        fenster->setzeText({Feldname::Gruppetit, 2}, "alt");
        ersetzen(feld("Startgruppe"), f.getippt);
        EXPECT_EQ(text("Startgruppe"), f.feld) << f.getippt;
        EXPECT_EQ(text("Gruppetit", 2), f.titel2) << f.getippt;
    }
}

TEST_F(EingabefelderTest, ZahlenJederLaengeWerdenBegrenztUndFuehrendeNullenBleiben) {
    ersetzen(feld("normal1", 1), "99999999999999999999");
    EXPECT_EQ(t().stufendauer(1, 1, 1), 255);
    EXPECT_EQ(text("normal1", 1), "255");
    ersetzen(feld("GrDauer1", 4), "32768");
    EXPECT_EQ(t().grdauerI(4), 600);
    EXPECT_EQ(text("GrDauer1", 4), "600");
    ersetzen(feld("indi3", 2), "036");
    EXPECT_EQ(t().stufendauer(2, 3, 2), 36);
    EXPECT_EQ(text("indi3", 2), "036");
    ersetzen(feld("normal4", 6), "0");
    EXPECT_EQ(t().stufendauer(1, 4, 6), 0);
    EXPECT_EQ(text("normal4", 6), "0");
}

TEST_F(EingabefelderTest, FokusMerktSichDasFeldFuerDiePfeiltasten) {
    fokus(feld("indi3", 5));
    EXPECT_EQ(fokuswerte(), (std::array<int, 4>{2, 2, 3, 5}));
    fokus(feld("GrDauer1", 2));
    EXPECT_EQ(fokuswerte(), (std::array<int, 4>{1, 2, 2, 0}));
    QTest::keyClick(feld("GrDauer1", 2), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), feld("normal2", 1));
    EXPECT_EQ(fokuswerte(), (std::array<int, 4>{2, 1, 2, 1}));
}

TEST_F(EingabefelderTest, VerlassenUebernimmtDieZahlWieDieEingabetasteUndEscapeNimmtSieZurueck) {
    QLineEdit* f = feld("GrDauer", 1);
    ersetzen(f, "24");
    tippen(f, "5");
    QTest::keyClick(f, Qt::Key_Escape);
    EXPECT_EQ(f->text(), "24");
    QTest::keyClick(f, Qt::Key_Backspace);
    QTest::keyClicks(f, "700");
    QTest::keyClick(f, Qt::Key_Tab);
    EXPECT_EQ(t().grdauerN(1), 600);
    EXPECT_EQ(f->text(), "600");
    // Passing through a field that still shows its value recalculates nothing.
    fenster->setzeText(in(Feldname::nende1, 1, 1), "normal");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QTest::keyClick(f, Qt::Key_Tab);
    EXPECT_EQ(text("nende1", 1), "normal");
}

// The handlers themselves, on the plain store.
class EingabehandlerTest : public ::testing::Test {
  protected:
    void SetUp() override { fall->anzeige.laden({{"."}}, meldungen); }
    std::unique_ptr<Speicherfall> fall = std::make_unique<Speicherfall>();
    test::Meldungsprotokoll meldungen;
};

TEST_F(EingabehandlerTest, JedesEingabefeldSetztSeineVierFokuswerte) {
    struct Zeile {
        FeldId feld;
        std::array<int, 4> fokus;
    };
    std::vector<Zeile> tabelle{{{Feldname::Startgruppe}, {3, 2, 1, 0}}};
    for (int i = 1; i <= 4; ++i) {
        const auto k = static_cast<std::int8_t>(i);
        tabelle.push_back({{Feldname::GrDauer, k}, {1, 1, i, 0}});
        tabelle.push_back({{Feldname::GrDauer1, k}, {1, 2, i, 0}});
        for (int j = 1; j <= 6; ++j) {
            tabelle.push_back({in(Feldname::normal1, i, j), {2, 1, i, j}});
            tabelle.push_back({in(Feldname::indi1, i, j), {2, 2, i, j}});
        }
    }
    ASSERT_EQ(tabelle.size(), 57u);
    Falltabellen& t = test::falltabellen(fall->sitzung);
    for (const Zeile& z : tabelle) {
        EXPECT_TRUE(istEingabefeld(z.feld)) << feldText(z.feld);
        t.fokusart = Fokusart{9};
        t.fokusseite = t.fokusspalte = t.fokusstufe = 9;
        eingabefeldFokus(fall->sitzung, z.feld);
        EXPECT_EQ((std::array<int, 4>{static_cast<int>(t.fokusart), t.fokusseite, t.fokusspalte,
                                      t.fokusstufe}),
                  z.fokus)
            << feldText(z.feld);
    }
    EXPECT_FALSE(istEingabefeld({Feldname::Betrag1, 1}));
    EXPECT_FALSE(istEingabefeld({Feldname::Gruppetit, 2}));
}

TEST_F(EingabehandlerTest, AllesAusserZiffernRuecktasteUndEingabeWirdVerschluckt) {
    const FeldId feld = in(Feldname::indi1, 2, 3);
    for (int zeichen = -5; zeichen <= 9000; ++zeichen) {
        if (zeichen == zeichenRueckschritt || zeichen == zeichenEingabe) continue;
        const bool ziffer = zeichen >= '0' && zeichen <= '9';
        ASSERT_EQ(eingabefeldTaste(fall->anzeige, feld, zeichen), ziffer ? zeichen : 0) << zeichen;
    }
    EXPECT_EQ(fall->felder.text(feld), "36");
    EXPECT_EQ(eingabefeldTaste(fall->anzeige, feld, zeichenRueckschritt), 0);
    EXPECT_EQ(fall->felder.text(feld), "");
    EXPECT_EQ(fall->sitzung.tabellen().stufendauer(2, 2, 3), 36);
    EXPECT_EQ(eingabefeldTaste(fall->anzeige, feld, zeichenEingabe), zeichenEingabe);
    EXPECT_EQ(fall->sitzung.tabellen().stufendauer(2, 2, 3), 0);
}

// In a table with 9a, 9b and 9c the start group takes those letters, Enter shows the label and the
// arrow buttons step through the list of groups; in the table of 2006 a letter is swallowed.
TEST_F(EingabehandlerTest, StartgruppeMitBuchstabenInDenNeuenTabellen) {
    const FeldId start{Feldname::Startgruppe};
    EXPECT_EQ(eingabefeldTaste(fall->anzeige, start, 'b'), 0);

    fall = std::make_unique<Speicherfall>();
    fall->anzeige.laden({{"."}, {}, "2026-05"}, meldungen);
    EXPECT_EQ(fall->felder.text(start), "9a");
    EXPECT_EQ(eingabefeldTaste(fall->anzeige, start, 'b'), 'b');
    EXPECT_EQ(eingabefeldTaste(fall->anzeige, in(Feldname::indi1, 2, 3), 'b'), 0);
    fall->felder.setzeText(start, "9");
    eingabefeldTaste(fall->anzeige, start, zeichenEingabe);
    EXPECT_EQ(fall->felder.text(start), "9a");
    test::falltabellen(fall->sitzung).fokusart = Fokusart::Startgruppe;
    fall->felder.setzeText(start, "9c");
    nachoben(fall->anzeige);
    EXPECT_EQ(fall->felder.text(start), "10");
    EXPECT_EQ(fall->felder.text({Feldname::Gruppetit, 2}), "EGr. 11");
    nachunten(fall->anzeige);
    nachunten(fall->anzeige);
    EXPECT_EQ(fall->felder.text(start), "9b");
    EXPECT_EQ(fall->sitzung.tabellen().gruppe(1), 10);
}

// A value limited on Enter or by an arrow says so in the status line; a value within its limit,
// the limit itself included, says nothing.
TEST_F(EingabehandlerTest, BegrenzteDauerSagtEsImStatus) {
    std::vector<std::string> gemeldet;
    fall->anzeige.setzeMeldung([&gemeldet](const std::string& text) { gemeldet.push_back(text); });
    const struct {
        FeldId feld;
        const char* getippt;
        const char* meldung;
    } faelle[] = {
        {{Feldname::GrDauer, 3}, "700", "600 Monate ist die Obergrenze"},
        {{Feldname::GrDauer, 3}, "600", nullptr},
        {in(Feldname::indi1, 2, 4), "256", "255 Monate ist die Obergrenze"},
        {in(Feldname::indi1, 2, 4), "255", nullptr},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(std::string(feldText(f.feld)) + " " + f.getippt);
        gemeldet.clear();
        fall->felder.setzeText(f.feld, f.getippt);
        eingabefeldTaste(fall->anzeige, f.feld, zeichenEingabe);
        EXPECT_EQ(gemeldet,
                  f.meldung ? std::vector<std::string>{f.meldung} : std::vector<std::string>{});
    }
    gemeldet.clear();
    eingabefeldSchritt(fall->anzeige, {Feldname::GrDauer, 3}, 12);
    EXPECT_EQ(gemeldet, std::vector<std::string>{"600 Monate ist die Obergrenze"});
}

}  // namespace
