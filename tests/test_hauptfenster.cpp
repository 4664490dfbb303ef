// The main window around the client area: its menus and keys, the title with the open case file,
// the start size, and that every way of closing it ends the program.
#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QStatusBar>
#include <QTableView>
#include <QTableWidget>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>
#include <cmath>
#include <fstream>
#include <functional>
#include <utility>
#include <vector>

#include "aufschluesselungsansicht.h"
#include "einstellungsdatei.h"
#include "hauptfensterpruefung.h"
#include "hilfeabschnitte.h"
#include "jahresansicht.h"
#include "kalendersatz.h"

using namespace korvalt;

namespace {

const QString caption =
    QStringLiteral("Korvalt für TVöD-Gemeinden (VKA), Tariftabellen Stand JANUAR 2006 WEST");

using Punkte = std::vector<std::pair<QString, QString>>;  // caption, shortcut

// The items of a menu without its separators.
Punkte punkte(const QMenu& menue) {
    Punkte p;
    for (const QAction* a : menue.actions())
        if (!a->isSeparator())
            p.emplace_back(a->text(), a->shortcut().toString(QKeySequence::PortableText));
    return p;
}

class HauptfensterMenueTest : public test::HauptfensterTest {};

QWidget* hilfefenster() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "Hilfefenster") return w;
    return nullptr;
}

TEST_F(HauptfensterMenueTest, MenuesUndPunkteMitIhrenTasten) {
    starten();
    const std::vector<std::pair<QString, Punkte>> erwartet = {
        {"&Datei",
         {{"&Neu", "Ctrl+N"},
          {"Fall ö&ffnen…", "Ctrl+O"},
          {"&Zuletzt geöffnet", ""},
          {"Fall &speichern", "Ctrl+S"},
          {"Fall speichern &unter…", "Ctrl+Shift+S"},
          {"&Ergebnis als PDF…", ""},
          {"&Monatsliste als PDF…", ""},
          {"Monatsliste als &CSV…", ""},
          {"Monatsliste als E&xcel-Tabelle…", ""},
          {"&Vermerk drucken…", ""},
          {"&Drucken…", "Ctrl+P"},
          {"Seiten&ansicht…", ""},
          {"&Beenden", "Ctrl+Q"}}},
        {"&Bearbeiten",
         {{"&Rückgängig", "Ctrl+Z"},
          {"&Wiederherstellen", "Ctrl+Shift+Z"},
          {"Monatstabelle &kopieren", "Ctrl+C"}}},
        {"&Ansicht", {{"&Jahresübersicht…", "Ctrl+J"}, {"Monat auf&schlüsseln…", "Ctrl+D"}}},
        {"&Fall",
         {{"&Beginn, Stufe und Teilzeit…", ""},
          {"&Teilzeit und Unterbrechungen…", ""},
          {"&Angaben zur Person…", ""},
          {"&Steuer und Sozialversicherung…", ""},
          {"&Höhergruppierung prüfen…", "Ctrl+H"}}},
        {"&Tabelle",
         {{"&Januar 2006 West", ""},
          {"&März 2024", ""},
          {"&April 2025", ""},
          {"Ma&i 2026", ""},
          {"&VKA nach Datum", ""},
          {"M&ärz 2024", ""},
          {"A&pril 2025", ""},
          {"Mai 2026", ""},
          {"&Bund nach Datum", ""}}},
        {"&Hilfe", {{"&Hilfe", "F1"}, {"Über &Korvalt", ""}}},
    };
    const QList<QAction*> menues = fenster->menuBar()->actions();
    // The tables are listed as the menu opens.
    emit menues[4]->menu()->aboutToShow();
    ASSERT_EQ(menues.size(), qsizetype(erwartet.size()));
    for (std::size_t i = 0; i < erwartet.size(); ++i) {
        EXPECT_EQ(menues[i]->text(), erwartet[i].first);
        ASSERT_NE(menues[i]->menu(), nullptr);
        EXPECT_EQ(punkte(*menues[i]->menu()), erwartet[i].second)
            << erwartet[i].first.toStdString();
    }
    // Items whose work is not attached are greyed out; the window's own are not.
    EXPECT_FALSE(fenster->aktionen().fallOeffnen->isEnabled());
    EXPECT_TRUE(fenster->aktionen().beenden->isEnabled());
    EXPECT_TRUE(fenster->aktionen().hilfe->isEnabled());

    // A later menu goes before Hilfe, which stays last.
    fenster->menueEinfuegen("&Weiteres");
    const QList<QAction*> danach = fenster->menuBar()->actions();
    ASSERT_EQ(danach.size(), 7);
    EXPECT_EQ(danach[5]->text(), "&Weiteres");
    EXPECT_EQ(danach[6]->text(), "&Hilfe");
}

