// The block every printout carries, for cases with and without a person and calendar settings; and
// the print date.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "druckblock.h"
#include "meldungsprotokoll.h"
#include "speicherfall.h"

using namespace korvalt;

namespace {

using Zeilen = std::vector<std::string>;

Kalendervorgaben kalender(KalenderMonat beginn, bool alles) {
    Kalendervorgaben k;
    k.beginn = beginn;
    if (!alles) return k;
    k.aktuelleStufe = AktuelleStufe{3, {2023, 4}};
    k.anteile = {10000, 7500};
    k.erhoehung = AngenommeneErhoehung{25, {2027, 4}};
    return k;
}

const std::string vollzeit =
    "Arbeitszeit: Normalfall 100 % (39 Std./Woche), Beispielfall 100 % (39 Std./Woche)";

}  // namespace

TEST(Druckblock, ZeilenJeFall) {
    const struct {
        const char* tabelle;
        Kalendervorgaben kalender;
        Personenangaben person;
        const char* titel;
        Zeilen personZeilen, tabellenZeilen, kalenderZeilen;
    } faelle[] = {
        {"2006",
         {},
         {},
         "Beispielfall",
         {ohnePersonText},
         {"Tabelle: Tariftabellen Stand JANUAR 2006 WEST"},
         {"Beginn: ohne Datum (480 Monate)", vollzeit}},
        // Without a name or number the heading names the case file; an empty field has no line.
        {"2006",
         {},
         {"", "", "Stadt Musterstadt", "B. Schäfer"},
         "Müller 2026",
         {"Dienststelle: Stadt Musterstadt", "Bearbeiter(in): B. Schäfer"},
         {"Tabelle: Tariftabellen Stand JANUAR 2006 WEST"},
         {"Beginn: ohne Datum (480 Monate)", vollzeit}},
        {"2026-05",
         kalender({2026, 7}, false),
         {"Anna Müller", "4711", "", ""},
         "Anna Müller (Personalnummer 4711)",
         {"Name: Anna Müller", "Personalnummer: 4711"},
         {"Tabelle: Tariftabellen Stand MAI 2026"},
         {"Beginn: 07/2026, Ende: 06/2066 (480 Monate)", vollzeit}},
        // By date: each table with its months; the current step, the shares and the raise.
        {"vka",
         kalender({2024, 7}, true),
         {},
         "Beispielfall",
         {ohnePersonText},
         {"Tabelle: Tariftabellen VKA nach Datum",
          "  07/2024 bis 03/2025: Tariftabellen Stand MÄRZ 2024",
          "  04/2025 bis 04/2026: Tariftabellen Stand APRIL 2025",
          "  05/2026 bis 06/2064: Tariftabellen Stand MAI 2026"},
         {"Beginn: 07/2024, Ende: 06/2064 (480 Monate)", "Aktuelle Stufe: Stufe 3 seit 04/2023",
          "Arbeitszeit: Normalfall 100 % (39 Std./Woche), Beispielfall 75 % (29,25 Std./Woche)",
          "Angenommene Erhöhung 2,5 % jährlich ab 04/2027"}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.titel);
        auto fall = std::make_unique<Speicherfall>();
        test::Meldungsprotokoll meldungen;
        Startoptionen optionen{{"."}, {}, f.tabelle};
        optionen.ohneFenster = true;
        optionen.kalender = f.kalender;
        ASSERT_EQ(fall->anzeige.laden(optionen, meldungen), "");
        std::string fehler;
        ASSERT_TRUE(fall->sitzung.personSetzen(f.person, fehler)) << fehler;
        const Rechner& r = fall->sitzung.rechner();
        const Druckblock block = druckblockBilden(
            fall->sitzung.daten(), fall->sitzung.tabellen(), r.tabellenabschnitte(),
            r.erhoehungshinweis(), f.person.leer() ? "" : "Müller 2026", "13.03.2026");
        EXPECT_EQ(block.titel, f.titel);
        EXPECT_EQ(block.person, f.personZeilen);
        EXPECT_EQ(block.tabellen, f.tabellenZeilen);
        EXPECT_EQ(block.kalender, f.kalenderZeilen);
        EXPECT_EQ(block.hinweise,
                  (Zeilen{"Rechtsgrundlage: \u00A7\u00A7 15\u201317, 20 TVöD",
                          "Unverbindliche Modellrechnung; maßgeblich ist die Entgeltabrechnung"}));
        EXPECT_EQ(block.gedruckt, "Gedruckt am 13.03.2026");
        EXPECT_EQ(block.unterschrift, "Ort, Datum / Unterschrift");
    }
}

// SOURCE_DATE_EPOCH fixes the day, in UTC; a value that is not a number leaves today's date.
TEST(Druckblock, Druckdatum) {
    ::setenv("SOURCE_DATE_EPOCH", "1773446399", 1);  // 13.03.2026, 23:59:59 UTC
    EXPECT_EQ(druckdatumText(), "13.03.2026");
    ::setenv("SOURCE_DATE_EPOCH", "heute", 1);
    const std::string heute = druckdatumText();
    ::unsetenv("SOURCE_DATE_EPOCH");
    EXPECT_EQ(heute, druckdatumText());
}
