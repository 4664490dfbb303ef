// The 75-byte settings records: their bytes, their round trip and what restoring accepts.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>

#include "einstellungsdatei.h"
#include "einstellungssatz.h"
#include "meldungsprotokoll.h"
#include "tariftabelle.h"

using namespace korvalt;

namespace {

std::string alsText(const Einstellungssatz& satz) {
    return std::string(satz.begin(), satz.end());
}

Einstellungssatz ausText(const std::string& text) {
    Einstellungssatz satz;
    satz.fill(' ');
    std::copy_n(text.begin(), std::min(text.size(), satz.size()), satz.begin());
    return satz;
}

}  // namespace

TEST(Einstellungssatz, StandardfallErgibtDieBekanntenBytes) {
    Falltabellen t;
    standardfallSetzen(t);
    std::string erwartet = "st\x09";
    for (int i = 0; i < 8; ++i) erwartet += "120";
    for (int i = 0; i < 8; ++i) erwartet += "\x0C\x18\x24\x30\x3C\x78";
    ASSERT_EQ(erwartet.size(), 75u);
    EXPECT_EQ(alsText(einstellungssatzBilden(9, t, gruppen2006)), erwartet);
}

TEST(Einstellungssatz, DauernStehenAnIhrenStellen) {
    Falltabellen t;
    standardfallSetzen(t);
    t.grdauerN(1) = 600;
    t.grdauerN(4) = 5;
    t.grdauerI(2) = 0;
    t.stufendauer(1, 3, 2) = 0;
    t.stufendauer(2, 4, 6) = 255;
    const std::string satz = alsText(einstellungssatzBilden(11, t, gruppen2006));
    EXPECT_EQ(satz[2], '\x0B');
    EXPECT_EQ(satz.substr(3, 3), "600");
    EXPECT_EQ(satz.substr(12, 3), "005");
    EXPECT_EQ(satz.substr(18, 3), "000");
    EXPECT_EQ(satz[6 * 3 + 21 + 2 - 1], '\0');
    EXPECT_EQ(static_cast<unsigned char>(satz[6 * 4 + 45 + 6 - 1]), 255);
}

// Every field of the case record at its place: a duration changed in the case changes exactly its
// bytes and comes back. Read a byte early or late, the value takes a neighbour's digit or byte.
TEST(Einstellungssatz, JedesFeldAnSeinerStelle) {
    Falltabellen standard;
    standardfallSetzen(standard);
    const std::string vorher = alsText(einstellungssatzBilden(9, standard, gruppen2006));
    struct Zeile {
        std::string feld;
        int position;
        std::string bytes;
        Integer wert;
        std::function<Integer&(Falltabellen&)> im;
    };
    std::vector<Zeile> zeilen;
    for (int c = 1; c <= 4; ++c) {
        const std::string spalte = " Spalte " + std::to_string(c);
        zeilen.push_back({"Gruppendauer N" + spalte, 1 + 3 * c, "599", 599,
                          [c](Falltabellen& t) -> Integer& { return t.grdauerN(c); }});
        zeilen.push_back({"Gruppendauer I" + spalte, 13 + 3 * c, "599", 599,
                          [c](Falltabellen& t) -> Integer& { return t.grdauerI(c); }});
        for (int seite = 1; seite <= 2; ++seite)
            for (int s = 1; s <= 6; ++s)
                zeilen.push_back(
                    {"Stufendauer " + std::to_string(seite) + spalte + " Stufe " +
                         std::to_string(s),
                     3 + 24 * seite + 6 * (c - 1) + s, "\xC8", 200,
                     [=](Falltabellen& t) -> Integer& { return t.stufendauer(seite, c, s); }});
    }
    for (const Zeile& z : zeilen) {
        SCOPED_TRACE(z.feld);
        Falltabellen t = standard;
        z.im(t) = z.wert;
        std::string erwartet = vorher;
        erwartet.replace(std::size_t(z.position - 1), z.bytes.size(), z.bytes);
        const Einstellungssatz satz = einstellungssatzBilden(9, t, gruppen2006);
        EXPECT_EQ(alsText(satz), erwartet);
        Falltabellen zurueck;
        ASSERT_TRUE(einstellungssatzWiederherstellen(satz, zurueck, gruppen2006));
        EXPECT_EQ(z.im(zurueck), z.wert);
    }
    // The table's key fills positions 3 to 75.
    const std::string schluessel = "A" + std::string(71, '-') + "Z";
    EXPECT_EQ(alsText(tabellensatzBilden(schluessel)), "tb" + schluessel);
    EXPECT_EQ(tabellensatzLesen(ausText("tb" + schluessel)), schluessel);
}

