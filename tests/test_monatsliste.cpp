// The month list through the recording printer: positions, fonts, bold and the items of the title
// block, the month lines and the footer.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "aufzeichnender_drucker.h"
#include "meldungsprotokoll.h"
#include "monatsliste.h"
#include "speicherfall.h"

using namespace korvalt;

namespace {

const std::string regel(75, '_');
const std::string titel = "Korvalt für TVöD-Gemeinden (VKA), Tariftabellen Stand JANUAR 2006 WEST";

// Line numbers of the list: the page heading and a blank line take lines 0..1, the title block
// 2..9, the column heads 10..12.
constexpr int titel0 = 2;
constexpr int kopfzeile = 10;
constexpr int ersteMonatszeile = 13;

struct Posten {
    int twips;
    std::string text;
};

std::vector<Posten> posten(const AufzeichnenderDrucker& drucker, int zeile) {
    std::vector<Posten> ergebnis;
    for (const Druckposten& p : drucker.zeile(zeile)) ergebnis.push_back({p.twips, p.text});
    return ergebnis;
}

void erwartePosten(const AufzeichnenderDrucker& drucker, int zeile,
                   const std::vector<Posten>& erwartet) {
    const auto gedruckt = posten(drucker, zeile);
    ASSERT_EQ(gedruckt.size(), erwartet.size()) << "Zeile " << zeile;
    for (std::size_t i = 0; i < erwartet.size(); ++i) {
        EXPECT_EQ(gedruckt[i].twips, erwartet[i].twips) << "Zeile " << zeile << ", Posten " << i;
        EXPECT_EQ(gedruckt[i].text, erwartet[i].text) << "Zeile " << zeile << ", Posten " << i;
    }
}

// A case made by hand: state as the calculation would leave it, without running it.
struct Handfall {
    Handfall() { daten.fallname(0) = "Beispielfall"; }

    // Months 1..letzter of one case, all in group 9, step 1, with the given pay.
    void fall(Seite seite, int letzter, float betrag) {
        t.letztermonat(static_cast<int>(seite)) = static_cast<Integer>(letzter);
        for (int m = 1; m <= letzter; ++m) {
            t.monatsgruppe(seite)(m) = 9;
            t.monatsstufe(seite)(m) = 1;
            t.monatsbetrag(seite)(m) = betrag;
        }
        daten.monatsanzahl = std::max(t.letztermonat(1), t.letztermonat(2));
    }

    AufzeichnenderDrucker drucken() {
        AufzeichnenderDrucker drucker;
        std::string fehler;
        EXPECT_TRUE(monatslisteDrucken(daten, t, titel, drucker, fehler));
        return drucker;
    }

