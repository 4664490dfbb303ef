// The Rechner in calendar time: tables by date, part-time and the current step, on the tariff file
// built beside the tests.
#include <gtest/gtest.h>

#include <fstream>

#include "einstellungsdatei.h"
#include "einstellungssatz.h"
#include "jahresdaten.h"
#include "kalendersatz.h"
#include "meldungsprotokoll.h"
#include "sitzung.h"
#include "tariftabelle.h"

using namespace korvalt;

namespace {

constexpr Integer egr9b = 10;

class KalenderRechnerTest : public ::testing::Test {
  protected:
    // A case in `tabelle`, start group 9b, default durations, the given calendar settings.
    void rechnen(const char* tabelle, const Kalenderangaben& kalender) {
        sitzung.oeffnen({{"."}, {}, tabelle}, meldungen);
        ASSERT_TRUE(meldungen.warnungen.empty());
        std::string fehler;
        ASSERT_TRUE(sitzung.kalenderSetzen(kalender, fehler)) << fehler;
        sitzung.starten(egr9b);
    }
    // New calendar settings for the case, calculated from `gruppe`.
    void neuRechnen(const Kalenderangaben& kalender, Integer gruppe = egr9b) {
        std::string fehler;
        ASSERT_TRUE(sitzung.kalenderSetzen(kalender, fehler)) << fehler;
        sitzung.starten(gruppe);
    }
    const Falltabellen& t() { return sitzung.tabellen(); }

    Sitzung sitzung;
    test::Meldungsprotokoll meldungen;
};

Kalenderangaben ab(KalenderMonat beginn) {
    Kalenderangaben k;
    k.beginn = beginn;
    return k;
}

// From `beginn`, in step 3 since 04/2024.
Kalenderangaben stufe3Ab(KalenderMonat beginn) {
    Kalenderangaben k = ab(beginn);
    k.aktuelleStufe = AktuelleStufe{3, {2024, 4}};
    return k;
}

}  // namespace

// VKA by date from 01/2025 in 9b: step 1 for 12 months, then step 2. 01-03/2025 step 1 of 2024-03
// (3.566,89), 04-12/2025 step 1 of 2025-04 (3.676,89), 01-04/2026 step 2 of 2025-04 (3.929,00),
// from 05/2026 step 2 of 2026-05 (4.039,01).
TEST_F(KalenderRechnerTest, VkaNachDatumZahltDieTabelleDesMonats) {
    rechnen("vka", ab({2025, 1}));
    const struct {
        int monat;
        Long cent;
    } erwartet[] = {{1, 356689},  {3, 356689},  {4, 367689},  {12, 367689},
                    {13, 392900}, {16, 392900}, {17, 403901}, {36, 403901}};
    for (const auto& e : erwartet) EXPECT_EQ(t().monatscentN(e.monat), e.cent) << e.monat;
    EXPECT_EQ(t().kalender.kalendermonat(17), KalenderMonat(2026, 5));
    EXPECT_EQ(sitzung.rechner().erhoehungshinweis(), "");
}

// The same at 75 % in the individual case, each month rounded a half up: 3.566,89 x 0,75 =
// 2.675,1675 -> 2.675,17 (difference -891,72); 3.676,89 -> 2.757,6675 -> 2.757,67 (-919,22);
// 3.929,00 -> 2.946,75 (-982,25); 4.039,01 -> 3.029,2575 -> 3.029,26 (-1.009,75).
TEST_F(KalenderRechnerTest, TeilzeitJeFallAufDenCent) {
    Kalenderangaben k = ab({2025, 1});
    k.anteilI = 7500;
    rechnen("vka", k);
    const struct {
        int monat;
        Long differenz;
    } erwartet[] = {{1, -89172}, {4, -91922}, {13, -98225}, {17, -100975}};
    for (const auto& e : erwartet)
        EXPECT_EQ(t().monatscentI(e.monat) - t().monatscentN(e.monat), e.differenz) << e.monat;
    EXPECT_EQ(
        t().gesamtcent(2) - t().gesamtcent(1), -[&] {
            std::int64_t viertel = 0;
            for (int m = 1; m <= sitzung.daten().monatsanzahl; ++m)
                viertel += t().monatscentN(m) - t().monatscentI(m);
            return viertel;
        }());
}