TEST(Einstellungssatz, HinUndZurueckGibtDenselbenFall) {
    Falltabellen t;
    for (int c = 1; c <= 4; ++c) {
        t.grdauerN(c) = static_cast<Integer>(c * 150);
        t.grdauerI(c) = static_cast<Integer>(600 - c * 7);
        for (int s = 1; s <= 6; ++s) {
            t.stufendauer(1, c, s) = static_cast<Integer>((c * 37 + s * 11) % 256);
            t.stufendauer(2, c, s) = static_cast<Integer>(255 - (c * 13 + s) % 256);
        }
    }
    t.stufendauer(1, 1, 1) = 0;
    t.stufendauer(2, 1, 1) = 255;
    const Einstellungssatz satz = einstellungssatzBilden(13, t, gruppen2006);
    Falltabellen zurueck;
    ASSERT_EQ(einstellungssatzWiederherstellen(satz, zurueck, gruppen2006),
              std::optional<Integer>(13));
    EXPECT_EQ(zurueck.grdauerN, t.grdauerN);
    EXPECT_EQ(zurueck.grdauerI, t.grdauerI);
    EXPECT_EQ(zurueck.stufendauer, t.stufendauer);
    EXPECT_EQ(alsText(einstellungssatzBilden(13, zurueck, gruppen2006)), alsText(satz));
}

TEST(Einstellungssatz, OhneKennungWirdNichtsWiederhergestellt) {
    Falltabellen t;
    standardfallSetzen(t);
    std::string text = alsText(einstellungssatzBilden(9, t, gruppen2006));
    for (const char* anfang : {"ST", "  ", "sT", "St"}) {
        text.replace(0, 2, anfang);
        Falltabellen ziel;
        EXPECT_FALSE(einstellungssatzWiederherstellen(ausText(text), ziel, gruppen2006)) << anfang;
        EXPECT_EQ(ziel.grdauerN(1), 0);
    }
    Einstellungssatz leer;
    leer.fill(' ');
    Falltabellen ziel;
    EXPECT_FALSE(einstellungssatzWiederherstellen(leer, ziel, gruppen2006));
}

TEST(Einstellungssatz, WiederherstellenBegrenztAufDieEingabegrenzen) {
    Falltabellen t;
    standardfallSetzen(t);
    std::string text = alsText(einstellungssatzBilden(9, t, gruppen2006));
    text[2] = '\x1E';            // start group 30
    text.replace(3, 3, "999");   // group duration 999
    text.replace(15, 3, "7x1");  // leading number 7
    Falltabellen ziel;
    EXPECT_EQ(einstellungssatzWiederherstellen(ausText(text), ziel, gruppen2006),
              std::optional<Integer>(15));
    EXPECT_EQ(ziel.grdauerN(1), 600);
    EXPECT_EQ(ziel.grdauerI(1), 7);
    text[2] = '\0';
    EXPECT_EQ(einstellungssatzWiederherstellen(ausText(text), ziel, gruppen2006),
              std::optional<Integer>(1));
}

TEST(Einstellungssatz, StartgruppeWirdBeimBildenBegrenzt) {
    Falltabellen t;
    standardfallSetzen(t);
    EXPECT_EQ(einstellungssatzBilden(0, t, gruppen2006)[2], 1);    // an empty start-group text
    EXPECT_EQ(einstellungssatzBilden(20, t, gruppen2006)[2], 15);  // unconfirmed digits
    EXPECT_EQ(einstellungssatzBilden(70000, t, gruppen2006)[2], 15);
    EXPECT_EQ(einstellungssatzBilden(11.5, t, gruppen2006)[2], 12);
}

