// The list of tariff tables: reading it, the group labels, typed start groups and switching tables.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "meldungsprotokoll.h"
#include "tariftabelle.h"
#include "tariftabellen.h"

using namespace korvalt;

namespace {

// The list built beside the tariff file in the working directory.
Tabellenkatalog gebauteListe() {
    test::Meldungsprotokoll meldungen;
    Tabellenkatalog katalog = tabellenlisteLaden(".", meldungen);
    EXPECT_TRUE(meldungen.warnungen.empty());
    return katalog;
}

const std::string kopf = "schluessel;ueberschrift;gruppen;regel;datei\n";
const std::string zeile2006 =
    "2006;Tariftabellen Stand JANUAR 2006 WEST;1 2 3 4 5 6 7 8 9 10 11 12 13 14 15;2006;a.csv\n";

}  // namespace

// Each side's tables by date follow from its tables with a month in force.
TEST(Tariftabellen, TabellenNachDatumAusDerListe) {
    const Tabellenkatalog katalog = gebauteListe();
    const struct {
        const char* schluessel;
        Arbeitgeberseite seite;
        const char* menuetitel;
        const char* erste;
    } erwartet[] = {{"vka", Arbeitgeberseite::vka, "VKA nach Datum", "2024-03"},
                    {"bund", Arbeitgeberseite::bund, "Bund nach Datum", "bund-2024-03"}};
    for (const auto& e : erwartet) {
        SCOPED_TRACE(e.schluessel);
        const Tariftabelle* t = katalog.finden(e.schluessel);
        ASSERT_TRUE(t);
        EXPECT_TRUE(t->nachDatum);
        EXPECT_EQ(t->menuetitel(), e.menuetitel);
        EXPECT_EQ(t->ueberschrift, std::string("Tariftabellen ") + e.menuetitel);
        EXPECT_EQ(t->gruppen, katalog.tabelle(e.erste).gruppen);
        EXPECT_TRUE(t->inCent);
        const auto datiert = katalog.datierteTabellen(e.seite);
        ASSERT_EQ(datiert.size(), 3u);
        EXPECT_EQ(datiert.front()->schluessel, e.erste);
        EXPECT_EQ(datiert.back()->inKraft, "2026-05");
    }
    // The table of 2006 is no table by date.
    EXPECT_EQ(katalog.tabellenNachDatum().size(), 2u);
}

TEST(Tariftabellen, DieGebauteListe) {
    const Tabellenkatalog katalog = gebauteListe();
    // A later pay round adds a line at the end; these four stay where they are.
    ASSERT_EQ(katalog.schluesselliste().substr(0, 31), "2006, 2024-03, 2025-04, 2026-05");
    const struct {
        const char* schluessel;
        const char* ueberschrift;
        int satzbasis;
    } erwartet[] = {{"2006", "Tariftabellen Stand JANUAR 2006 WEST", 200},
                    {"2024-03", "Tariftabellen Stand MÄRZ 2024", 220},
                    {"2025-04", "Tariftabellen Stand APRIL 2025", 240},
                    {"2026-05", "Tariftabellen Stand MAI 2026", 260}};
    for (const auto& e : erwartet) {
        const Tariftabelle& t = katalog.tabelle(e.schluessel);
        EXPECT_EQ(t.schluessel, e.schluessel);
        EXPECT_EQ(t.ueberschrift, e.ueberschrift);
        EXPECT_EQ(t.satzbasis, e.satzbasis);
    }
    EXPECT_EQ(katalog.standard().gruppenzahl(), 15);
    EXPECT_EQ(katalog.standard().regel, Aufstiegsregel::von2006);
    const Tariftabelle& mai2026 = katalog.tabelle("2026-05");
    EXPECT_EQ(mai2026.gruppenzahl(), 17);
    EXPECT_EQ(mai2026.regel, Aufstiegsregel::stufengleich);
    EXPECT_TRUE(mai2026.inCent);
    EXPECT_FALSE(katalog.standard().inCent);
    EXPECT_EQ(mai2026.inKraft, "2026-05");
    const Tariftabelle& bund2024 = katalog.tabelle("bund-2024-03");
    EXPECT_EQ(bund2024.seite, Arbeitgeberseite::bund);
    EXPECT_EQ(bund2024.satzbasis, 280);
    EXPECT_EQ(bund2024.menuetitel(), "MÄRZ 2024");
    // Without a list the program knows the table of 2006 exactly as the list describes it.
    const Tariftabelle eingebaut = tabelle2006();
    EXPECT_EQ(eingebaut.ueberschrift, katalog.standard().ueberschrift);
    EXPECT_EQ(eingebaut.gruppen, katalog.standard().gruppen);
    EXPECT_EQ(eingebaut.satzbasis, katalog.standard().satzbasis);
    EXPECT_EQ(&katalog.tabelle("1999-01"), &katalog.standard());
}

