// Bearbeiten › Rückgängig and Wiederherstellen in the real window: every change of the case is a
// step; undone, the fields, the grid, the totals and a save are the case before it; the change
// mark follows the steps.
#include <QAbstractItemModel>
#include <QCheckBox>
#include <QMenu>
#include <QMenuBar>
#include <QTableView>
#include <QUndoStack>
#include <functional>
#include <memory>

#include "dateien.h"
#include "einstellungsdatei.h"
#include "hauptfensterpruefung.h"
#include "jahresansicht.h"
#include "menuebefehle.h"
#include "testdialoge.h"

using namespace korvalt;

namespace {

class RueckgaengigTest : public test::HauptfensterTest {
  protected:
    void starten() {
        dialoge = std::make_shared<test::Testdialoge>(verzeichnis.pfad());
        HauptfensterTest::starten({}, [this](Hauptfenster& f) { menueAnschliessen(f, dialoge); });
    }
    void waehlen(QAction* Menueaktionen::*punkt) { (fenster->aktionen().*punkt)->trigger(); }
    std::filesystem::path pfad(const std::string& name) const { return verzeichnis.pfad() / name; }

    // Everything the window shows of the case: every input field, the totals, the status line's
    // calendar settings, every cell of the grid.
    std::vector<QString> bild() const {
        std::vector<QString> texte;
        for (QLineEdit* feld : fenster->korvaltei().findChildren<QLineEdit*>())
            texte.push_back(feld->objectName() + feld->property("index").toString() + "=" +
                            feld->text());
        for (const char* summe : {"Ergebnis1", "Ergebnis2", "Differenz"})
            texte.push_back(QString::fromStdString(text(summe)));
        texte.push_back(fenster->findChild<QLabel*>("Kalenderangaben")->text());
        const QAbstractItemModel& gitter = *widget<QTableView>("Monatsgitter")->model();
        for (int zeile = 0; zeile < gitter.rowCount(); ++zeile)
            for (int spalte = 0; spalte < gitter.columnCount(); ++spalte)
                texte.push_back(gitter.data(gitter.index(zeile, spalte)).toString());
        return texte;
    }
    // What a save writes now.
    std::string gespeichert() const {
        const auto datei = pfad("Stand.korvalt");
        std::string fehler;
        EXPECT_TRUE(sitzung->speichern(text("Startgruppe"), datei, fehler)) << fehler;
        return test::dateiinhalt(datei);
    }
    bool markiert() const { return titel().ends_with('*'); }
    QString rueckgaengigText() const { return fenster->aktionen().rueckgaengig->text(); }

