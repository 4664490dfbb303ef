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
#include "monatszeile.h"
#include "speicherfall.h"
#include "zahlen.h"

using namespace korvalt;

namespace {

const std::string regel(75, '_');
const std::string titel = "Korvalt für TVöD-Gemeinden (VKA), Tariftabellen Stand JANUAR 2006 WEST";

const std::string datum = "01.02.2026";

// Line numbers of the list: the page heading and a blank line take lines 0..1, the caption line 2,
// the block of a case in the table of 2006 without a person 3..7 (table, Beginn, working time, the
// two notes), the rest of the title block 8..14, the column heads 15..17.
constexpr int titel0 = 2;
constexpr int blockzeilen = 5;
constexpr int rumpf = titel0 + 1 + blockzeilen;
constexpr int kopfzeile = rumpf + 7;
constexpr int ersteMonatszeile = kopfzeile + 3;
// After the last month: the rule, the footer line, four blank lines to sign in, the line to sign
// on, its label and the page footer.
constexpr int schlusszeilen = 9;

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

    Druckblock block(std::string_view fall = {}) const {
        return druckblockBilden(daten, t, {}, "", fall, datum);
    }

    AufzeichnenderDrucker drucken() {
        AufzeichnenderDrucker drucker;
        std::string fehler;
        EXPECT_TRUE(monatslisteDrucken(daten, t, titel, block(), drucker, fehler));
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
    const Druckblock block =
        druckblockBilden(fall->sitzung.daten(), fall->sitzung.tabellen(), {}, "", {}, datum);
    ASSERT_EQ(block.zeilen().size(), std::size_t{blockzeilen});
    ASSERT_TRUE(monatslisteDrucken(fall->sitzung.daten(), fall->sitzung.tabellen(),
                                   fall->felder.text({Feldname::Korvaltei}), block, drucker,
                                   fehler));

    const std::string summeN = fall->felder.text({Feldname::Ergebnis1}) + " €";
    const std::string summeI = fall->felder.text({Feldname::Ergebnis2}) + " €";
    erwartePosten(
        drucker, 0,
        {{1000, "Beispielfall \u2013 Monatsliste, Tariftabellen Stand JANUAR 2006 WEST"}});
    erwartePosten(drucker, 1, {});
    erwartePosten(drucker, titel0 + 0, {{1800, titel}});
    for (int i = 0; i < blockzeilen; ++i)
        erwartePosten(drucker, titel0 + 1 + i, {{1800, block.zeilen()[std::size_t(i)]}});
    erwartePosten(drucker, rumpf, {{1000, regel}});
    erwartePosten(drucker, rumpf + 1,
                  {{1800, "N o r m a l f a l l"},
                   {4000, "Beispielfall                       "},
                   {6200, "Differenz"}});
    erwartePosten(drucker, rumpf + 2, {{1800, summeN}, {4000, summeI}, {6200, "0 €"}});
    erwartePosten(drucker, rumpf + 3, {{1000, regel}});
    erwartePosten(drucker, rumpf + 4, {});
    erwartePosten(drucker, rumpf + 5, {{1000, "Im einzelnen:"}});
    erwartePosten(drucker, rumpf + 6, {});
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
    for (int leer = letzte + 3; leer <= letzte + 6; ++leer) erwartePosten(drucker, leer, {});
    erwartePosten(drucker, letzte + 7, {{1000, std::string(40, '_')}});
    erwartePosten(drucker, letzte + 8, {{1000, "Ort, Datum / Unterschrift"}});
    erwartePosten(drucker, letzte + 9, {{1000, "Gedruckt am " + datum}, {4000, "Seite 1 von 1"}});
    EXPECT_EQ(drucker.zeilenAnzahl(), letzte + 1 + schlusszeilen);
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
    erwarteSchrift(titel0, {"Arial", 10, true});
    for (int zeile = titel0 + 1; zeile < rumpf; ++zeile) erwarteSchrift(zeile, {"Arial", 9, false});
    for (int zeile : {0, 1, 2, 3, 5}) erwarteSchrift(rumpf + zeile, {"Arial", 10, true});
    for (int zeile : {kopfzeile, kopfzeile + 1}) erwarteSchrift(zeile, {"Arial", 10, false});
    for (int zeile = ersteMonatszeile; zeile < ersteMonatszeile + 3; ++zeile)
        erwarteSchrift(zeile, {"courier new", 8, false});
    for (int zeile : {3, 4, 9, 10, 11})
        erwarteSchrift(ersteMonatszeile + zeile, {"Arial", 8, false});
}

// Months on short pages, with and without a person in the block. Every page is headed by the case,
// has the column heads while it has months, and ends with the print date and "Seite n von m", where
// m is counted before the first page; no line runs below its page, every month is printed once,
// and the place to sign closes the last page, on a page of its own where the last months leave no
// room for its 8 lines.
TEST(Monatsliste, SeiteNVonMAufJederSeite) {
    const struct {
        int zeilenProSeite;
        int monate;
        bool mitPerson;
        int seiten;
        std::vector<std::string> ersterMonat;  // of each page with months
        bool mitNamen = false;
    } faelle[] = {
        // The first page holds 26 - 4 - 8 - 5 - 3 = 6 months, the others 19; 4 lines are left on
        // the third.
        {26, 40, false, 4, {"  1", "  7", " 26"}},
        // 7 + 20 + 12 months leave exactly the 8 closing lines; one month more does not.
        {27, 39, false, 3, {"  1", "  8", " 28"}},
        {27, 40, false, 4, {"  1", "  8", " 28"}},
        // Four person lines more on the first page.
        {28, 40, true, 4, {"  1", "  5", " 26"}},
        {29, 40, true, 3, {"  1", "  6", " 28"}},
        // Cases with names of their own: one heading line more on the first page.
        {26, 40, false, 4, {"  1", "  6", " 25"}, true},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(std::to_string(f.zeilenProSeite) + " Zeilen, " + std::to_string(f.monate) +
                     " Monate" + (f.mitPerson ? ", mit Person" : "") +
                     (f.mitNamen ? ", mit Namen" : ""));
        Handfall fall;
        fall.fall(Seite::normal, f.monate, 2475);
        fall.fall(Seite::individuell, f.monate, 2475);
        if (f.mitPerson) fall.t.person = {"Anna Müller", "4711", "Stadt Musterstadt", "B. Schäfer"};
        if (f.mitNamen) fall.t.namen = {"ohne Höhergruppierung", "mit Höhergruppierung"};
        const std::string kopf =
            (f.mitPerson ? "Anna Müller (Personalnummer 4711)" : "Müller 2026") +
            std::string(" \u2013 Monatsliste, Tariftabellen Stand JANUAR 2006 WEST");
        AufzeichnenderDrucker drucker(f.zeilenProSeite);
        std::string fehler;
        ASSERT_TRUE(monatslisteDrucken(fall.daten, fall.t, titel, fall.block("Müller 2026"),
                                       drucker, fehler));
        EXPECT_FALSE(drucker.uebergelaufen());
        ASSERT_EQ(drucker.seiten(), f.seiten);
        std::vector<std::string> monate;
        for (int seite = 1; seite <= f.seiten; ++seite) {
            SCOPED_TRACE("Seite " + std::to_string(seite));
            std::vector<Druckposten> posten;
            for (const Druckposten& p : drucker.posten())
                if (p.seite == seite) posten.push_back(p);
            ASSERT_GE(posten.size(), 3u);
            EXPECT_EQ(posten.front().text, kopf);
            EXPECT_EQ(posten.back().text, seitenangabe(seite, f.seiten));
            EXPECT_EQ(posten[posten.size() - 2].text, "Gedruckt am " + datum);
            std::vector<std::string> hier;
            for (const Druckposten& p : posten)
                if (p.twips == 1000 && p.schrift == "courier new") hier.push_back(p.text);
            if (seite <= int(f.ersterMonat.size())) {
                ASSERT_FALSE(hier.empty());
                EXPECT_EQ(hier.front(), f.ersterMonat[std::size_t(seite - 1)]);
            } else {
                EXPECT_TRUE(hier.empty());
            }
            monate.insert(monate.end(), hier.begin(), hier.end());
            if (seite == f.seiten) {
                EXPECT_EQ(posten[posten.size() - 3].text, "Ort, Datum / Unterschrift");
            }
        }
        ASSERT_EQ(monate.size(), std::size_t(f.monate));
        EXPECT_EQ(monate.back(), " " + std::to_string(f.monate));
    }
}

TEST(Monatsliste, OhneMonateFolgtAufDieKoepfeDieSchlussregel) {
    Handfall fall;
    const AufzeichnenderDrucker drucker = fall.drucken();
    erwartePosten(drucker, rumpf + 2, {{1800, "0 €"}, {4000, "0 €"}, {6200, "0 €"}});
    erwartePosten(drucker, kopfzeile + 1, {{1000, regel}});
    erwartePosten(drucker, kopfzeile + 2, {});
    erwartePosten(drucker, ersteMonatszeile, {{1000, regel}});
    erwartePosten(drucker, ersteMonatszeile + 1, {{1000, "Korvalt, Version " KORVALT_VERSION}});
    EXPECT_EQ(drucker.zeilenAnzahl(), ersteMonatszeile + schlusszeilen);
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
        erwartePosten(drucker, rumpf + 2, {{1800, f.textN}, {4000, f.textI}, {6200, f.differenz}});
    }
}

