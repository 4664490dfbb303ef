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

// The recording printer's characters are 100 twips wide: the rules reach the table's right edge,
// the difference's at 7900 twips.
const std::string regel(79, '_');
const std::string titel = "Korvalt für TVöD-Gemeinden (VKA), Tariftabellen Stand JANUAR 2006 WEST";

const std::string datum = "01.02.2026";

// Line numbers of the list: the page heading and a blank line take lines 0..1, the caption line 2,
// the block of a case in the table of 2006 without a person 3..8 („ohne Angaben zur Person“,
// table, Beginn, working time, the two notes), the totals between two rules and „Im Einzelnen:“
// 9..16, the cases' names 17, the column heads 18..20.
constexpr int titel0 = 2;
constexpr int blockzeilen = 6;
constexpr int rumpf = titel0 + 1 + blockzeilen;
constexpr int kopfzeile = rumpf + 9;
constexpr int ersteMonatszeile = kopfzeile + 3;
// After the last month: the rule, the footer line, four blank lines to sign in, the line to sign
// on, its label and the page footer.
constexpr int schlusszeilen = 9;

struct Posten {
    int twips;
    std::string text;
};

// The recording printer's width of `text`.
int breite(const std::string& text) {
    return int(AufzeichnenderDrucker().textbreite(text));
}

// `text` right-aligned to end at `ende`, as amounts and the heads over them stand.
Posten rechts(int ende, const std::string& text) {
    return {ende - breite(text), text};
}

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
    erwartePosten(drucker, 0,
                  {{0, "Beispielfall \u2013 Monatsliste, Tariftabellen Stand JANUAR 2006 WEST"}});
    erwartePosten(drucker, 1, {});
    erwartePosten(drucker, titel0 + 0, {{1000, titel}});
    for (int i = 0; i < blockzeilen; ++i)
        erwartePosten(drucker, titel0 + 1 + i, {{1000, block.zeilen()[std::size_t(i)]}});
    EXPECT_EQ(block.zeilen().front(), "ohne Angaben zur Person");
    erwartePosten(drucker, rumpf, {{0, regel}});
    erwartePosten(drucker, rumpf + 1, {{1000, "Normalfall"}, rechts(7600, summeN)});
    erwartePosten(drucker, rumpf + 2, {{1000, "Beispielfall"}, rechts(7600, summeI)});
    erwartePosten(drucker, rumpf + 3, {{1000, "Differenz"}, rechts(7600, "0 €")});
    erwartePosten(drucker, rumpf + 4, {{0, regel}});
    erwartePosten(drucker, rumpf + 5, {});
    erwartePosten(drucker, rumpf + 6, {{0, "Im Einzelnen:"}});
    erwartePosten(drucker, rumpf + 7, {});
    erwartePosten(drucker, kopfzeile - 1, {{1800, "Normalfall"}, {4600, "Beispielfall"}});
    erwartePosten(drucker, kopfzeile,
                  {rechts(1300, "Monat"),
                   {1800, "EGr."},
                   {2400, "Stufe"},
                   rechts(3900, "Entgelt"),
                   {4600, "EGr."},
                   {5200, "Stufe"},
                   rechts(6700, "Entgelt"),
                   rechts(7900, "Differenz")});
    erwartePosten(drucker, kopfzeile + 1, {{0, regel}});
    erwartePosten(drucker, kopfzeile + 2, {});
    // EGr. 9, step 1 pays 2.061 euros in the tariff of 2006.
    erwartePosten(drucker, ersteMonatszeile,
                  {rechts(1300, "1"),
                   {1800, " 9 "},
                   {2400, " 1 "},
                   rechts(3900, "2.061"),
                   {4600, " 9 "},
                   {5200, " 1 "},
                   rechts(6700, "2.061"),
                   rechts(7900, "0")});
    const int letzte = ersteMonatszeile + 479;
    erwartePosten(drucker, letzte,
                  {rechts(1300, "480"),
                   {1800, " 12 "},
                   {2400, " 6 "},
                   rechts(3900, fall->felder.text(betrag(4, 6))),
                   {4600, " 12 "},
                   {5200, " 6 "},
                   rechts(6700, fall->felder.text(betrag(4, 6))),
                   rechts(7900, "0")});
    erwartePosten(drucker, letzte + 1, {{0, regel}});
    erwartePosten(drucker, letzte + 2, {{0, "Korvalt, Version " KORVALT_VERSION}});
    for (int leer = letzte + 3; leer <= letzte + 6; ++leer) erwartePosten(drucker, leer, {});
    erwartePosten(drucker, letzte + 7, {{0, std::string(40, '_')}});
    erwartePosten(drucker, letzte + 8, {{0, "Ort, Datum / Unterschrift"}});
    erwartePosten(drucker, letzte + 9, {{0, "Gedruckt am " + datum}, {4600, "Seite 1 von 1"}});
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
    for (int zeile : {0, 1, 2, 3, 4, 6}) erwarteSchrift(rumpf + zeile, {"Arial", 10, true});
    erwarteSchrift(kopfzeile - 1, {"Arial", 10, true});
    for (int zeile : {kopfzeile, kopfzeile + 1}) erwarteSchrift(zeile, {"Arial", 10, false});
    // The months in the proportional font, as the rest of the list.
    for (int zeile = ersteMonatszeile; zeile < ersteMonatszeile + 3; ++zeile)
        erwarteSchrift(zeile, {"Arial", 8, false});
    // The closing lines in the margin's font, as the page plan counts them.
    for (int zeile : {3, 4, 9, 10, 11})
        erwarteSchrift(ersteMonatszeile + zeile, {"Arial", 8, false});
}