// The table of 2006 has no calendar: a start month and a working-time share are refused with the
// reason, and it pays whole euros as it always did.
TEST_F(KalenderRechnerTest, TeilzeitNieIn2006) {
    rechnen("2006", {});
    Kalenderangaben k = ab({2025, 1});
    k.anteilI = 5000;
    std::string fehler;
    EXPECT_FALSE(sitzung.kalenderSetzen(k, fehler));
    EXPECT_EQ(fehler,
              "Die Tariftabelle 2006 rechnet ohne Kalender; Beginn, Ende, Teilzeit, aktuelle Stufe "
              "und angenommene Erhöhung gibt es nur in den Tabellen ab 2024.");
    EXPECT_TRUE(t().kalender.leer());
    EXPECT_EQ(t().gesamtbetrag(2), t().gesamtbetrag(1));
}

// The current step is a setting of the case: the typed durations stay, a saved case opens with
// it, and giving the same step again on the command line changes nothing.
TEST_F(KalenderRechnerTest, AktuelleStufeBleibtEineAngabe) {
    rechnen("2026-05", stufe3Ab({2026, 7}));
    // 27 of the 36 months of step 3 are served by 07/2026: step 3 for 9 months, then step 4.
    EXPECT_EQ(t().stufendauer(1, 1, 3), 36);
    EXPECT_EQ(t().stufendauer(2, 1, 1), 12);
    EXPECT_EQ(t().monatsstufeN(9), 3);
    EXPECT_EQ(t().monatsstufeI(10), 4);
    std::string fehler;
    test::TemporaeresVerzeichnis verzeichnis;
    const auto datei = verzeichnis.pfad() / "fall.korvalt";
    ASSERT_TRUE(sitzung.speichern("9b", datei, fehler)) << fehler;

    Startoptionen optionen({"."}, datei);
    optionen.ohneFenster = true;
    optionen.kalender.beginn = KalenderMonat{2026, 7};
    optionen.kalender.aktuelleStufe = AktuelleStufe{3, {2024, 4}};
    Sitzung wieder;
    ASSERT_EQ(wieder.oeffnen(optionen, meldungen).fehler, "");
    wieder.starten(egr9b);
    EXPECT_EQ(wieder.tabellen().stufendauer(1, 1, 3), 36);
    EXPECT_EQ(wieder.tabellen().monatsstufeN(10), 4);

    // The same step from another start month counts anew: step 4 still comes in 04/2027, the
    // 7th month from 10/2026, not 9 months after it.
    optionen.kalender.beginn = KalenderMonat{2026, 10};
    Sitzung verschoben;
    ASSERT_EQ(verschoben.oeffnen(optionen, meldungen).fehler, "");
    verschoben.starten(egr9b);
    EXPECT_EQ(verschoben.tabellen().monatsstufeN(6), 3);
    EXPECT_EQ(verschoben.tabellen().monatsstufeN(7), 4);
}

// The check of the current step counts its months to the start month: moving only Beginn so far
// that more months are served than step 3 lasts (45 of 36 by 01/2028) is refused, as setting the
// step with that Beginn would be; up to 04/2027 (36 months) it is accepted.
TEST_F(KalenderRechnerTest, SpaetererBeginnPrueftDieAktuelleStufe) {
    Kalenderangaben k = stufe3Ab({2026, 1});
    rechnen("vka", k);
    std::string fehler;
    k.beginn = KalenderMonat(2028, 1);
    EXPECT_FALSE(sitzung.kalenderSetzen(k, fehler));
    EXPECT_EQ(fehler,
              "Normalfall: 45 Monate in Stufe 3 seit 04/2024 überschreiten die Stufenlaufzeit von "
              "36 Monaten.");
    EXPECT_EQ(t().kalender.beginn, KalenderMonat(2026, 1));
    k.beginn = KalenderMonat(2027, 4);
    EXPECT_TRUE(sitzung.kalenderSetzen(k, fehler)) << fehler;
}