TEST(Tariftabellen, GruppenbezeichnungUndNummer) {
    const Tabellenkatalog katalog = gebauteListe();
    const Tariftabelle& t = katalog.tabelle("2026-05");
    const struct {
        int nummer;
        const char* bezeichnung;
    } faelle[] = {{1, "1"}, {8, "8"}, {9, "9a"}, {10, "9b"}, {11, "9c"}, {12, "10"}, {17, "15"}};
    for (const auto& f : faelle) {
        EXPECT_EQ(t.gruppenbezeichnung(f.nummer), f.bezeichnung);
        EXPECT_EQ(t.gruppennummer(f.bezeichnung), f.nummer);
    }
    EXPECT_EQ(t.gruppenbezeichnung(0), "");
    EXPECT_EQ(t.gruppenbezeichnung(18), "");
    EXPECT_FALSE(t.gruppennummer("9"));
}

TEST(Tariftabellen, StartgruppeLesen) {
    const Tabellenkatalog katalog = gebauteListe();
    const Tariftabelle& neu = katalog.tabelle("2026-05");
    const Tariftabelle& alt = katalog.standard();
    const struct {
        const char* text;
        int neu, alt;
    } faelle[] = {
        {"9", 9, 9},     {"9a", 9, 9},     {"9b", 10, 9},   {"9B", 10, 9},    {"9c", 11, 9},
        {"9d", 9, 9},    {"8a", 8, 8},     {"10", 12, 10},  {"15", 17, 15},   {"16", 17, 15},
        {"255", 17, 15}, {"0", 1, 1},      {"", 1, 1},      {"-3", 1, 1},     {"1", 1, 1},
        {" 9b", 10, 9},  {"10.5", 12, 10}, {"9.5", 12, 10}, {"11.5", 14, 12},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(neu.startgruppeLesen(f.text), f.neu) << '"' << f.text << '"';
        EXPECT_EQ(alt.startgruppeLesen(f.text), f.alt) << '"' << f.text << '"';
    }
}

TEST(Tariftabellen, GruppeBeimTabellenwechselNachDerBezeichnung) {
    const Tabellenkatalog katalog = gebauteListe();
    const Tariftabelle& neu = katalog.tabelle("2026-05");
    const Tariftabelle& alt = katalog.standard();
    const Tariftabelle& maerz2024 = katalog.tabelle("2024-03");
    EXPECT_EQ(gruppeUebertragen(alt, 10, neu), 12);  // "10" stays "10"
    EXPECT_EQ(gruppeUebertragen(alt, 9, neu), 9);    // "9" becomes "9a"
    EXPECT_EQ(gruppeUebertragen(alt, 1, neu), 1);
    EXPECT_EQ(gruppeUebertragen(alt, 15, neu), 17);
    for (int g : {9, 10, 11}) EXPECT_EQ(gruppeUebertragen(neu, g, alt), 9) << g;  // 9a/9b/9c
    EXPECT_EQ(gruppeUebertragen(neu, 12, alt), 10);
    EXPECT_EQ(gruppeUebertragen(neu, 10, maerz2024), 10);  // "9b" stays "9b"
}