// Months on short pages, with and without a person in the block. Every page is headed by the case,
// has the cases' names and the column heads while it has months, and ends with the print date and
// "Seite n von m", where m is counted before the first page; no line runs below its page, every
// month is printed once, and the place to sign closes the last page, on a page of its own where the
// last months leave no room for its 8 lines.
TEST(Monatsliste, SeiteNVonMAufJederSeite) {
    const struct {
        int zeilenProSeite;
        int monate;
        bool mitPerson;
        int seiten;
        std::vector<std::string> ersterMonat;  // of each page with months
        bool mitNamen = false;
    } faelle[] = {
        // The first page holds 26 - 4 (page heading and footer) - 9 (caption, totals, rules) - 6
        // (block) - 4 (names and heads) = 3 months, the others 18; 4 lines are left on the third.
        {26, 35, false, 4, {"1", "4", "22"}},
        // 4 + 19 + 11 months leave exactly the 8 closing lines; one month more does not.
        {27, 34, false, 3, {"1", "5", "24"}},
        {27, 35, false, 4, {"1", "5", "24"}},
        // Four person lines instead of „ohne Angaben zur Person“ on the first page.
        {28, 40, true, 4, {"1", "3", "23"}},
        {29, 37, true, 3, {"1", "4", "25"}},
        // A normal case's name too long for its half takes three lines over it on every page, and
        // the working time in the block two: 28 - 4 - 9 - 7 - 6 = 2 months on the first page, 18 on
        // the others.
        {28, 40, false, 4, {"1", "3", "21", "39"}, true},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(std::to_string(f.zeilenProSeite) + " Zeilen, " + std::to_string(f.monate) +
                     " Monate" + (f.mitPerson ? ", mit Person" : "") +
                     (f.mitNamen ? ", mit Namen" : ""));
        Handfall fall;
        fall.fall(Seite::normal, f.monate, 2475);
        fall.fall(Seite::individuell, f.monate, 2475);
        if (f.mitPerson) fall.t.person = {"Anna Müller", "4711", "Stadt Musterstadt", "B. Schäfer"};
        if (f.mitNamen)
            fall.t.namen = {"ohne Höhergruppierung, weiter in Entgeltgruppe 9a",
                            "mit Höhergruppierung"};
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
            // The month numbers end at 1300 twips.
            for (const Druckposten& p : posten)
                if (p.twips + breite(p.text) == 1300 && p.groesse == 8) hier.push_back(p.text);
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
        EXPECT_EQ(monate.back(), std::to_string(f.monate));
    }
}