// Ctrl+J's item opens the year view once; it then follows each recalculation of the case.
TEST_F(HauptfensterMenueTest, JahresuebersichtFolgtDemFall) {
    starten();
    fenster->aktionen().jahresuebersicht->trigger();
    fenster->aktionen().jahresuebersicht->trigger();
    const auto ansichten = fenster->findChildren<Jahresansicht*>();
    ASSERT_EQ(ansichten.size(), 1);
    EXPECT_EQ(ansichten[0]->daten().uebersicht.gesamt.differenz, 0);
    ersetzen("GrDauer", 2, "60");
    EXPECT_EQ(ansichten[0]->daten().uebersicht.gesamt.differenz,
              fenster->korvaltei().sitzung().tabellen().gesamtcent(2) -
                  fenster->korvaltei().sitzung().tabellen().gesamtcent(1));
    EXPECT_NE(ansichten[0]->daten().uebersicht.gesamt.differenz, 0);
}

// With net pay the view has the net sentence, four more columns and the chart's switch; without it
// again, the view is as before.
TEST_F(HauptfensterMenueTest, JahresuebersichtMitNettolohn) {
    starten();
    mitNettolohn();
    fenster->aktionen().jahresuebersicht->trigger();
    auto* ansicht = fenster->findChild<Jahresansicht*>();
    auto* tabelle = ansicht->findChild<QTableWidget*>();
    auto* nettosatz = ansicht->findChild<QLabel*>("Nettosatz");
    auto* schalter = ansicht->findChild<QCheckBox*>("DiagrammNetto");
    ASSERT_TRUE(tabelle && nettosatz && schalter);
    EXPECT_EQ(tabelle->columnCount(), 12);
    EXPECT_EQ(tabelle->horizontalHeaderItem(11)->text(), "kumuliert\nnetto");
    EXPECT_EQ(tabelle->item(0, 8)->text().toStdString(),
              jahresbetragAnzeige(ansicht->daten(), ansicht->daten().netto->jahre[0].centN));
    EXPECT_TRUE(nettosatz->isVisible());
    EXPECT_EQ(nettosatz->text().toStdString(), nettoAusgleichSatz(ansicht->daten()));
    EXPECT_TRUE(schalter->isEnabled());
    QTest::mouseClick(schalter, Qt::LeftButton);
    EXPECT_TRUE(ansicht->diagrammNetto());

    std::string fehler;
    ASSERT_TRUE(sitzung->steuerSetzen(std::nullopt, fehler));
    fenster->korvaltei().anzeige().starten();
    // The open view follows once the event loop comes round.
    QCoreApplication::processEvents();
    EXPECT_EQ(tabelle->columnCount(), 8);
    EXPECT_FALSE(nettosatz->isVisible());
    EXPECT_FALSE(schalter->isEnabled());
    EXPECT_FALSE(ansicht->diagrammNetto());
}