TEST(Tariftabellen, FehlerhafteListenWerdenAbgewiesen) {
    const struct {
        const char* name;
        std::string text;
        const char* grund;
    } faelle[] = {
        {"leer", kopf, "keine Tabelle"},
        {"erste nicht 2006", kopf + "2024-03;X;1 2;stufengleich;b.csv\n", "Zeile 2: Die erste"},
        {"Spaltenzahl", kopf + "2006;X;1 2;2006\n", "Zeile 2: erwartet"},
        {"Schlüssel doppelt", kopf + zeile2006 + "2006;X;1;2006;b.csv\n", "zweimal"},
        {"Schlüssel mit Leerzeichen", kopf + zeile2006 + "20 26;X;1;2006;b.csv\n", "Schlüssel"},
        {"Regel", kopf + zeile2006 + "2026-05;X;1 2;neu;b.csv\n", "Zeile 3: Die Regel"},
        {"Gruppe", kopf + zeile2006 + "2026-05;X;1 9A;stufengleich;b.csv\n", "9A"},
        {"absteigend", kopf + zeile2006 + "2026-05;X;2 1;stufengleich;b.csv\n", "aufsteigen"},
        {"ohne Gruppen", kopf + zeile2006 + "2026-05;X; ;stufengleich;b.csv\n", "1 bis 20"},
        {"zu viele Gruppen",
         kopf + zeile2006 + "2026-05;X;1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21;" +
             "stufengleich;b.csv\n",
         "1 bis 20"},
        {"ohne Überschrift", kopf + zeile2006 + "2026-05; ;1;stufengleich;b.csv\n", "Überschrift"},
        {"ohne Datei", kopf + zeile2006 + "2026-05;X;1;stufengleich;\n", "Datei fehlt"},
        {"Seite", kopf + zeile2006 + "2026-05;X;1;stufengleich;b.csv;land;2026-05\n", "Seite"},
        {"Monat 13", kopf + zeile2006 + "2026-05;X;1;stufengleich;b.csv;bund;2026-13\n", "JJJJ-MM"},
    };
    for (const auto& f : faelle) {
        std::istringstream quelle(f.text);
        std::string fehler;
        EXPECT_FALSE(tabellenlisteLesen(quelle, fehler)) << f.name;
        EXPECT_NE(fehler.find(f.grund), std::string::npos) << f.name << ": " << fehler;
    }
    std::istringstream mitCrUndLeerzeile(kopf + zeile2006 +
                                         "\r\n\n2026-05;X;1 2;stufengleich;b\r\n");
    std::string fehler;
    const auto katalog = tabellenlisteLesen(mitCrUndLeerzeile, fehler);
    ASSERT_TRUE(katalog) << fehler;
    EXPECT_EQ(katalog->tabelle("2026-05").quelle, "b");
}

TEST(Tariftabellen, OhneListeGiltStillDieTabelleVon2006UndEineKaputteWirdGemeldet) {
    test::TemporaeresVerzeichnis verzeichnis;
    test::Meldungsprotokoll meldungen;
    EXPECT_EQ(tabellenlisteLaden(verzeichnis.pfad(), meldungen).schluesselliste(), "2006");
    EXPECT_TRUE(meldungen.warnungen.empty());
    EXPECT_FALSE(std::filesystem::exists(verzeichnis.pfad() / tabellenlisteName));

    std::ofstream(verzeichnis.pfad() / tabellenlisteName) << kopf << "2024-03;X;1;2006;b.csv\n";
    EXPECT_EQ(tabellenlisteLaden(verzeichnis.pfad(), meldungen).schluesselliste(), "2006");
    ASSERT_EQ(meldungen.warnungen.size(), 1u);
    EXPECT_NE(meldungen.warnungen[0].find("ist fehlerhaft (Zeile 2"), std::string::npos)
        << meldungen.warnungen[0];
}