TEST(Monatsliste, OhneMonateFolgtAufDieKoepfeDieSchlussregel) {
    Handfall fall;
    const AufzeichnenderDrucker drucker = fall.drucken();
    erwartePosten(drucker, rumpf + 1, {{1000, "Normalfall"}, rechts(7600, "0 €")});
    erwartePosten(drucker, rumpf + 2, {{1000, "Beispielfall"}, rechts(7600, "0 €")});
    erwartePosten(drucker, rumpf + 3, {{1000, "Differenz"}, rechts(7600, "0 €")});
    erwartePosten(drucker, kopfzeile + 1, {{0, regel}});
    erwartePosten(drucker, kopfzeile + 2, {});
    erwartePosten(drucker, ersteMonatszeile, {{0, regel}});
    erwartePosten(drucker, ersteMonatszeile + 1, {{0, "Korvalt, Version " KORVALT_VERSION}});
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
                  {rechts(1300, "480"),
                   {1800, " 9 "},
                   {2400, " 1 "},
                   rechts(3900, "2.475"),
                   {4600, " 9 "},
                   {5200, " 1 "},
                   rechts(6700, "2.600"),
                   rechts(7900, "125")});
    for (int zeile : {ersteMonatszeile + 480, ersteMonatszeile + 499}) {
        const std::string monat = zeile == ersteMonatszeile + 480 ? "481" : "500";
        erwartePosten(drucker, zeile,
                      {rechts(1300, monat),
                       rechts(3900, "0"),
                       {4600, " 9 "},
                       {5200, " 1 "},
                       rechts(6700, "2.600"),
                       rechts(7900, "2.600")});
    }
    erwartePosten(drucker, ersteMonatszeile + 500, {{0, regel}});
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
        {1, 2475, 2355, "1", "-120"},          {10, 2475, 2474.5f, "10", "0"},
        {100, 2475, 2477.5f, "100", "2"},      {101, 2475, 2476.5f, "101", "2"},
        {102, 22345, 10000, "102", "-12.345"}, {103, 0, 123456, "103", "123.456"},
        {104, 10, 9.5f, "104", "0"},
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
        ASSERT_EQ(zeile.size(), 8u) << "Monat " << f.monat;
        EXPECT_EQ(zeile.front().twips, rechts(1300, f.nummer).twips) << "Monat " << f.monat;
        EXPECT_EQ(zeile.front().text, f.nummer);
        EXPECT_EQ(zeile.back().twips, rechts(7900, f.differenz).twips) << "Monat " << f.monat;
        EXPECT_EQ(zeile.back().text, f.differenz) << "Monat " << f.monat;
    }
    // A pay of more than six places is printed whole, its first digits included, and still ends
    // under its head.
    const auto lang = posten(drucker, ersteMonatszeile + 102)[6];
    EXPECT_EQ(lang.text, "123.456");
    EXPECT_EQ(lang.twips, rechts(6700, "123.456").twips);
    EXPECT_EQ(posten(drucker, ersteMonatszeile + 101)[3].text, "22.345");
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
        erwartePosten(drucker, rumpf + 1, {{1000, "Normalfall"}, rechts(7600, f.textN)});
        erwartePosten(drucker, rumpf + 2, {{1000, "Beispielfall"}, rechts(7600, f.textI)});
        erwartePosten(drucker, rumpf + 3, {{1000, "Differenz"}, rechts(7600, f.differenz)});
    }
}

