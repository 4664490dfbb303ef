// The 75-byte settings record: its bytes, its round trip and what restoring accepts.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "einstellungsdatei.h"
#include "einstellungssatz.h"
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
    Fenstertabellen t;
    standardfallSetzen(t);
    std::string erwartet = "st\x09";
    for (int i = 0; i < 8; ++i) erwartet += "120";
    for (int i = 0; i < 8; ++i) erwartet += "\x0C\x18\x24\x30\x3C\x78";
    ASSERT_EQ(erwartet.size(), 75u);
    EXPECT_EQ(alsText(einstellungssatzBilden(9, t)), erwartet);
}

TEST(Einstellungssatz, DauernStehenAnIhrenStellen) {
    Fenstertabellen t;
    standardfallSetzen(t);
    t.grdauerN(1) = 600;
    t.grdauerN(4) = 5;
    t.grdauerI(2) = 0;
    t.stufendauer(1, 3, 2) = 0;
    t.stufendauer(2, 4, 6) = 255;
    const std::string satz = alsText(einstellungssatzBilden(11, t));
    EXPECT_EQ(satz[2], '\x0B');
    EXPECT_EQ(satz.substr(3, 3), "600");
    EXPECT_EQ(satz.substr(12, 3), "005");
    EXPECT_EQ(satz.substr(18, 3), "000");
    EXPECT_EQ(satz[6 * 3 + 21 + 2 - 1], '\0');
    EXPECT_EQ(static_cast<unsigned char>(satz[6 * 4 + 45 + 6 - 1]), 255);
}

TEST(Einstellungssatz, HinUndZurueckGibtDenselbenFall) {
    Fenstertabellen t;
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
    const Einstellungssatz satz = einstellungssatzBilden(13, t);
    Fenstertabellen zurueck;
    ASSERT_EQ(einstellungssatzWiederherstellen(satz, zurueck), std::optional<Integer>(13));
    EXPECT_EQ(zurueck.grdauerN, t.grdauerN);
    EXPECT_EQ(zurueck.grdauerI, t.grdauerI);
    EXPECT_EQ(zurueck.stufendauer, t.stufendauer);
    EXPECT_EQ(alsText(einstellungssatzBilden(13, zurueck)), alsText(satz));
}

TEST(Einstellungssatz, OhneKennungWirdNichtsWiederhergestellt) {
    Fenstertabellen t;
    standardfallSetzen(t);
    std::string text = alsText(einstellungssatzBilden(9, t));
    for (const char* anfang : {"ST", "  ", "sT", "St"}) {
        text.replace(0, 2, anfang);
        Fenstertabellen ziel;
        EXPECT_FALSE(einstellungssatzWiederherstellen(ausText(text), ziel)) << anfang;
        EXPECT_EQ(ziel.grdauerN(1), 0);
    }
    Einstellungssatz leer;
    leer.fill(' ');
    Fenstertabellen ziel;
    EXPECT_FALSE(einstellungssatzWiederherstellen(leer, ziel));
}

TEST(Einstellungssatz, WiederherstellenBegrenztAufDieEingabegrenzen) {
    Fenstertabellen t;
    standardfallSetzen(t);
    std::string text = alsText(einstellungssatzBilden(9, t));
    text[2] = '\x1E';            // start group 30
    text.replace(3, 3, "999");   // group duration 999
    text.replace(15, 3, "7x1");  // leading number 7
    Fenstertabellen ziel;
    EXPECT_EQ(einstellungssatzWiederherstellen(ausText(text), ziel), std::optional<Integer>(15));
    EXPECT_EQ(ziel.grdauerN(1), 600);
    EXPECT_EQ(ziel.grdauerI(1), 7);
    text[2] = '\0';
    EXPECT_EQ(einstellungssatzWiederherstellen(ausText(text), ziel), std::optional<Integer>(1));
}

TEST(Einstellungssatz, StartgruppeWirdBeimBildenBegrenzt) {
    Fenstertabellen t;
    standardfallSetzen(t);
    EXPECT_EQ(einstellungssatzBilden(0, t)[2], 1);    // an empty start-group text
    EXPECT_EQ(einstellungssatzBilden(20, t)[2], 15);  // unconfirmed digits
    EXPECT_EQ(einstellungssatzBilden(70000, t)[2], 15);
    EXPECT_EQ(einstellungssatzBilden(11.5, t)[2], 12);
}

TEST(Einstellungsdatei, SchreibtGanzOderGarNicht) {
    test::TemporaeresVerzeichnis verzeichnis;
    const auto datei = verzeichnis.pfad() / einstellungsdateiName;
    Fenstertabellen t;
    standardfallSetzen(t);
    const Einstellungssatz satz = einstellungssatzBilden(9, t);
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

// Only whole records of the program's own layout make a usable file: a first record "st", further
// ones "st" or "tb" (a table record).
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
        {"fremder Satz dahinter", st + std::string(75, 'x'), Ergebnis::unbrauchbar,
         "der 2. Satz beginnt weder"},
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