TEST(Einstellungsdatei, SchreibtGanzOderGarNicht) {
    test::TemporaeresVerzeichnis verzeichnis;
    const auto datei = verzeichnis.pfad() / einstellungsdateiName;
    Falltabellen t;
    standardfallSetzen(t);
    const Einstellungssatz satz = einstellungssatzBilden(9, t, gruppen2006);
    std::string fehler;
    ASSERT_TRUE(einstellungsdateiSchreiben(datei, satz, fehler)) << fehler;
    EXPECT_EQ(std::filesystem::file_size(datei), 75u);
    const Einstellungslesung lesung = einstellungsdateiLesen(datei);
    EXPECT_EQ(lesung.ergebnis, Einstellungslesung::Ergebnis::gelesen);
    EXPECT_EQ(lesung.satz, satz);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(verzeichnis.pfad()), {}), 1);

    // A directory that does not exist: a German reason, nothing written.
    EXPECT_FALSE(einstellungsdateiSchreiben(verzeichnis.pfad() / "fehlt" / einstellungsdateiName,
                                            satz, fehler));
    EXPECT_NE(fehler.find("existiert nicht"), std::string::npos) << fehler;
}

// Only whole records whose first is "st" make a usable file.
TEST(Einstellungsdatei, NurGanzeEigeneSaetzeSindBrauchbar) {
    using Ergebnis = Einstellungslesung::Ergebnis;
    const std::string st = "st\x09" + std::string(72, '1');
    const std::string tb = "tb" + std::string(73, ' ');
    struct Fall {
        const char* name;
        std::optional<std::string> inhalt;
        Ergebnis ergebnis;
        const char* grund;
    };
    const Fall faelle[] = {
        {"fehlt", std::nullopt, Ergebnis::fehlt, "fehlt."},
        {"ein Satz", st, Ergebnis::gelesen, ""},
        {"mit Tabellensatz", st + tb + st, Ergebnis::gelesen, ""},
        {"leer", "", Ergebnis::unbrauchbar, "(0 Bytes statt 75)"},
        {"zu kurz", st.substr(0, 74), Ergebnis::unbrauchbar, "(74 Bytes statt 75)"},
        {"angehaengt", st + "\n", Ergebnis::unbrauchbar, "(76 Bytes statt 75)"},
        {"halber Satz dahinter", st + tb.substr(0, 40), Ergebnis::unbrauchbar, "(115 Bytes"},
        {"falsche Kennung", "ST" + st.substr(2), Ergebnis::unbrauchbar, "nicht mit \u201Est"},
        {"Tabellensatz zuerst", tb + st, Ergebnis::unbrauchbar, "nicht mit \u201Est"},
    };
    test::TemporaeresVerzeichnis verzeichnis;
    const auto datei = verzeichnis.pfad() / einstellungsdateiName;
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        std::filesystem::remove(datei);
        if (f.inhalt) std::ofstream(datei, std::ios::binary) << *f.inhalt;
        const Einstellungslesung lesung = einstellungsdateiLesen(datei);
        EXPECT_EQ(lesung.ergebnis, f.ergebnis);
        if (f.ergebnis == Ergebnis::gelesen) {
            EXPECT_EQ(alsText(lesung.satz), st);
            continue;
        }
        EXPECT_EQ(
            lesung.fehler.rfind("Die Einstellungsdatei \u201E" + datei.string() + "\u201C", 0), 0u)
            << lesung.fehler;
        EXPECT_NE(lesung.fehler.find(f.grund), std::string::npos) << lesung.fehler;
        if (f.ergebnis == Ergebnis::unbrauchbar) {
            EXPECT_NE(lesung.fehler.find("Sie wurde nicht verwendet und bleibt unverändert."),
                      std::string::npos)
                << lesung.fehler;
        }
    }
}

TEST(Einstellungssatz, ZweiterSatzNenntDieTabelle) {
    const Einstellungssatz satz = tabellensatzBilden("2026-05");
    EXPECT_EQ(alsText(satz), "tb2026-05" + std::string(66, ' '));
    EXPECT_EQ(tabellensatzLesen(satz), std::optional<std::string>("2026-05"));
    Einstellungssatz leer;
    leer.fill(' ');
    EXPECT_FALSE(tabellensatzLesen(leer));
    EXPECT_FALSE(tabellensatzLesen(ausText("TB2026-05")));
}

TEST(Einstellungssatz, StartgruppeReichtInDenNeuenTabellenBis17) {
    Falltabellen t;
    standardfallSetzen(t);
    EXPECT_EQ(einstellungssatzBilden(17, t, 17)[2], 17);
    EXPECT_EQ(einstellungssatzBilden(20, t, 17)[2], 17);
    Falltabellen zurueck;
    EXPECT_EQ(einstellungssatzWiederherstellen(einstellungssatzBilden(17, t, 17), zurueck, 17),
              std::optional<Integer>(17));
}