// Moving the start month counts the months served anew from the typed durations: twice moved and
// back, the case is what it was; moved to 10/2026, 30 of 36 months are served and step 4 follows
// after 6 months, as for a case set up with that start month at once.
TEST_F(KalenderRechnerTest, BeginnVerschobenUndZurueck) {
    Kalenderangaben k = stufe3Ab({2026, 7});
    rechnen("vka", k);
    const auto monatscent = [&] {
        std::vector<Long> cent;
        for (int m = 1; m <= sitzung.daten().monatsanzahl; ++m) cent.push_back(t().monatscentN(m));
        return cent;
    };
    const std::vector<Long> zuerst = monatscent();
    for (KalenderMonat verschoben : {KalenderMonat(2026, 1), KalenderMonat(2026, 10)}) {
        k.beginn = verschoben;
        neuRechnen(k);
    }
    EXPECT_EQ(t().monatsstufeN(6), 3);
    EXPECT_EQ(t().monatsstufeN(7), 4);
    k.beginn = KalenderMonat(2026, 7);
    neuRechnen(k);
    EXPECT_EQ(monatscent(), zuerst);
}

// A promotion in the start month: 9a with step 3 since 04/2024 and no months in column 1 enters 9b
// in step 3 (4.203,56), not in step 2.
TEST_F(KalenderRechnerTest, AktuelleStufeOhneMonateInSpalteEins) {
    rechnen("vka", stufe3Ab({2026, 7}));
    sitzung.dauerSetzen(Seite::individuell, 1, 0, 0);
    sitzung.starten(egr9b - 1);
    EXPECT_EQ(sitzung.tabelle().gruppentext(t().monatsgruppeI(1)), "9b");
    EXPECT_EQ(t().monatsstufeI(1), 3);
    EXPECT_EQ(t().monatscentI(1), 420356);
    // Its step time starts anew: 36 months in step 3.
    EXPECT_EQ(t().monatsstufeI(36), 3);
    EXPECT_EQ(t().monatsstufeI(37), 4);
}

// Both cases run from Beginn to the same end. The normal case has 12 months (9a step 1 in 2026);
// up to Ende 12/2027 it stays in 9a step 1, paid from the table in force with the assumed raise:
// 3.658,61 raised by 2,5 % from 04/2027 is 3.750,07525, 3.750,08. The individual case, 480 months
// long, ends at Ende; without Ende the normal case is held to the individual case's end.
TEST_F(KalenderRechnerTest, KuerzererFallBleibtBisZumEnde) {
    Kalenderangaben k = ab({2026, 1});
    k.ende = KalenderMonat(2027, 12);
    k.erhoehung = AngenommeneErhoehung{25, {2027, 4}};
    rechnen("vka", k);
    for (int spalte = 1; spalte <= 4; ++spalte)
        sitzung.dauerSetzen(Seite::normal, spalte, 0, spalte == 1 ? 12 : 0);
    sitzung.starten(egr9b - 1);
    EXPECT_EQ(sitzung.daten().monatsanzahl, 24);
    EXPECT_EQ(t().letztermonat(1), 24);
    EXPECT_EQ(t().monatscentN(13), 365861);
    EXPECT_EQ(t().monatscentN(16), 375008);
    EXPECT_EQ(sitzung.tabelle().gruppentext(t().monatsgruppeN(24)), "9a");
    EXPECT_EQ(t().monatsstufeN(24), 1);
    // 9a step 2 of 05/2026, 3.877,94, raised: 3.974,8885, 3.974,89.
    EXPECT_EQ(t().monatscentI(24), 397489);
    std::int64_t summe = 0;
    for (int m = 1; m <= 24; ++m) summe += t().monatscentI(m);
    EXPECT_EQ(t().gesamtcent(2), summe);

    k.ende.reset();
    neuRechnen(k, egr9b - 1);
    EXPECT_EQ(sitzung.daten().monatsanzahl, 480);
    EXPECT_EQ(t().letztermonat(1), 480);
    EXPECT_EQ(t().monatsstufeN(480), 1);
    EXPECT_GT(t().monatscentN(480), 365861);
}