    TarifDaten daten;
    Falltabellen t;
};

TEST(Monatsliste, StandardfallVonKopfBisFusszeile) {
    auto fall = std::make_unique<Speicherfall>();
    test::Meldungsprotokoll meldungen;
    fall->anzeige.laden({{"."}}, meldungen);
    ASSERT_TRUE(meldungen.warnungen.empty());
    ASSERT_EQ(fall->sitzung.daten().monatsanzahl, 480);

    AufzeichnenderDrucker drucker;
    std::string fehler;
    ASSERT_TRUE(monatslisteDrucken(fall->sitzung.daten(), fall->sitzung.tabellen(),
                                   fall->felder.text({Feldname::Korvaltei}), drucker, fehler));

    const std::string summeN = fall->felder.text({Feldname::Ergebnis1}) + " €";
    const std::string summeI = fall->felder.text({Feldname::Ergebnis2}) + " €";
    erwartePosten(drucker, 0,
                  {{1000, "Beispielfall \u2013 Monatsliste"},
                   {4000, "Tariftabellen Stand JANUAR 2006 WEST"}});
    erwartePosten(drucker, 1, {});
    erwartePosten(drucker, titel0 + 0, {{1800, titel}});
    erwartePosten(drucker, titel0 + 1, {{1000, regel}});
    erwartePosten(drucker, titel0 + 2,
                  {{1800, "N o r m a l f a l l"},
                   {4000, "Beispielfall                       "},
                   {6200, "Differenz"}});
    erwartePosten(drucker, titel0 + 3, {{1800, summeN}, {4000, summeI}, {6200, "0 €"}});
    erwartePosten(drucker, titel0 + 4, {{1000, regel}});
    erwartePosten(drucker, titel0 + 5, {});
    erwartePosten(drucker, titel0 + 6, {{1000, "Im einzelnen:"}});
    erwartePosten(drucker, titel0 + 7, {});
    erwartePosten(drucker, kopfzeile,
                  {{1000, "Monat"},
                   {1800, "EGr."},
                   {2400, "Stufe"},
                   {3000, "Entgelt"},
                   {4000, "EGr."},
                   {4600, "Stufe"},
                   {5200, "Entgelt"},
                   {6200, "Differenz"}});
    erwartePosten(drucker, kopfzeile + 1, {{1000, regel}});
    erwartePosten(drucker, kopfzeile + 2, {});
    // EGr. 9, step 1 pays 2.061 euros in the tariff of 2006.
    erwartePosten(drucker, ersteMonatszeile,
                  {{1000, "  1"},
                   {1400, "|"},
                   {1800, " 9 "},
                   {2400, " 1 "},
                   {3000, " 2.061   |"},
                   {4000, " 9 "},
                   {4600, " 1 "},
                   {5200, " 2.061   |"},
                   {6200, "     0"}});
    const int letzte = ersteMonatszeile + 479;
    erwartePosten(drucker, letzte,
                  {{1000, "480"},
                   {1400, "|"},
                   {1800, " 12 "},
                   {2400, " 6 "},
                   {3000, " " + fall->felder.text(betrag(4, 6)) + "   |"},
                   {4000, " 12 "},
                   {4600, " 6 "},
                   {5200, " " + fall->felder.text(betrag(4, 6)) + "   |"},
                   {6200, "     0"}});
    erwartePosten(drucker, letzte + 1, {{1000, regel}});
    erwartePosten(drucker, letzte + 2, {{1000, "Korvalt, Version " KORVALT_VERSION}});
    erwartePosten(drucker, letzte + 3, {{4000, "Seite 1 von 1"}});
    EXPECT_EQ(drucker.zeilenAnzahl(), letzte + 4);
    EXPECT_EQ(drucker.befehle().back().art, Druckbefehl::Art::dokumentBeenden);
    EXPECT_EQ(drucker.dokumente(), 1);
}

TEST(Monatsliste, SchriftenJeAbschnitt) {
    Handfall fall;
    fall.fall(Seite::normal, 3, 2475);
    fall.fall(Seite::individuell, 3, 2475);
    const AufzeichnenderDrucker drucker = fall.drucken();

    struct Schrift {
        const char* name;
        double groesse;
        bool fett;
    };
    auto erwarteSchrift = [&](int zeile, Schrift s) {
        const auto posten = drucker.zeile(zeile);
        ASSERT_FALSE(posten.empty()) << "Zeile " << zeile;
        for (const Druckposten& p : posten) {
            EXPECT_EQ(p.schrift, s.name) << "Zeile " << zeile << ": " << p.text;
            EXPECT_EQ(p.groesse, s.groesse) << "Zeile " << zeile << ": " << p.text;
            EXPECT_EQ(p.fett, s.fett) << "Zeile " << zeile << ": " << p.text;
        }
    };
    for (int zeile : {0, 1, 2, 3, 4, 6}) erwarteSchrift(titel0 + zeile, {"Arial", 10, true});
    for (int zeile : {kopfzeile, kopfzeile + 1}) erwarteSchrift(zeile, {"Arial", 10, false});
    for (int zeile = ersteMonatszeile; zeile < ersteMonatszeile + 3; ++zeile)
        erwarteSchrift(zeile, {"courier new", 8, false});
    erwarteSchrift(ersteMonatszeile + 3, {"Arial", 8, false});
    erwarteSchrift(ersteMonatszeile + 4, {"Arial", 8, false});
}

// Twenty lines a page: the first page has room for 5 months below the title block, the others for
// 13, and the closing lines fit below the last 9.
TEST(Monatsliste, JedeSeiteMitKopfSpaltenkoepfenUndSeitenzahl) {
    Handfall fall;
    fall.fall(Seite::normal, 40, 2475);
    fall.fall(Seite::individuell, 40, 2475);
    AufzeichnenderDrucker drucker(20);
    std::string fehler;
    ASSERT_TRUE(monatslisteDrucken(fall.daten, fall.t, titel, drucker, fehler, "Müller 2026"));
    EXPECT_FALSE(drucker.uebergelaufen());
    ASSERT_EQ(drucker.seiten(), 4);
    for (int seite = 1; seite <= 4; ++seite) {
        std::vector<std::string> texte;
        for (const Druckposten& p : drucker.posten())
            if (p.seite == seite) texte.push_back(p.text);
        SCOPED_TRACE("Seite " + std::to_string(seite));
        EXPECT_EQ(texte.front(), "Müller 2026 \u2013 Monatsliste");
        EXPECT_EQ(texte.back(), "Seite " + std::to_string(seite) + " von 4");
        EXPECT_NE(std::find(texte.begin(), texte.end(), "Monat"), texte.end());
        const std::string ersterMonat[] = {"  1", "  6", " 19", " 32"};
        EXPECT_NE(std::find(texte.begin(), texte.end(), ersterMonat[seite - 1]), texte.end());
    }
}

TEST(Monatsliste, OhneMonateFolgtAufDieKoepfeDieSchlussregel) {
    Handfall fall;
    const AufzeichnenderDrucker drucker = fall.drucken();
    erwartePosten(drucker, titel0 + 3, {{1800, "0 €"}, {4000, "0 €"}, {6200, "0 €"}});
    erwartePosten(drucker, kopfzeile + 1, {{1000, regel}});
    erwartePosten(drucker, kopfzeile + 2, {});
    erwartePosten(drucker, ersteMonatszeile, {{1000, regel}});
    erwartePosten(drucker, ersteMonatszeile + 1, {{1000, "Korvalt, Version " KORVALT_VERSION}});
    EXPECT_EQ(drucker.zeilenAnzahl(), ersteMonatszeile + 3);
}

TEST(Monatsliste, HinterDemEndeDesKuerzerenFallsKeineGruppeUndStufe) {
    Handfall fall;
    fall.fall(Seite::normal, 480, 2475);
    fall.fall(Seite::individuell, 500, 2600);
    // What the comparison leaves behind the end of the normal case: no pay, and series that may
    // still hold an earlier, longer run.
    for (int m = 481; m <= 500; ++m) {
        fall.t.monatsbetragN(m) = 0;
        fall.t.monatsgruppeN(m) = 11;
        fall.t.monatsstufeN(m) = 4;
    }
    const AufzeichnenderDrucker drucker = fall.drucken();
    erwartePosten(drucker, ersteMonatszeile + 479,
                  {{1000, "480"},
                   {1400, "|"},
                   {1800, " 9 "},
                   {2400, " 1 "},
                   {3000, " 2.475   |"},
                   {4000, " 9 "},
                   {4600, " 1 "},
                   {5200, " 2.600   |"},
                   {6200, "   125"}});
    for (int zeile : {ersteMonatszeile + 480, ersteMonatszeile + 499}) {
        const std::string monat = zeile == ersteMonatszeile + 480 ? "481" : "500";
        erwartePosten(drucker, zeile,
                      {{1000, monat},
                       {1400, "|"},
                       {3000, "     0   |"},
                       {4000, " 9 "},
                       {4600, " 1 "},
                       {5200, " 2.600   |"},
                       {6200, " 2.600"}});
    }
    erwartePosten(drucker, ersteMonatszeile + 500, {{1000, regel}});
}

TEST(Monatsliste, MonatsnummernUndDifferenzen) {
    struct Fall {
        int monat;
        float normal;
        float individuell;
        const char* nummer;
        const char* differenz;
    };
    const Fall faelle[] = {
        {1, 2475, 2355, "  1", "  -120"},      {10, 2475, 2474.5f, " 10", "     0"},
        {100, 2475, 2477.5f, "100", "     2"}, {101, 2475, 2476.5f, "101", "     2"},
        {102, 22345, 10000, "102", "-12.345"}, {103, 0, 123456, "103", "123.456"},
        {104, 10, 9.5f, "104", "     0"},
    };
    Handfall fall;
    fall.fall(Seite::normal, 104, 1);
    fall.fall(Seite::individuell, 104, 1);
    for (const Fall& f : faelle) {
        fall.t.monatsbetragN(f.monat) = f.normal;
        fall.t.monatsbetragI(f.monat) = f.individuell;
    }
    const AufzeichnenderDrucker drucker = fall.drucken();
    for (const Fall& f : faelle) {
        const auto zeile = posten(drucker, ersteMonatszeile + f.monat - 1);
        ASSERT_EQ(zeile.size(), 9u) << "Monat " << f.monat;
        EXPECT_EQ(zeile.front().text, f.nummer);
        EXPECT_EQ(zeile.back().twips, 6200);
        EXPECT_EQ(zeile.back().text, f.differenz) << "Monat " << f.monat;
    }
    // A pay of more than six places is printed whole, its first digits included.
    EXPECT_EQ(posten(drucker, ersteMonatszeile + 102)[7].text, "123.456   |");
    EXPECT_EQ(posten(drucker, ersteMonatszeile + 101)[4].text, "22.345   |");
}

TEST(Monatsliste, Summen) {
    struct Fall {
        Long normal;
        Long individuell;
        const char* textN;
        const char* textI;
        const char* differenz;
    };
    const Fall faelle[] = {
        {2475000, 2500000, "2.475.000 €", "2.500.000 €", "25.000 €"},
        {1234, 0, "1.234 €", "0 €", "-1.234 €"},
        {0, 0, "0 €", "0 €", "0 €"},
        {999, 1000, "999 €", "1.000 €", "1 €"},
    };
    for (const Fall& f : faelle) {
        Handfall fall;
        fall.t.gesamtbetrag(1) = f.normal;
        fall.t.gesamtbetrag(2) = f.individuell;
        fall.t.gesamtdifferenz = std::int64_t{f.individuell} - f.normal;
        const AufzeichnenderDrucker drucker = fall.drucken();
        erwartePosten(drucker, titel0 + 3, {{1800, f.textN}, {4000, f.textI}, {6200, f.differenz}});
    }
}

TEST(Monatsliste, ZweimalGedrucktGibtDieselbenBefehle) {
    Handfall fall;
    fall.fall(Seite::normal, 30, 2475);
    fall.fall(Seite::individuell, 40, 2512.5f);
    const AufzeichnenderDrucker erster = fall.drucken();
    const AufzeichnenderDrucker zweiter = fall.drucken();
    EXPECT_EQ(erster.befehle(), zweiter.befehle());
    EXPECT_EQ(erster.posten(), zweiter.posten());
}

// A case with a start month: the shares and the raise once under the caption, each month's date
// after its number, the groups moved right to make room.
TEST(Monatsliste, MitBeginnDatumTeilzeitUndErhoehung) {
    auto fall = std::make_unique<Speicherfall>();
    test::Meldungsprotokoll meldungen;
    Startoptionen optionen{{"."}, {}, "vka"};
    optionen.ohneFenster = true;
    optionen.kalender.beginn = KalenderMonat(2026, 7);
    optionen.kalender.anteile = {10000, 7500};
    optionen.kalender.erhoehung = AngenommeneErhoehung{25};
    ASSERT_EQ(fall->anzeige.laden(optionen, meldungen), "");
    const std::string hinweis = fall->sitzung.rechner().erhoehungshinweis();
    ASSERT_EQ(hinweis, "angenommene Erhöhung 2,5 % jährlich ab 04/2027");

    AufzeichnenderDrucker drucker;
    std::string fehler;
    ASSERT_TRUE(monatslisteDrucken(fall->sitzung.daten(), fall->sitzung.tabellen(), "Titel", drucker,
                                   fehler, {}, hinweis));
    erwartePosten(drucker, titel0 + 1,
                  {{2500,
                    "Teilzeit: Normalfall 100 % (39 Std./Woche), Beispielfall 75 % (29,25 "
                    "Std./Woche)"}});
    erwartePosten(drucker, titel0 + 2, {{2500, hinweis}});
    int genannt = 0;
    for (const Druckposten& p : drucker.posten()) genannt += p.text == hinweis;
    EXPECT_EQ(genannt, 1);
    const auto kopf = posten(drucker, kopfzeile + 2);
    ASSERT_GE(kopf.size(), 3u);
    EXPECT_EQ(kopf[1].twips, 1650);
    EXPECT_EQ(kopf[1].text, "Datum");
    const auto erste = posten(drucker, ersteMonatszeile + 2);
    ASSERT_GE(erste.size(), 4u);
    EXPECT_EQ(erste[2].twips, 1650);
    EXPECT_EQ(erste[2].text, "07/2026");
    EXPECT_EQ(erste[3].twips, 2500);
}

}  // namespace