TEST(Einstellungsdatei, FallDerNeuenTabelleHinUndZurueck) {
    test::TemporaeresVerzeichnis verzeichnis;
    const auto datei = verzeichnis.pfad() / einstellungsdateiName;
    Falltabellen t;
    standardfallSetzen(t);
    Tariftabelle mai2026 = tabelle2006();
    mai2026.schluessel = "2026-05";
    mai2026.gruppen = {"1",  "2",  "3",  "4",  "5",  "6",  "7",  "8", "9a",
                       "9b", "9c", "10", "11", "12", "13", "14", "15"};
    const Tabellenkatalog katalog({tabelle2006(), mai2026});
    std::string fehler;

    // A case of 2006 writes the one record it always wrote.
    const auto saetze2006 = einstellungssaetzeBilden("9", t, katalog.standard());
    ASSERT_EQ(saetze2006.size(), 1u);
    EXPECT_EQ(saetze2006[0], einstellungssatzBilden(9, t, gruppen2006));
    ASSERT_TRUE(einstellungsdateiSchreiben(datei, saetze2006, fehler)) << fehler;
    EXPECT_EQ(std::filesystem::file_size(datei), 75u);
    EXPECT_FALSE(einstellungsdateiLesen(datei).tabellensatz);

    // A case in 9b of May 2026: group number 10 in record 1, the table in record 2.
    const auto saetze = einstellungssaetzeBilden("9b", t, mai2026);
    ASSERT_TRUE(einstellungsdateiSchreiben(datei, saetze, fehler)) << fehler;
    EXPECT_EQ(std::filesystem::file_size(datei), 150u);
    const Einstellungslesung lesung = einstellungsdateiLesen(datei);
    ASSERT_TRUE(lesung.tabellensatz);
    EXPECT_EQ(lesung.satz[2], 10);
    test::Meldungsprotokoll meldungen;
    EXPECT_EQ(tabelleDesFalls(*lesung.tabellensatz, katalog, meldungen), "2026-05");
    Einstellungssatz keinSatz;
    keinSatz.fill(' ');
    EXPECT_EQ(tabelleDesFalls(keinSatz, katalog, meldungen), "2006");
    EXPECT_TRUE(meldungen.warnungen.empty());
}

TEST(Einstellungsdatei, UnbekannteTabelleWirdGemeldetUndDieDateiBleibt) {
    test::TemporaeresVerzeichnis verzeichnis;
    const auto datei = verzeichnis.pfad() / einstellungsdateiName;
    Falltabellen t;
    standardfallSetzen(t);
    std::string fehler;
    ASSERT_TRUE(einstellungsdateiSchreiben(
        datei, {einstellungssatzBilden(12, t, 17), tabellensatzBilden("2031-01")}, fehler));
    const auto vorher = std::filesystem::last_write_time(datei);

    test::Meldungsprotokoll meldungen;
    const auto satz2 = einstellungsdateiLesen(datei).tabellensatz;
    ASSERT_TRUE(satz2);
    EXPECT_EQ(tabelleDesFalls(*satz2, Tabellenkatalog(), meldungen), "2006");
    ASSERT_EQ(meldungen.warnungen.size(), 1u);
    EXPECT_NE(meldungen.warnungen[0].find("\u201E2031-01\u201C, die Korvalt nicht kennt"),
              std::string::npos)
        << meldungen.warnungen[0];
    EXPECT_EQ(std::filesystem::file_size(datei), 150u);
    EXPECT_EQ(std::filesystem::last_write_time(datei), vorher);
}

// A FIFO would make the reader wait for a writer, a device would be read for ever.
TEST(Einstellungsdatei, RohrUndGeraetWerdenSofortAbgelehnt) {
    test::TemporaeresVerzeichnis verzeichnis;
    const auto rohr = verzeichnis.pfad() / einstellungsdateiName;
    ASSERT_EQ(::mkfifo(rohr.c_str(), 0644), 0);
    for (const std::filesystem::path& pfad : {rohr, std::filesystem::path("/dev/zero")}) {
        SCOPED_TRACE(pfad.string());
        const Einstellungslesung lesung = einstellungsdateiLesen(pfad);
        EXPECT_EQ(lesung.ergebnis, Einstellungslesung::Ergebnis::unbrauchbar);
        EXPECT_NE(lesung.fehler.find("\u201C ist keine gewöhnliche Datei. Sie wurde nicht"),
                  std::string::npos)
            << lesung.fehler;
    }
}