// Cases with names of their own stand over their halves and in the totals. A name too long for its
// room is wrapped between words, so that it runs into nothing: over the halves the normal case's
// name ends before the individual half and the individual case's before the page's right edge
// (10800 twips); in the totals each name ends before its amounts. Wrapped, every name is whole.
// The block's lines that name the cases wrap as well: nothing is printed beyond the right edge.
TEST(Monatsliste, EigeneNamenLaufenInNichtsHinein) {
    const struct {
        Fallnamen namen;
        int namenszeilen;  // over the halves
        int summenzeilen;
    } faelle[] = {
        // The promotion check's names fit their rooms.
        {{"ohne Höhergruppierung", "mit Höhergruppierung nach 9b zum 07/2026"}, 1, 3},
        // The normal case's name is wider than its half (26 characters).
        {{"ohne Höhergruppierung, weiter in Entgeltgruppe 9a", "mit Höhergruppierung"}, 3, 3},
        // The individual case's name is wider than the room to the right edge (62 characters) and
        // than the room before the amounts of the totals (57).
        {{"ohne Höhergruppierung",
          "mit Höhergruppierung nach 9b zum 07/2026, Stufe 3 ab 07/2026 mit Zulage"},
         2,
         4},
    };
    // A wrapped name's lines after the first begin with two blanks.
    const auto zusammen = [](std::string& name, const std::string& zeile) {
        name += name.empty() ? zeile : " " + zeile.substr(2);
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.namen.normal + " / " + f.namen.individuell);
        Handfall fall;
        fall.t.namen = f.namen;
        fall.t.gesamtbetrag(1) = 1000;
        fall.t.gesamtbetrag(2) = 1200;
        fall.t.gesamtdifferenz = 200;
        const AufzeichnenderDrucker drucker = fall.drucken();
        std::vector<int> regeln;
        int kopf = -1;
        for (const Druckposten& p : drucker.posten()) {
            if (p.text == regel) regeln.push_back(p.zeile);
            if (p.text == "Monat" && kopf < 0) kopf = p.zeile;
        }
        ASSERT_GE(regeln.size(), 2u);
        ASSERT_GT(kopf, regeln[1]);
        for (const Druckposten& p : drucker.posten())
            EXPECT_LE(p.twips + breite(p.text), 10800) << p.text;

        // The totals between the title block's rules: a name's first line carries its amount.
        EXPECT_EQ(regeln[1] - regeln[0] - 1, f.summenzeilen);
        std::vector<std::string> summennamen;
        for (int z = regeln[0] + 1; z < regeln[1]; ++z) {
            const auto zeile = posten(drucker, z);
            ASSERT_FALSE(zeile.empty()) << "Zeile " << z;
            EXPECT_EQ(zeile[0].twips, 1000);
            if (zeile.size() > 1) {
                EXPECT_LE(zeile[0].twips + breite(zeile[0].text) + 200, zeile[1].twips)
                    << zeile[0].text;
                summennamen.emplace_back();
            }
            ASSERT_FALSE(summennamen.empty());
            zusammen(summennamen.back(), zeile[0].text);
        }
        EXPECT_EQ(summennamen,
                  (std::vector<std::string>{f.namen.normal, f.namen.individuell, "Differenz"}));

        // The names over the halves stand on the lines right above the heads, after a blank one.
        EXPECT_TRUE(posten(drucker, kopf - f.namenszeilen - 1).empty());
        std::string normal, individuell;
        for (int z = kopf - f.namenszeilen; z < kopf; ++z)
            for (const Posten& p : posten(drucker, z)) {
                ASSERT_TRUE(p.twips == 1800 || p.twips == 4600) << p.text;
                const bool links = p.twips == 1800;
                EXPECT_LE(p.twips + breite(p.text), links ? 4600 - 200 : 10800) << p.text;
                zusammen(links ? normal : individuell, p.text);
            }
        EXPECT_EQ(normal, f.namen.normal);
        EXPECT_EQ(individuell, f.namen.individuell);
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
        erwartePosten(drucker, titel0 + 1 + int(i), {{1000, zeilen[i]}});
    int genannt = 0;
    for (const Druckposten& p : drucker.posten())
        genannt += p.text == "Angenommene Erhöhung 2,5 % jährlich ab 04/2027";
    EXPECT_EQ(genannt, 1);
    const auto kopf = posten(drucker, kopfzeile + 2);
    ASSERT_GE(kopf.size(), 3u);
    EXPECT_EQ(kopf[1].twips, 1650);
    EXPECT_EQ(kopf[1].text, "Datum");
    const auto erste = posten(drucker, ersteMonatszeile + 2);
    ASSERT_GE(erste.size(), 3u);
    EXPECT_EQ(erste[1].twips, 1650);
    EXPECT_EQ(erste[1].text, "07/2026");
    EXPECT_EQ(erste[2].twips, 2500);
}