// Ende lies from the start month to 599 months after it, and needs a start month.
TEST_F(KalenderRechnerTest, EndeInnerhalbVon600Monaten) {
    rechnen("vka", ab({2026, 1}));
    std::string fehler;
    Kalenderangaben k = ab({2026, 1});
    k.ende = KalenderMonat(2075, 12);
    EXPECT_TRUE(sitzung.kalenderSetzen(k, fehler)) << fehler;
    k.ende = KalenderMonat(2076, 1);
    EXPECT_FALSE(sitzung.kalenderSetzen(k, fehler));
    EXPECT_EQ(fehler,
              "Das Ende 01/2076 liegt mehr als 600 Monate nach dem Beginn 01/2026; spätestens geht "
              "es bis 12/2075.");
    k.ende = KalenderMonat(2025, 12);
    EXPECT_FALSE(sitzung.kalenderSetzen(k, fehler));
    EXPECT_EQ(fehler, "Das Ende 12/2025 liegt vor dem Beginn 01/2026.");
    EXPECT_EQ(t().kalender.ende, KalenderMonat(2075, 12));
}

// In the table of 2006 the calendar settings rest: a table with cents takes them up again, and back
// in 2006 they are written in the calendar record as they were.
TEST_F(KalenderRechnerTest, Tabelle2006LaesstDieKalenderangabenRuhen) {
    Kalenderangaben k = ab({2026, 7});
    k.anteilI = 5000;
    rechnen("vka", k);
    std::string fehler;
    ASSERT_TRUE(sitzung.tabelleWaehlen("2006", fehler)) << fehler;
    EXPECT_TRUE(t().kalender.leer());
    sitzung.starten(egr9b - 1);
    EXPECT_EQ(t().gesamtbetrag(2), t().gesamtbetrag(1));
    const auto saetze = sitzung.einstellungssaetze("9");
    ASSERT_EQ(saetze.size(), 2u);
    EXPECT_EQ(saetze[1], kalendersatzBilden(k));
    ASSERT_TRUE(sitzung.tabelleWaehlen("2026-05", fehler)) << fehler;
    EXPECT_EQ(t().kalender, k);
    EXPECT_EQ(sitzung.einstellungssaetze("9a").size(), 3u);
}

// A case with a current step was employed before its start month: its bonus for 2026 from 03/2026
// is the full 85 % of 3.779,84, 3.212,86, not the 10/12 of a new hire, 2.677,39.
TEST_F(KalenderRechnerTest, SonderzahlungImDienstVorDemBeginn) {
    Kalenderangaben k = ab({2026, 3});
    rechnen("vka", k);
    EXPECT_EQ(jahresdatenBilden(sitzung, true).uebersicht.jahre[0].sonderzahlungN, 267739);
    k.aktuelleStufe = AktuelleStufe{1, {2026, 3}};
    neuRechnen(k);
    EXPECT_EQ(jahresdatenBilden(sitzung, true).uebersicht.jahre[0].sonderzahlungN, 321286);
}