// A record of a later version is passed over and named; the case opens from the records known, the
// file stays as it is, and saving keeps the record.
TEST(Einstellungsdatei, UnbekannterSatzWirdGenanntUndDerFallGeoeffnet) {
    test::TemporaeresVerzeichnis verzeichnis;
    const auto datei = verzeichnis.pfad() / einstellungsdateiName;
    const std::string inhalt = "st\x09" + std::string(72, '1') + "zz" + std::string(73, '7') +
                               "tb2026-05" + std::string(66, ' ');
    std::ofstream(datei, std::ios::binary) << inhalt;
    const Einstellungslesung lesung = einstellungsdateiLesen(datei);
    EXPECT_EQ(lesung.ergebnis, Einstellungslesung::Ergebnis::gelesen);
    ASSERT_TRUE(lesung.tabellensatz);
    EXPECT_FALSE(lesung.kalendersatz);
    EXPECT_EQ(lesung.hinweis,
              "Die Einstellungsdatei \u201E" + datei.string() +
                  "\u201C wird ohne einen Teil ihrer Angaben geöffnet: der 2. Satz "
                  "beginnt mit \u201Ezz\u201C, den diese Version von Korvalt nicht "
                  "kennt. Die Datei bleibt unverändert; Sätze, die diese Version nicht "
                  "lesen kann, bleiben auch beim Speichern unverändert in der Datei.");
    std::ifstream gelesen(datei, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(gelesen), {}), inhalt);
}

// The calendar settings go into a third record and come back from the file into the case; without
// them the case writes no such record.
TEST(Einstellungsdatei, KalenderangabenHinUndZurueck) {
    test::TemporaeresVerzeichnis verzeichnis;
    const auto datei = verzeichnis.pfad() / einstellungsdateiName;
    Falltabellen t;
    standardfallSetzen(t);
    Tariftabelle vka = tabelle2006();
    vka.schluessel = "vka";
    t.kalender.beginn = KalenderMonat(2026, 7);
    t.kalender.aktuelleStufe = AktuelleStufe{3, {2024, 4}};
    t.kalender.anteilI = 7500;
    t.kalender.erhoehung = AngenommeneErhoehung{25, {2027, 4}};
    const auto saetze = einstellungssaetzeBilden("9", t, vka);
    ASSERT_EQ(saetze.size(), 3u);
    std::string fehler;
    ASSERT_TRUE(einstellungsdateiSchreiben(datei, saetze, fehler)) << fehler;

    const Einstellungslesung lesung = einstellungsdateiLesen(datei);
    ASSERT_TRUE(lesung.kalendersatz);
    EXPECT_EQ(lesung.hinweis, "");
    Falltabellen zurueck;
    zurueck.kalender.anteilN = 5000;
    ASSERT_TRUE(
        einstellungssatzWiederherstellen(lesung.satz, *lesung.kalendersatz, zurueck, gruppen2006));
    EXPECT_EQ(zurueck.kalender, t.kalender);
    // A case file without the record leaves the case without calendar settings.
    ASSERT_TRUE(einstellungssatzWiederherstellen(lesung.satz, zurueck, gruppen2006));
    EXPECT_TRUE(zurueck.kalender.leer());
}

// A case read with a calendar record is saved with it: a later version's positions stay as they
// were, and a damaged record stays whole, its settings unused, while the case gets none.
TEST(Einstellungsdatei, GelesenerKalendersatzWirdMitGespeichert) {
    const std::string spaeter = std::string(34, ' ') + "X" + std::string(5, ' ');
    const struct {
        const char* name;
        std::string kz;
        bool beschaedigt;
    } faelle[] = {
        {"mit Angaben einer späteren Version",
         "kz202607       1000007500" + std::string(10, ' ') + spaeter, false},
        {"beschädigt", "kz202613       1000010000" + std::string(50, '9'), true},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        ASSERT_EQ(f.kz.size(), einstellungssatzLaenge);
        test::TemporaeresVerzeichnis verzeichnis;
        const auto datei = verzeichnis.pfad() / einstellungsdateiName;
        Falltabellen standard;
        standardfallSetzen(standard);
        const std::string inhalt = alsText(einstellungssatzBilden(9, standard, gruppen2006)) + f.kz;
        std::ofstream(datei, std::ios::binary) << inhalt;
        const Einstellungslesung lesung = einstellungsdateiLesen(datei);
        ASSERT_TRUE(lesung.kalendersatz);
        EXPECT_EQ(lesung.hinweis.find("Der beschädigte Kalendersatz bleibt") != std::string::npos,
                  f.beschaedigt)
            << lesung.hinweis;
        Falltabellen t;
        ASSERT_TRUE(
            einstellungssatzWiederherstellen(lesung.satz, *lesung.kalendersatz, t, gruppen2006));
        EXPECT_EQ(t.kalender.leer(), f.beschaedigt);
        const auto saetze = einstellungssaetzeBilden("9", t, tabelle2006());
        ASSERT_EQ(saetze.size(), 2u);
        EXPECT_EQ(alsText(saetze[0]) + alsText(saetze[1]), inhalt);
    }
}