    std::shared_ptr<test::Testdialoge> dialoge;
};

// The user's way: a duration typed and confirmed with Enter, Ctrl+Z in the field, Ctrl+Shift+Z.
TEST_F(RueckgaengigTest, DauerMitStrgZZurueckUndWieder) {
    starten();
    EXPECT_FALSE(fenster->aktionen().rueckgaengig->isEnabled());
    const auto bildVorher = bild();
    const std::string dateiVorher = gespeichert();
    ersetzen("indi1", 3, "48");
    const auto bildNachher = bild();
    const std::string dateiNachher = gespeichert();
    ASSERT_NE(dateiNachher, dateiVorher);
    EXPECT_TRUE(markiert());
    EXPECT_EQ(rueckgaengigText(), "&Rückgängig: Dauer ändern");

    taste(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(bild(), bildVorher);
    EXPECT_EQ(gespeichert(), dateiVorher);
    EXPECT_FALSE(markiert()) << titel();
    EXPECT_EQ(fenster->aktionen().wiederherstellen->text(), "&Wiederherstellen: Dauer ändern");

    taste(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(bild(), bildNachher);
    EXPECT_EQ(gespeichert(), dateiNachher);
    EXPECT_TRUE(markiert());
}

// A number typed and not confirmed counts first, as for every menu item: Ctrl+Z takes it back and
// Ctrl+Shift+Z brings it, in the field and in the case alike.
TEST_F(RueckgaengigTest, UnbestaetigteEingabeZaehltZuerst) {
    starten();
    auto* feld = widget<QLineEdit>("indi1", 3);
    QTest::mouseClick(feld, Qt::LeftButton);
    QTest::keyClicks(feld, "48");
    taste(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(feld->text(), "36");
    EXPECT_EQ(sitzung->tabellen().stufendauer(2, 1, 3), 36);
    taste(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(feld->text(), "48");
    EXPECT_EQ(sitzung->tabellen().stufendauer(2, 1, 3), 48);
}

// A start group typed and not confirmed is no part of a step: taken back with Escape, the person's
// step done again leaves the start group the case was calculated with.
TEST_F(RueckgaengigTest, UnbestaetigteStartgruppeGehoertZuKeinemSchritt) {
    starten();
    auto* feld = widget<QLineEdit>("Startgruppe");
    QTest::mouseClick(feld, Qt::LeftButton);
    QTest::keyClicks(feld, "12");
    dialoge->person = Personenangaben{"Anna Müller", "", "", ""};
    waehlen(&Menueaktionen::person);
    taste(Qt::Key_Escape);
    waehlen(&Menueaktionen::rueckgaengig);
    waehlen(&Menueaktionen::wiederherstellen);
    EXPECT_EQ(sitzung->tabellen().person.name, "Anna Müller");
    EXPECT_EQ(sitzung->tabellen().gruppe(1), 9);
    EXPECT_EQ(text("Startgruppe"), "9");
}

// Teilzeit und Unterbrechungen sets the periods and recalculates in one named step, which undo
// takes back whole; Abbrechen is no step. In the table of 2006 the dialog says why it has none.
TEST_F(RueckgaengigTest, ZeitraeumeSindEinSchritt) {
    starten();
    waehlen(&Menueaktionen::zeitraeume);
    EXPECT_EQ(dialoge->zeitraeumeOhne.rfind("Die Tariftabelle 2006 rechnet ohne Kalender", 0), 0u)
        << dialoge->zeitraeumeOhne;
    // VKA nach Datum from 07/2026, the start month asked for.
    meldungen.antwort = 1;
    Kalenderangaben kalender;
    kalender.beginn = KalenderMonat(2026, 7);
    dialoge->kalender = kalender;
    QMenu* tabellen = fenster->menuBar()->findChild<QMenu*>("Tabellenmenue");
    emit tabellen->aboutToShow();
    for (QAction* a : tabellen->actions())
        if (QString(a->text()).remove('&') == "VKA nach Datum") a->trigger();
    ASSERT_EQ(sitzung->fall().tabelle, "vka");
    const int schritte = fenster->aenderungen().count();
    const auto bildVorher = bild();
    waehlen(&Menueaktionen::zeitraeume);
    EXPECT_EQ(fenster->aenderungen().count(), schritte);

    const Zeitraeume neu{{Zeitraumart::elternzeit,
                          {2028, 10},
                          KalenderMonat(2029, 9),
                          10000,
                          KalenderMonat(2028, 8),
                          Zeitraumfall::beide},
                         {Zeitraumart::teilzeit,
                          {2029, 10},
                          std::nullopt,
                          10000,
                          std::nullopt,
                          Zeitraumfall::beide}};
    dialoge->zeitraeume = neu;
    waehlen(&Menueaktionen::zeitraeume);
    EXPECT_EQ(dialoge->zeitraeumeGrund, "");
    EXPECT_EQ(sitzung->fall().zeitraeume, neu);
    EXPECT_NE(bild(), bildVorher);
    EXPECT_EQ(fenster->aenderungen().count(), schritte + 1);
    EXPECT_EQ(rueckgaengigText(), "&Rückgängig: Teilzeit und Unterbrechungen ändern");

    waehlen(&Menueaktionen::rueckgaengig);
    EXPECT_TRUE(sitzung->fall().zeitraeume.empty());
    EXPECT_EQ(bild(), bildVorher);
}

// Each kind of change is one step with its name, undone and done again as the records, the
// window and a save show it: the table, the calendar dialog, the tax settings, the year view's
// switch, the person,
// the start group, an arrow button, the promotion check and its names.
TEST_F(RueckgaengigTest, JedeAenderungIstEinSchritt) {
    starten();
    QMenu* tabellen = fenster->menuBar()->findChild<QMenu*>("Tabellenmenue");
    Kalenderangaben kalender;
    kalender.beginn = KalenderMonat(2026, 7);
    kalender.anteilI = 7500;
    const struct {
        const char* name;
        std::function<void()> aendern;
    } schritte[] = {
        {"Tabelle wählen",
         [&] {
             emit tabellen->aboutToShow();
             for (QAction* a : tabellen->actions())
                 if (QString(a->text()).remove('&') == "VKA nach Datum") return a->trigger();
         }},
        {"Beginn, Stufe und Teilzeit ändern",
         [&] {
             kalender.beginn = KalenderMonat(2027, 1);
             dialoge->kalender = kalender;
             waehlen(&Menueaktionen::kalender);
         }},
        {"Steuer und Sozialversicherung ändern",
         [&] {
             Steuerangaben steuer;
             steuer.steuerklasse = 3;
             dialoge->steuer = steuer;
             waehlen(&Menueaktionen::steuer);
         }},
        {"ohne Jahressonderzahlung",
         [&] {
             waehlen(&Menueaktionen::jahresuebersicht);
             QTest::mouseClick(fenster->findChild<Jahresansicht*>()->findChild<QCheckBox*>(),
                               Qt::LeftButton);
         }},
        {"Angaben zur Person ändern",
         [&] {
             dialoge->person = Personenangaben{"Anna [*] Müller", "", "", ""};
             waehlen(&Menueaktionen::person);
         }},
        {"Startgruppe ändern", [&] { ersetzen("Startgruppe", 0, "12"); }},
        {"Dauer ändern",
         [&] {
             QTest::mouseClick(widget<QLineEdit>("indi1", 3), Qt::LeftButton);
             QTest::mouseClick(widget<QWidget>("nachoben"), Qt::LeftButton);
         }},
        {"Höhergruppierung prüfen",
         [&] {
             Hoehergruppierung h;
             h.gruppe = "9a";
             h.stufe = AktuelleStufe{3, {2024, 4}};
             h.zielgruppe = "9b";
             h.zum = KalenderMonat(2026, 7);
             dialoge->hoehergruppierung = h;
             waehlen(&Menueaktionen::hoehergruppierung);
         }},
        // It takes the promotion check's names; undone, they come back.
        {"Dauer ändern", [&] { ersetzen("indi1", 3, "24"); }},
    };
    // The first table by date asks for a start month.
    meldungen.antwort = 1;
    dialoge->kalender = kalender;
    for (const auto& s : schritte) {
        const auto bildVorher = bild();
        const std::string dateiVorher = gespeichert();
        s.aendern();
        const auto bildNachher = bild();
        const std::string dateiNachher = gespeichert();
        ASSERT_NE(dateiNachher, dateiVorher) << s.name;
        EXPECT_EQ(rueckgaengigText(), QStringLiteral("&Rückgängig: ") + s.name);

        waehlen(&Menueaktionen::rueckgaengig);
        EXPECT_EQ(bild(), bildVorher) << s.name;
        EXPECT_EQ(gespeichert(), dateiVorher) << s.name;
        waehlen(&Menueaktionen::wiederherstellen);
        EXPECT_EQ(bild(), bildNachher) << s.name;
        EXPECT_EQ(gespeichert(), dateiNachher) << s.name;
    }
    // The person's "[*]" is text, not the change mark.
    EXPECT_EQ(titel().rfind("Anna [*] Müller \u2013 ", 0), 0u) << titel();
    EXPECT_TRUE(meldungen.warnungen.empty());
    // All steps back is the case of the start.
    for (std::size_t i = 0; i < std::size(schritte); ++i) waehlen(&Menueaktionen::rueckgaengig);
    EXPECT_FALSE(fenster->aktionen().rueckgaengig->isEnabled());
    EXPECT_FALSE(markiert());
}

// Saving makes the case clean where it is: undone past the save it is changed again, still in its
// case file, done again it is the saved case.
TEST_F(RueckgaengigTest, SpeichernSetztDenSauberenStand) {
    starten();
    ersetzen("GrDauer", 2, "60");
    dialoge->datei = "Fall.korvalt";
    waehlen(&Menueaktionen::fallSpeichernUnter);
    EXPECT_FALSE(markiert());
    waehlen(&Menueaktionen::rueckgaengig);
    EXPECT_TRUE(markiert());
    // A step goes back without the file: the case file stays.
    EXPECT_EQ(fenster->falldatei(), pfad("Fall.korvalt"));
    waehlen(&Menueaktionen::wiederherstellen);
    EXPECT_FALSE(markiert());
    EXPECT_EQ(test::dateiinhalt(pfad("Fall.korvalt")), gespeichert());
}

// Neu and Fall öffnen replace the case: nothing of the one before can be undone into them.
TEST_F(RueckgaengigTest, NeuUndFallOeffnenBeginnenOhneSchritte) {
    starten();
    dialoge->datei = "Fall.korvalt";
    waehlen(&Menueaktionen::fallSpeichernUnter);
    ersetzen("GrDauer", 2, "60");
    waehlen(&Menueaktionen::neu);
    EXPECT_FALSE(fenster->aktionen().rueckgaengig->isEnabled());
    EXPECT_FALSE(markiert());
    ersetzen("GrDauer", 2, "72");
    waehlen(&Menueaktionen::fallOeffnen);
    EXPECT_FALSE(fenster->aktionen().rueckgaengig->isEnabled());
    EXPECT_FALSE(fenster->aktionen().wiederherstellen->isEnabled());
    EXPECT_FALSE(markiert());
    EXPECT_EQ(text("GrDauer", 2), "120");
}

}  // namespace