// After the last table the assumed raise applies from its month; the outputs name it once used.
TEST_F(KalenderRechnerTest, AngenommeneErhoehungNurGenanntWennGenutzt) {
    Kalenderangaben k = ab({2027, 1});
    k.erhoehung = AngenommeneErhoehung{25, {2027, 4}};
    rechnen("vka", k);
    // 9b step 1 of 2026-05, 3.779,84, raised by 2,5 % from 04/2027: 3.874,336 -> 3.874,34.
    EXPECT_EQ(t().monatscentN(3), 377984);
    EXPECT_EQ(t().monatscentN(4), 387434);
    EXPECT_EQ(sitzung.rechner().erhoehungshinweis(),
              "angenommene Erhöhung 2,5 % jährlich ab 04/2027");

    // A case that ends before 04/2027 never used it.
    for (int c = 1; c <= 4; ++c)
        for (Seite seite : {Seite::normal, Seite::individuell})
            sitzung.dauerSetzen(seite, c, 0, c == 1 ? 3 : 0);
    sitzung.starten(egr9b);
    EXPECT_EQ(sitzung.rechner().erhoehungshinweis(), "");
}

// A table by date cannot be chosen, nor its start month taken away, without a start month.
TEST_F(KalenderRechnerTest, NachDatumBrauchtEinenBeginn) {
    rechnen("2026-05", {});
    std::string fehler;
    EXPECT_FALSE(sitzung.tabelleWaehlen("vka", fehler));
    EXPECT_EQ(fehler, "\u201EVKA nach Datum\u201C braucht einen Beginn.");
    EXPECT_EQ(sitzung.fall().tabelle, "2026-05");
    ASSERT_TRUE(sitzung.kalenderSetzen(ab({2025, 1}), fehler));
    ASSERT_TRUE(sitzung.tabelleWaehlen("bund", fehler)) << fehler;
    EXPECT_EQ(sitzung.titel(), "Korvalt für TVöD-Bund, Tariftabellen Bund nach Datum");
    EXPECT_FALSE(sitzung.kalenderSetzen({}, fehler));
    EXPECT_EQ(fehler, "\u201EBund nach Datum\u201C braucht einen Beginn.");
    EXPECT_TRUE(t().kalender.beginn);
}

// The tables a case by date was paid from, each with its months; a raised table counts as the one
// it was raised from. Switched to a table of its own, the case has none of them and no raise.
TEST_F(KalenderRechnerTest, TabellenabschnitteMitIhrenMonaten) {
    Kalenderangaben k = ab({2024, 7});
    k.erhoehung = AngenommeneErhoehung{25, {2027, 4}};
    rechnen("vka", k);
    ASSERT_EQ(sitzung.daten().monatsanzahl, 480);
    const std::vector<Tabellenabschnitt> erwartet = {
        {"2024-03", {2024, 7}, {2025, 3}},
        {"2025-04", {2025, 4}, {2026, 4}},
        {"2026-05", {2026, 5}, {2064, 6}},
    };
    EXPECT_EQ(sitzung.rechner().tabellenabschnitte(), erwartet);
    ASSERT_NE(sitzung.rechner().erhoehungshinweis(), "");

    // A table of one date takes no raise: the switch is refused and the case keeps its note.
    std::string fehler;
    EXPECT_FALSE(sitzung.tabelleWaehlen("2026-05", fehler));
    EXPECT_NE(sitzung.rechner().erhoehungshinweis(), "");
}