// A click on a month of the grid shows its breakdown while the case has net pay, and only then;
// Ctrl+D shows the month of the grid's current row; the breakdown follows the case.
TEST_F(HauptfensterMenueTest, MonatAufschluesseln) {
    starten();
    auto* gitter =
        static_cast<QTableView*>(fenster->korvaltei().feldwidget({Feldname::Monatsgitter}));
    const auto klicken = [&](int monat) {
        const QModelIndex zelle = gitter->model()->index(monat + 2, 1);
        gitter->scrollTo(zelle);
        QTest::mouseClick(gitter->viewport(), Qt::LeftButton, {},
                          gitter->visualRect(zelle).center());
    };
    klicken(5);
    EXPECT_EQ(fenster->findChild<Aufschluesselungsansicht*>(), nullptr);

    mitNettolohn();
    klicken(5);
    auto* ansicht = fenster->findChild<Aufschluesselungsansicht*>();
    ASSERT_NE(ansicht, nullptr);
    EXPECT_TRUE(ansicht->isVisible());
    ASSERT_TRUE(ansicht->aufschluesselung());
    EXPECT_EQ(ansicht->aufschluesselung()->datum, KalenderMonat(2026, 11));

    gitter->setCurrentIndex(gitter->model()->index(12 + 2, 0));
    fenster->activateWindow();
    gitter->setFocus();
    QTest::keyClick(gitter, Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(ansicht->monat(), 12);
    const std::int64_t klasse1 = ansicht->aufschluesselung()->zeilen[1].cent[0];
    std::string fehler;
    Steuerangaben klasse3;
    klasse3.steuerklasse = 3;
    ASSERT_TRUE(sitzung->steuerSetzen(klasse3, fehler)) << fehler;
    fenster->korvaltei().anzeige().starten();
    EXPECT_EQ(ansicht->aufschluesselung()->zeilen[1].bezeichnung, "Lohnsteuer");
    EXPECT_LT(ansicht->aufschluesselung()->zeilen[1].cent[0], klasse1);

    // The cases by their names, as the year view gives them.
    auto* tabelle = ansicht->findChild<QTableWidget*>();
    auto* namen = ansicht->findChild<QLabel*>("Fallnamen");
    ASSERT_TRUE(tabelle && namen);
    EXPECT_EQ(tabelle->horizontalHeaderItem(1)->text().toStdString(), "Normalfall");
    EXPECT_TRUE(namen->isHidden());
    Hoehergruppierung h;
    h.gruppe = "9a";
    h.stufe = AktuelleStufe{3, {2024, 4}};
    h.zielgruppe = "9b";
    h.zum = KalenderMonat(2026, 7);
    ASSERT_TRUE(sitzung->hoehergruppierungEinrichten(h, fehler)) << fehler;
    fenster->korvaltei().anzeige().starten();
    const std::string mit = "mit Höhergruppierung nach 9b zum 07/2026";
    EXPECT_EQ(tabelle->horizontalHeaderItem(2)->text().toStdString(), "(2)");
    EXPECT_EQ(tabelle->horizontalHeaderItem(2)->toolTip().toStdString(), mit);
    EXPECT_EQ(namen->text().toStdString(), "(1) ohne Höhergruppierung   (2) " + mit);
    EXPECT_FALSE(namen->isHidden());
}

// The view's box is the case's switch for the annual bonus: clicked, it changes the case, marks it
// changed and is saved in its "kz" record; a case saved without the bonus opens with the box clear.
TEST_F(HauptfensterMenueTest, SonderzahlungsschalterGehoertZumFall) {
    starten();
    Kalenderangaben angaben;
    angaben.beginn = KalenderMonat(2026, 7);
    std::string fehler;
    ASSERT_TRUE(sitzung->tabelleWaehlen("vka", fehler, angaben)) << fehler;
    fenster->korvaltei().anzeige().starten();
    fenster->alsGespeichertMerken();
    fenster->aktionen().jahresuebersicht->trigger();
    auto* ansicht = fenster->findChild<Jahresansicht*>();
    auto* schalter = ansicht->findChild<QCheckBox*>();
    ASSERT_TRUE(schalter->isEnabled());
    ASSERT_TRUE(schalter->isChecked());

    QTest::mouseClick(schalter, Qt::LeftButton);
    EXPECT_FALSE(sitzung->tabellen().kalender.mitSonderzahlung);
    EXPECT_FALSE(ansicht->daten().mitSonderzahlung);
    EXPECT_TRUE(titel().ends_with('*'));
    const auto datei = verzeichnis.pfad() / "ohne.korvalt";
    ASSERT_TRUE(sitzung->speichern(text("Startgruppe"), datei, fehler)) << fehler;
    const Einstellungslesung lesung = einstellungsdateiLesen(datei);
    ASSERT_TRUE(lesung.kalendersatz);
    EXPECT_FALSE(kalendersatzLesen(*lesung.kalendersatz, fehler)->mitSonderzahlung);

    QTest::mouseClick(schalter, Qt::LeftButton);
    ASSERT_TRUE(sitzung->tabellen().kalender.mitSonderzahlung);
    fenster->korvaltei().anzeige().fallLaden(lesung, meldungen);
    EXPECT_FALSE(schalter->isChecked());
    EXPECT_FALSE(ansicht->daten().mitSonderzahlung);
}

// Choosing a table keeps the start group by its label and every duration, recalculates and names
// the table in the caption; the menu checks the case's table.
TEST_F(HauptfensterMenueTest, TabelleWaehlen) {
    starten();
    ersetzen("GrDauer", 2, "60");
    QMenu* menue = fenster->menuBar()->findChild<QMenu*>("Tabellenmenue");
    ASSERT_NE(menue, nullptr);
    // The first item of that text: the VKA's tables come before the Federation's.
    auto waehlen = [&](const QString& text) {
        emit menue->aboutToShow();
        for (QAction* a : menue->actions())
            if (QString(a->text()).remove('&') == text) return a->trigger();
    };
    waehlen("Mai 2026");
    // Another table changes the case: the title carries the change mark.
    EXPECT_EQ(titel(), "Korvalt für TVöD-Gemeinden (VKA), Tariftabellen Stand MAI 2026*");
    EXPECT_EQ(text("Startgruppe"), "9a");
    EXPECT_EQ(text("Gruppetit", 2), "EGr. 9b");
    EXPECT_EQ(text("GrDauer", 2), "60");
    EXPECT_EQ(text("Betrag1", 4), "4.587");
    emit menue->aboutToShow();
    EXPECT_TRUE(menue->actions().at(4)->isChecked());

    ersetzen("Startgruppe", 0, "9c");
    waehlen("Januar 2006 West");
    EXPECT_EQ(titel(), caption.toStdString() + "*");
    EXPECT_EQ(text("Startgruppe"), "9");
    EXPECT_EQ(text("Gruppetit", 2), "EGr. 10");
    waehlen("April 2025");
    EXPECT_EQ(text("Startgruppe"), "9a");
    waehlen("Mai 2026");
    ersetzen("Startgruppe", 0, "10");
    waehlen("Januar 2006 West");
    EXPECT_EQ(text("Startgruppe"), "10");

    // The Federation's tables follow under their own heading.
    emit menue->aboutToShow();
    const QList<QAction*> punkte = menue->actions();
    ASSERT_EQ(punkte.size(), 11);
    EXPECT_EQ(punkte.at(0)->text(), "VKA");
    EXPECT_EQ(punkte.at(6)->text(), "Bund");
    punkte.at(9)->trigger();
    EXPECT_EQ(titel(), "Korvalt für TVöD-Bund, Tariftabellen Bund Stand MAI 2026*");
}

TEST_F(HauptfensterMenueTest, TastenRufenIhrePunkte) {
    starten();
    const Menueaktionen& a = fenster->aktionen();
    std::vector<QAction*> gerufen;
    for (QAction* p : {a.fallOeffnen, a.fallSpeichern, a.fallSpeichernUnter, a.drucken,
                       a.monatstabelleKopieren}) {
        QObject::connect(p, &QAction::triggered, [&gerufen, p] { gerufen.push_back(p); });
        p->setEnabled(true);
    }

    QTest::mouseClick(widget<QLineEdit>("normal2", 3), Qt::LeftButton);
    taste(Qt::Key_O, Qt::ControlModifier);
    taste(Qt::Key_S, Qt::ControlModifier);
    taste(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    taste(Qt::Key_P, Qt::ControlModifier);
    // Ctrl+C in an input field is the field's own copy, not the month table.
    taste(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(gerufen, (std::vector<QAction*>{a.fallOeffnen, a.fallSpeichern, a.fallSpeichernUnter,
                                              a.drucken}));
    EXPECT_EQ(text("normal2", 3), "36");
    // Nor anywhere else outside the grid.
    widget<QPushButton>("Liste")->setFocus();
    taste(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(gerufen.size(), 4u);

    auto* gitter = widget<QTableView>("Monatsgitter");
    QTest::mouseClick(gitter->viewport(), Qt::LeftButton, {}, QPoint(20, 60));
    ASSERT_TRUE(gitter->hasFocus());
    taste(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(gerufen.back(), a.monatstabelleKopieren);
}

TEST_F(HauptfensterMenueTest, F1UndDerMenuepunktOeffnenDieHilfe) {
    starten();
    // F1 belongs to the client area and the menu item alike: pressed in the window it must still
    // open the help, not be lost between two owners.
    QTest::mouseClick(widget<QLineEdit>("normal2", 3), Qt::LeftButton);
    taste(Qt::Key_F1);
    QWidget* hilfe = hilfefenster();
    ASSERT_NE(hilfe, nullptr);
    EXPECT_TRUE(hilfe->isVisible());
    hilfe->close();

    fenster->aktionen().hilfe->trigger();
    EXPECT_TRUE(hilfe->isVisible());
    EXPECT_TRUE(hilfe->findChild<QTextBrowser*>()->toPlainText().contains("Normalfall"));
    hilfe->close();
}

// A desktop theme in the test's folder with an icon for each of `namen`.
void symbolthemaAnlegen(const std::filesystem::path& ordner, const std::vector<QString>& namen) {
    const auto thema = ordner / "pruefthema";
    std::filesystem::create_directories(thema / "16x16" / "actions");
    std::ofstream(thema / "index.theme") << "[Icon Theme]\nName=Prüfthema\nDirectories=16x16/"
                                            "actions\n\n[16x16/actions]\nSize=16\nType=Fixed\n";
    QImage bild(16, 16, QImage::Format_ARGB32);
    bild.fill(Qt::red);
    for (const QString& name : namen)
        ASSERT_TRUE(bild.save(QString::fromStdString((thema / "16x16" / "actions").string()) + '/' +
                              name + ".png"));
}

// The standard actions show the theme's icons once a menu opens; an icon the theme lacks leaves its
// item as it was.
TEST_F(HauptfensterMenueTest, StandardaktionenMitDenSymbolenDesThemas) {
    const QString vorher = QIcon::themeName();
    const QStringList pfade = QIcon::themeSearchPaths();
    const std::vector<std::pair<QAction * Menueaktionen::*, QString>> erwartet = {
        {&Menueaktionen::neu, "document-new"},
        {&Menueaktionen::fallOeffnen, "document-open"},
        {&Menueaktionen::fallSpeichern, "document-save"},
        {&Menueaktionen::fallSpeichernUnter, "document-save-as"},
        {&Menueaktionen::drucken, "document-print"},
        {&Menueaktionen::seitenansicht, "document-print-preview"},
        {&Menueaktionen::beenden, "application-exit"},
        {&Menueaktionen::rueckgaengig, "edit-undo"},
        {&Menueaktionen::wiederherstellen, "edit-redo"},
        {&Menueaktionen::monatstabelleKopieren, "edit-copy"},
        {&Menueaktionen::hilfe, "help-contents"},
    };
    std::vector<QString> namen{"document-open-recent"};
    for (const auto& [aktion, name] : erwartet) namen.push_back(name);
    symbolthemaAnlegen(verzeichnis.pfad(), namen);
    QIcon::setThemeSearchPaths({QString::fromStdString(verzeichnis.pfad().string())});
    QIcon::setThemeName("pruefthema");
    starten();
    // The icons are looked up when a menu first opens; any menu brings all of them.
    EXPECT_TRUE(fenster->aktionen().neu->icon().isNull());
    QMenu* hilfe = fenster->menuBar()->actions().constLast()->menu();
    ASSERT_EQ(hilfe->title(), "&Hilfe");
    emit hilfe->aboutToShow();
    for (const auto& [aktion, name] : erwartet)
        EXPECT_EQ((fenster->aktionen().*aktion)->icon().name(), name);
    EXPECT_EQ(fenster->findChild<QMenu*>("ZuletztGeoeffnet")->icon().name(),
              "document-open-recent");
    // The theme has no "help-about".
    EXPECT_TRUE(fenster->aktionen().ueber->icon().isNull());
    EXPECT_EQ(fenster->aktionen().ueber->text(), "Über &Korvalt");
    QIcon::setThemeName(vorher);
    QIcon::setThemeSearchPaths(pfade);
}

// The help window open at a section: the top of its heading's block within the text, and how far
// the text is scrolled.
struct Hilfestand {
    int ueberschrift = -1;
    int gerollt = 0;
    int hoechstens = 0;
};
Hilfestand hilfestand(QTextBrowser& browser, std::string_view abschnitt) {
    Hilfestand stand;
    QTextDocument& text = *browser.document();
    for (QTextBlock b = text.begin(); b.isValid() && stand.ueberschrift < 0; b = b.next())
        for (auto teil = b.begin(); !teil.atEnd(); ++teil)
            if (teil.fragment().charFormat().anchorNames().contains(
                    QString::fromUtf8(abschnitt.data(), qsizetype(abschnitt.size()))))
                stand.ueberschrift = int(text.documentLayout()->blockBoundingRect(b).top());
    stand.gerollt = browser.verticalScrollBar()->value();
    stand.hoechstens = browser.verticalScrollBar()->maximum();
    return stand;
}

// Each section a window or dialog opens is in the help page, and the help opens scrolled to it.
TEST_F(HauptfensterMenueTest, JederAbschnittDerHilfeOeffnetBeiSeinerUeberschrift) {
    starten();
    for (const std::string_view abschnitt : hilfeabschnitt::alle) {
        fenster->korvaltei().hilfeaufrufen(hilfeabschnitt::programm);
        fenster->korvaltei().hilfeaufrufen(abschnitt);
        auto* hilfe = hilfefenster();
        ASSERT_NE(hilfe, nullptr);
        const Hilfestand stand = hilfestand(*hilfe->findChild<QTextBrowser*>(), abschnitt);
        ASSERT_GE(stand.ueberschrift, 0) << abschnitt;
        EXPECT_NEAR(stand.gerollt, std::min(stand.ueberschrift, stand.hoechstens), 2) << abschnitt;
    }
}

// F1 in the year view and in the month breakdown opens the help at the view's own section.
TEST_F(HauptfensterMenueTest, F1InEinerAnsichtOeffnetIhrenAbschnitt) {
    starten();
    const std::pair<std::function<QWidget&()>, std::string_view> ansichten[] = {
        {[this]() -> QWidget& { return fenster->jahresansichtZeigen(); },
         hilfeabschnitt::jahresuebersicht},
        {[this]() -> QWidget& { return fenster->aufschluesselungZeigen(1); },
         hilfeabschnitt::aufschluesselung},
    };
    for (const auto& [zeigen, abschnitt] : ansichten) {
        // The help scrolled to the top first, so that only F1 can bring the section into view.
        fenster->korvaltei().hilfeaufrufen(hilfeabschnitt::programm);
        QWidget& ansicht = zeigen();
        // The offscreen platform leaves another window active; the user has clicked into the view.
        QApplication::setActiveWindow(&ansicht);
        ASSERT_EQ(QApplication::activeWindow(), &ansicht);
        QTest::keyClick(&ansicht, Qt::Key_F1);
        auto* hilfe = hilfefenster();
        ASSERT_NE(hilfe, nullptr);
        ASSERT_TRUE(hilfe->isVisible());
        const Hilfestand stand = hilfestand(*hilfe->findChild<QTextBrowser*>(), abschnitt);
        EXPECT_GT(stand.gerollt, 0) << abschnitt;
        EXPECT_NEAR(stand.gerollt, std::min(stand.ueberschrift, stand.hoechstens), 2) << abschnitt;
    }
}

TEST_F(HauptfensterMenueTest, TitelIstDieBeschriftungUndNenntDieOffeneFalldatei) {
    starten();
    EXPECT_EQ(titel(), caption.toStdString());
    auto* anzeige = fenster->statusBar()->findChild<QLabel*>("Falldatei");
    ASSERT_NE(anzeige, nullptr);
    EXPECT_TRUE(anzeige->text().isEmpty());

    fenster->setzeFalldatei(std::filesystem::path("/home/a/Fälle/Muster.korvalt"));
    EXPECT_EQ(titel(), (caption + " \u2013 Muster.korvalt").toStdString());
    EXPECT_EQ(anzeige->text(), "Fall: /home/a/Fälle/Muster.korvalt");
    // The client area keeps the bare caption: the result printout prints it as its last line.
    EXPECT_EQ(fenster->korvaltei().windowTitle(), caption);

    // A caption set on the client area reaches the title, the file name stays behind it.
    fenster->korvaltei().setzeText({Feldname::Korvaltei}, "Anderer Titel");
    EXPECT_EQ(titel(), "Anderer Titel \u2013 Muster.korvalt");

    fenster->setzeFalldatei(std::nullopt);
    EXPECT_EQ(titel(), "Anderer Titel");
    EXPECT_TRUE(anzeige->text().isEmpty());
}

TEST_F(HauptfensterMenueTest, ClientbereichHatAnfangsDieEntwurfsgroesse) {
    starten();
    const Korvaltei& k = fenster->korvaltei();
    EXPECT_EQ(k.width(), int(std::lround(Korvaltei::entwurfBreite * k.logicalDpiX() / 1440.0)));
    EXPECT_EQ(k.height(), int(std::lround(Korvaltei::entwurfHoehe * k.logicalDpiY() / 1440.0)));
    EXPECT_EQ(k.mapTo(fenster.get(), QPoint()).y(), fenster->menuBar()->height());
    EXPECT_EQ(fenster->height(),
              fenster->menuBar()->height() + k.height() + fenster->statusBar()->height());
}

// The event loop ends, so the program ends, whichever way the window is closed.
void schliessenBeendetDieSchleife(QWidget& fenster, const std::function<void()>& schliessen) {
    QTimer::singleShot(0, schliessen);
    QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(fenster.isVisible());
}

TEST_F(HauptfensterMenueTest, BeendenSchliessfeldUndSchliessenBeendenDasProgramm) {
    starten();
    schliessenBeendetDieSchleife(*fenster, [this] { taste(Qt::Key_Q, Qt::ControlModifier); });
    starten();
    schliessenBeendetDieSchleife(*fenster, [this] {
        // What the window system sends when the user clicks the close box.
        QCloseEvent schliessen;
        QApplication::sendEvent(fenster->windowHandle(), &schliessen);
    });
    starten();
    QTimer::singleShot(
        0, [this] { QTest::mouseClick(widget<QPushButton>("Schließen"), Qt::LeftButton); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
    EXPECT_EQ(QApplication::exec(), 0);
}

}  // namespace