// Cases with names of their own head their columns on a line each, so that the individual case's
// long name runs over nothing; the sums and the rest of the title block follow a line lower.
TEST(Monatsliste, EigeneNamenJeAufEinerZeile) {
    Handfall fall;
    fall.t.namen = {"ohne Höhergruppierung", "mit Höhergruppierung nach 9b zum 07/2026"};
    fall.t.gesamtbetrag(1) = 1000;
    fall.t.gesamtbetrag(2) = 1200;
    fall.t.gesamtdifferenz = 200;
    const AufzeichnenderDrucker drucker = fall.drucken();
    erwartePosten(drucker, rumpf + 1, {{1800, "ohne Höhergruppierung"}, {6200, "Differenz"}});
    erwartePosten(drucker, rumpf + 2, {{4000, "mit Höhergruppierung nach 9b zum 07/2026"}});
    erwartePosten(drucker, rumpf + 3, {{1800, "1.000 €"}, {4000, "1.200 €"}, {6200, "200 €"}});
    erwartePosten(drucker, rumpf + 4, {{1000, regel}});
    erwartePosten(drucker, rumpf + 6, {{1000, "Im einzelnen:"}});
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

// A case with a start month: the block under the caption names its table by date with its months,
// the shares and the raise once; each month's date stands after its number, the groups moved right
// to make room.
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
    const Druckblock block = druckblockBilden(fall->sitzung);
    const auto zeilen = block.zeilen();
    ASSERT_EQ(zeilen.size(), std::size_t{blockzeilen + 2});
    ASSERT_TRUE(monatslisteDrucken(fall->sitzung.daten(), fall->sitzung.tabellen(), "Titel", block,
                                   drucker, fehler));
    for (std::size_t i = 0; i < zeilen.size(); ++i)
        erwartePosten(drucker, titel0 + 1 + int(i), {{2500, zeilen[i]}});
    int genannt = 0;
    for (const Druckposten& p : drucker.posten())
        genannt += p.text == "Angenommene Erhöhung 2,5 % jährlich ab 04/2027";
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

// With net pay each case's net pay stands after its pay, in whole euros and followed by the case's
// bar, and the net difference after the difference; the totals have a line of net totals, and the
// block says what net pay leaves out.
TEST(Monatsliste, MitNettolohn) {
    auto fall = std::make_unique<Speicherfall>();
    test::Meldungsprotokoll meldungen;
    Startoptionen optionen{{"."}, {}, "vka"};
    optionen.ohneFenster = true;
    optionen.kalender.beginn = KalenderMonat(2026, 7);
    optionen.kalender.anteile = {10000, 7500};
    optionen.steuer.steuerklasse = 1;
    ASSERT_EQ(fall->anzeige.laden(optionen, meldungen), "");
    const Nettofall* netto = fall->sitzung.netto();
    ASSERT_TRUE(netto);

    AufzeichnenderDrucker drucker;
    std::string fehler;
    const Druckblock block = druckblockBilden(fall->sitzung);
    ASSERT_EQ(block.netto, nettohinweise(*netto));
    ASSERT_TRUE(monatslisteDrucken(fall->sitzung.daten(), fall->sitzung.tabellen(), "Titel", block,
                                   drucker, fehler, netto));
    const auto zeilen = block.zeilen();
    const int rumpf = titel0 + 1 + int(zeilen.size());
    const Monatssummen summen =
        monatssummen(fall->sitzung.tabellen(), fall->sitzung.tabelle(), netto);
    const auto euro = [](std::int64_t cent) {
        return "netto " + tausenderText(double(euroGerundet(cent))) + " \u20AC";
    };
    erwartePosten(drucker, rumpf + 3,
                  {{2400, euro((*summen.netto)[0])},
                   {5300, euro((*summen.netto)[1])},
                   {8200, euro(*summen.differenzNetto)}});

    int kopf = -1;
    for (const Druckposten& p : drucker.posten())
        if (p.text == "Differenz netto") kopf = p.zeile;
    ASSERT_EQ(kopf, rumpf + 8);
    const auto koepfe = posten(drucker, kopf);
    ASSERT_EQ(koepfe.size(), 12u);
    EXPECT_EQ(koepfe[9].twips, 4250);
    EXPECT_EQ(koepfe[9].text, "Netto");
    EXPECT_EQ(koepfe[10].twips, 7150);
    EXPECT_EQ(koepfe[11].twips, 9100);

    // November 2026, with the bonus.
    const Nettomonat* n = netto->monat(Seite::normal, 5);
    const Nettomonat* i = netto->monat(Seite::individuell, 5);
    const auto betrag = [](std::int64_t cent) {
        const std::string text = tausenderText(double(euroGerundet(cent)));
        return std::string(6 - std::min<std::size_t>(6, text.size()), ' ') + text;
    };
    const auto november = posten(drucker, kopf + 3 + 4);
    ASSERT_EQ(november.size(), 13u);
    EXPECT_EQ(november[5].twips, 3500);
    EXPECT_EQ(november[5].text, betrag(n->brutto));
    EXPECT_EQ(november[6].twips, 4250);
    EXPECT_EQ(november[6].text, betrag(n->netto) + "   |");
    EXPECT_EQ(november[10].twips, 7150);
    EXPECT_EQ(november[10].text, betrag(i->netto) + "   |");
    EXPECT_EQ(november[12].twips, 9100);
    EXPECT_EQ(november[12].text, betrag(i->netto - n->netto));
}

}  // namespace