// With net pay each case's net pay stands after its pay and the net difference after the
// difference, each to the cent and right-aligned under its head, the last at the right edge; each
// total has its net total beside it, and the block says what net pay leaves out.
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
    // The block's long net notes wrap: the totals stand on the first line that begins with a net
    // total.
    int rumpf = -1;
    for (const Druckposten& p : drucker.posten())
        if (rumpf < 0 && p.text.rfind("netto ", 0) == 0) rumpf = p.zeile - 1;
    ASSERT_GT(rumpf, titel0 + int(block.zeilen().size()));
    const Monatssummen summen =
        monatssummen(fall->sitzung.tabellen(), fall->sitzung.tabelle(), netto);
    const auto summe = [](const std::string& vorne, std::int64_t cent) {
        return vorne + centTausenderText(cent) + " \u20AC";
    };
    erwartePosten(drucker, rumpf + 1,
                  {{1000, "Normalfall"},
                   rechts(7600, summe("", summen.cent[0])),
                   rechts(9800, summe("netto ", (*summen.netto)[0]))});
    erwartePosten(drucker, rumpf + 3,
                  {{1000, "Differenz"},
                   rechts(7600, summe("", summen.differenzCent)),
                   rechts(9800, summe("netto ", *summen.differenzNetto))});

    int kopf = -1;
    for (const Druckposten& p : drucker.posten())
        if (p.text == "Differenz netto") kopf = p.zeile;
    ASSERT_EQ(kopf, rumpf + 9);
    const auto koepfe = posten(drucker, kopf);
    ASSERT_EQ(koepfe.size(), 12u);
    EXPECT_EQ(koepfe[4].twips, rechts(4200, "Entgelt").twips);
    EXPECT_EQ(koepfe[5].twips, rechts(5100, "Netto").twips);
    EXPECT_EQ(koepfe[5].text, "Netto");
    EXPECT_EQ(koepfe[9].twips, rechts(8200, "Netto").twips);
    EXPECT_EQ(koepfe[10].twips, rechts(9200, "Differenz").twips);
    EXPECT_EQ(koepfe[11].twips, rechts(10800, "Differenz netto").twips);

    // November 2026, with the bonus.
    const Nettomonat* n = netto->monat(Seite::normal, 5);
    const Nettomonat* i = netto->monat(Seite::individuell, 5);
    const auto november = posten(drucker, kopf + 3 + 4);
    ASSERT_EQ(november.size(), 12u);
    EXPECT_EQ(november[1].text, "11/2026");
    const auto erwarte = [&](std::size_t spalte, int ende, std::int64_t cent) {
        EXPECT_EQ(november[spalte].text, centTausenderText(cent)) << "Spalte " << spalte;
        EXPECT_EQ(november[spalte].twips, rechts(ende, centTausenderText(cent)).twips)
            << "Spalte " << spalte;
    };
    erwarte(4, 4200, n->brutto);
    erwarte(5, 5100, n->netto);
    erwarte(8, 7300, i->brutto);
    erwarte(9, 8200, i->netto);
    erwarte(10, 9200, i->brutto - n->brutto);
    erwarte(11, 10800, i->netto - n->netto);
}

}  // namespace