// What a later version wrote after the last field of a record goes back as it was when the case
// clears that field, and the field itself goes back blank: a field not cleared on writing would be
// read as damaged on the next opening.
TEST(Einstellungsdatei, SpaetereStellenBleibenWennDasLetzteFeldGeleertWird) {
    auto spaeter = [](std::size_t laenge) {
        std::string text;
        for (std::size_t i = 0; i < laenge; ++i) text += char('a' + i % 26);
        return text;
    };
    Falltabellen standard;
    standardfallSetzen(standard);
    const std::string st = alsText(einstellungssatzBilden(9, standard, gruppen2006));
    const std::string kz = "kz202601       1000010000          204512";
    const std::string sv = "sv1159200290      0240 0400";
    test::TemporaeresVerzeichnis verzeichnis;
    const auto datei = verzeichnis.pfad() / einstellungsdateiName;
    std::ofstream(datei, std::ios::binary) << st << kz << spaeter(34) << sv << spaeter(48);
    const Einstellungslesung lesung = einstellungsdateiLesen(datei);
    ASSERT_EQ(lesung.hinweis, "");
    Falltabellen t;
    ASSERT_TRUE(einstellungssatzWiederherstellen(lesung.satz, *lesung.kalendersatz, t, gruppen2006,
                                                 {}, {}, lesung.steuersatz));
    t.kalender.ende.reset();
    t.steuer->umlage = {};
    const auto saetze = einstellungssaetzeBilden("9", t, tabelle2006());
    ASSERT_EQ(saetze.size(), 3u);
    EXPECT_EQ(alsText(saetze[1]), kz.substr(0, 35) + std::string(6, ' ') + spaeter(34));
    EXPECT_EQ(alsText(saetze[2]), sv.substr(0, 23) + std::string(4, ' ') + spaeter(48));
}

// What this version cannot read, a record of a later kind, a name or person record with a letter it
// does not know, a damaged one, goes back byte for byte and in its place among the records.
TEST(Einstellungsdatei, UnlesbareSaetzeBleibenAnIhremPlatz) {
    Falltabellen standard;
    standardfallSetzen(standard);
    std::string inhalt = alsText(einstellungssatzBilden(9, standard, gruppen2006));
    for (const char* satz : {"zz1", "kz202601       1000010000", "fnNohne", "fnXFall X", "fnI",
                             "sv100000", "peNAnna", "peD\x07", "peQQuartier", "zz2"})
        inhalt += alsText(ausText(satz));
    test::TemporaeresVerzeichnis verzeichnis;
    const auto datei = verzeichnis.pfad() / einstellungsdateiName;
    std::ofstream(datei, std::ios::binary) << inhalt;
    const Einstellungslesung lesung = einstellungsdateiLesen(datei);
    ASSERT_EQ(lesung.behalten.size(), 6u);
    EXPECT_NE(lesung.hinweis.find("bleiben auch beim Speichern unverändert in der Datei."),
              std::string::npos)
        << lesung.hinweis;
    Falltabellen t;
    ASSERT_TRUE(einstellungssatzWiederherstellen(lesung.satz, *lesung.kalendersatz, t, gruppen2006,
                                                 lesung.person, lesung.fallnamen, lesung.steuersatz,
                                                 lesung.behalten));
    std::string geschrieben;
    for (const auto& satz : einstellungssaetzeBilden("9", t, tabelle2006()))
        geschrieben += alsText(satz);
    EXPECT_EQ(geschrieben, inhalt);
}