// A case by date whose calendar record is damaged is never calculated by date without a start
// month: the window's start-up says why and calculates it in the side's latest table, saves it with
// its table and its record as they were, and a Beginn brings it back to its table by date. Without
// a window it is refused.
TEST(KalenderRechnerDatei, NachDatumMitBeschaedigtemKalendersatz) {
    test::TemporaeresVerzeichnis verzeichnis;
    const auto datei = verzeichnis.pfad() / einstellungsdateiName;
    Falltabellen standard;
    standardfallSetzen(standard);
    const Einstellungssatz fall = einstellungssatzBilden(10, standard, 17);
    const Einstellungssatz tabelle = tabellensatzBilden("vka");
    std::string beschaedigt = "kz202513       1000010000";
    beschaedigt.resize(einstellungssatzLaenge, ' ');
    const std::string inhalt = std::string(fall.begin(), fall.end()) +
                               std::string(tabelle.begin(), tabelle.end()) + beschaedigt;
    std::ofstream(datei, std::ios::binary) << inhalt;

    Sitzung sitzung;
    test::Meldungsprotokoll meldungen;
    ASSERT_EQ(sitzung.oeffnen({{"."}, datei}, meldungen).fehler, "");
    const Tariftabelle& letzte =
        *sitzung.daten().tabellenkatalog.datierteTabellen(Arbeitgeberseite::vka).back();
    EXPECT_EQ(sitzung.fall().tabelle, letzte.schluessel);
    ASSERT_EQ(meldungen.warnungen.size(), 1u);
    EXPECT_NE(meldungen.warnungen[0].find("Stand " + letzte.menuetitel()), std::string::npos)
        << meldungen.warnungen[0];
    std::string gespeichert;
    for (const auto& satz : sitzung.einstellungssaetze("9b"))
        gespeichert.append(satz.begin(), satz.end());
    EXPECT_EQ(gespeichert, inhalt);

    Kalenderangaben beginn;
    beginn.beginn = KalenderMonat(2025, 1);
    std::string fehler;
    ASSERT_TRUE(sitzung.kalenderSetzen(beginn, fehler)) << fehler;
    EXPECT_EQ(sitzung.fall().tabelle, "vka");
    EXPECT_EQ(sitzung.vertretungsgrund(), "");
    const auto saetze = sitzung.einstellungssaetze("9b");
    ASSERT_EQ(saetze.size(), 3u);
    EXPECT_EQ(std::string(saetze[2].begin(), saetze[2].begin() + 8), "kz202501");

    Sitzung ohneFenster;
    Startoptionen optionen{{"."}, datei};
    optionen.ohneFenster = true;
    EXPECT_EQ(ohneFenster.oeffnen(optionen, meldungen).fehler,
              "\u201EVKA nach Datum\u201C braucht einen Beginn.");
}

// The window's first start opens today's case: the VKA's tables by date from this month, 9a. A
// saved case keeps its table, 2006 too, and the command line, which passes no month, keeps the
// example case of 2006 its callers rely on.
TEST(KalenderRechnerDatei, ErsterStartBeginntHeute) {
    test::TemporaeresVerzeichnis verzeichnis;
    const auto gespeichert = verzeichnis.pfad() / "2006.korvalt";
    {
        Sitzung s;
        test::Meldungsprotokoll meldungen;
        ASSERT_EQ(s.oeffnen({{"."}, {}}, meldungen).fehler, "");
        s.starten(10);
        std::string fehler;
        ASSERT_TRUE(s.speichern("10", gespeichert, fehler)) << fehler;
    }
    const KalenderMonat heute{2027, 2};
    const struct {
        const char* wie;
        std::filesystem::path datei;
        std::optional<KalenderMonat> heute;
        std::string tabelle;
        std::optional<KalenderMonat> beginn;
        std::string startgruppe;
    } faelle[] = {
        {"erster Start", verzeichnis.pfad() / "fehlt.dat", heute, "vka", heute, "9a"},
        {"gespeicherter Fall", gespeichert, heute, "2006", std::nullopt, "10"},
        {"Kommandozeile", verzeichnis.pfad() / "fehlt.dat", std::nullopt, "2006", std::nullopt, ""},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.wie);
        Startoptionen optionen({"."}, f.datei);
        optionen.heute = f.heute;
        Sitzung s;
        test::Meldungsprotokoll meldungen;
        const Eroeffnung e = s.oeffnen(optionen, meldungen);
        ASSERT_EQ(e.fehler, "");
        EXPECT_EQ(s.fall().tabelle, f.tabelle);
        EXPECT_EQ(s.fall().kalender.beginn, f.beginn);
        const Tariftabelle& t = s.daten().tabellenkatalog.tabelle(s.fall().tabelle);
        EXPECT_EQ(e.startgruppe ? t.gruppenbezeichnung(*e.startgruppe) : "", f.startgruppe);
    }
}
