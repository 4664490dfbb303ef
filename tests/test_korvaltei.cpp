// The main window offscreen: start-up, the fields as the calculation leaves them, resizing,
// help, closing and what the printouts use.
#include <QCloseEvent>
#include <QImage>
#include <QPainter>
#include <QTableView>
#include <QTextBrowser>
#include <QTimer>
#include <cmath>
#include <iterator>

#include "feldtabelle.h"
#include "fensterpruefung.h"
#include "gittermasse.h"
#include "qtumwandlung.h"
#include "speicherfall.h"

using namespace korvalt;
using korvalt::test::einstellungssatzText;
using korvalt::test::finde;

namespace {

class KorvalteiTest : public test::FensterTest {
  protected:
    int pixel(int twips) const { return int(std::lround(twips * fenster->logicalDpiX() / 1440.0)); }
    // The background a label or panel shows: its own colour when it paints one.
    static std::optional<QColor> grund(const QWidget* w) {
        if (!w->autoFillBackground()) return std::nullopt;
        return w->palette().color(QPalette::Window);
    }
};

TEST_F(KorvalteiTest, FrischerStartZeigtDenBeispielfallVollstaendig) {
    starten();
    EXPECT_TRUE(meldungen.warnungen.empty());
    EXPECT_EQ(fenster->windowTitle().toStdString(),
              "Korvalt für TVöD-Gemeinden (VKA), Tariftabellen Stand JANUAR 2006 WEST");
    EXPECT_EQ(text("Startgruppe"), "9");
    EXPECT_EQ(text("Gruppetit", 2), "EGr. 10");
    EXPECT_EQ(text("Gruppetit", 3), "EGr. 11");
    EXPECT_EQ(text("Gruppetit", 4), "EGr. 12");
    const char* stufen[] = {"12", "24", "36", "48", "60", "120"};
    for (int k = 1; k <= 4; ++k) {
        EXPECT_EQ(text("GrDauer", k), "120");
        EXPECT_EQ(text("GrDauer1", k), "120");
        for (int j = 1; j <= 6; ++j) {
            EXPECT_EQ(text("normal" + std::to_string(k), j), stufen[j - 1]);
            EXPECT_EQ(text("indi" + std::to_string(k), j), stufen[j - 1]);
        }
    }

    // The window shows exactly what the same start-up leaves in the plain store.
    auto ohne = std::make_unique<Speicherfall>();
    test::Meldungsprotokoll stumm;
    ohne->anzeige.laden({{"."}}, stumm);
    int verglichen = 0;
    for (const auto& b : feldtabelle()) {
        if (b.art == Feldart::Fenster || b.art == Feldart::Gitter || b.art == Feldart::Linie)
            continue;
        for (int i = b.von; i <= b.bis; ++i) {
            if (!b.hatIndex(i)) continue;
            const FeldId id{b.name, static_cast<std::int8_t>(i)};
            const std::string name(b.text);
            // A button shows its caption with one letter underlined, marked by "&".
            const std::string angezeigt = b.art == Feldart::Knopf
                                              ? knopf(name)->text().remove('&').toStdString()
                                              : text(name, i);
            EXPECT_EQ(angezeigt, ohne->felder.text(id)) << feldText(id);
            if (b.art == Feldart::Beschriftung || b.art == Feldart::Tafel) {
                const auto& z = ohne->felder.zustand(id);
                const auto gezeigt = grund(beschriftung(name, i));
                if (z.deckend)
                    EXPECT_EQ(gezeigt, alsQColor(z.hintergrund)) << feldText(id);
                else
                    EXPECT_FALSE(gezeigt) << feldText(id);
            }
            ++verglichen;
        }
    }
    EXPECT_GT(verglichen, 290);
    EXPECT_NE(text("Ergebnis1"), "1.475.000");
    EXPECT_EQ(text("Ergebnis1"), ohne->felder.text({Feldname::Ergebnis1}));

    // The arrow buttons act on indi1(3) until the user picks a field, and the cursor is there.
    EXPECT_EQ(fokuswerte(), (std::array<int, 4>{2, 2, 1, 3}));
    EXPECT_EQ(QApplication::focusWidget(), feld("indi1", 3));
}

TEST_F(KorvalteiTest, GespeicherterFallMitStartgruppe11KommtZurueck) {
    starten(einstellungssatzText(11, 90, {6, 12, 18, 24, 30, 60}));
    EXPECT_EQ(text("Startgruppe"), "11");
    EXPECT_EQ(sitzung->tabellen().gruppe(1), 11);
    EXPECT_EQ(text("Gruppetit", 2), "EGr. 12");
    EXPECT_EQ(text("Gruppetit", 3), "EGr. 13");
    EXPECT_EQ(text("Gruppetit", 4), "EGr. 14");
    EXPECT_EQ(text("GrDauer", 2), "90");
    EXPECT_EQ(text("indi4", 6), "60");
    EXPECT_EQ(sitzung->tabellen().stufendauer(2, 4, 6), 60);
}

TEST_F(KorvalteiTest, BeschaedigterGespeicherterFallWirdGemeldetUndBleibtLiegen) {
    const std::string satz = einstellungssatzText(11, 90, {6, 12, 18, 24, 30, 60});
    const std::string faelle[] = {einstellungssatzText(11, 90, {6, 12, 18, 24, 30, 60}, "ST"),
                                  satz.substr(0, 74), satz + "\r\n\r\n\r"};
    for (const std::string& inhalt : faelle) {
        SCOPED_TRACE(inhalt.size());
        meldungen.warnungen.clear();
        starten(inhalt);
        const auto datei = verzeichnis.pfad() / "korvalt-einstellungen.dat";
        ASSERT_EQ(meldungen.warnungen.size(), 1u);
        const std::string& warnung = meldungen.warnungen[0];
        EXPECT_EQ(warnung.rfind("Einstellungsdatei: Die Einstellungsdatei \u201E" + datei.string() +
                                    "\u201C ist kein gültiger Einstellungssatz",
                                0),
                  0u)
            << warnung;
        EXPECT_NE(warnung.find("Sie wurde nicht verwendet und bleibt unverändert.\nKorvalt öffnet "
                               "den Beispielfall."),
                  std::string::npos)
            << warnung;
        EXPECT_EQ(text("Startgruppe"), "9");
        EXPECT_EQ(text("Gruppetit", 2), "EGr. 10");
        EXPECT_EQ(text("indi4", 6), "120");
        std::ifstream gelesen(datei, std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(gelesen), {}), inhalt);
    }
}

TEST_F(KorvalteiTest, FehlendeTarifdateiWirdEinmalGemeldetUndDasFensterOeffnetTrotzdem) {
    starten({}, {verzeichnis.pfad()});
    ASSERT_EQ(meldungen.warnungen.size(), 1u);
    EXPECT_NE(meldungen.warnungen[0].find("Die Tarifdatei"), std::string::npos);
    EXPECT_NE(meldungen.warnungen[0].find("nicht gefunden"), std::string::npos);
    EXPECT_TRUE(fenster->isVisible());
    for (int k = 1; k <= 4; ++k)
        for (int j = 1; j <= 6; ++j) EXPECT_EQ(text("Betrag" + std::to_string(k), j), "0");
}

TEST_F(KorvalteiTest, ZuKurzeTarifdateiWirdEinmalGemeldet) {
    test::tarifdateiSchreiben(verzeichnis.pfad() / tarifdateiName, test::steigendeTabelle(), 100);
    starten({}, {verzeichnis.pfad()});
    ASSERT_EQ(meldungen.warnungen.size(), 1u);
    EXPECT_NE(meldungen.warnungen[0].find("zu kurz"), std::string::npos);
    EXPECT_TRUE(fenster->isVisible());
}

TEST_F(KorvalteiTest, ErsteGroesseIstDieEntwurfsgroesseBeiDerAufloesungDesBildschirms) {
    starten();
    EXPECT_EQ(fenster->width(), pixel(Korvaltei::entwurfBreite));
    EXPECT_EQ(fenster->height(),
              int(std::lround(Korvaltei::entwurfHoehe * fenster->logicalDpiY() / 1440.0)));
}

TEST_F(KorvalteiTest, GitterNimmtNachGroessenaenderung55ProzentDerBreite) {
    starten();
    fenster->resize(pixel(12000), fenster->height());
    auto* gitter = finde<QTableView>(*fenster, "Monatsgitter");
    ASSERT_NE(gitter, nullptr);
    EXPECT_EQ(gitter->width(), pixel(6600));
    EXPECT_EQ(gitter->x(), knopf("nachoben")->x());
    const int twips[] = {594, 594, 660, 1056, 594, 660, 1056, 1056};
    for (int s = 0; s < 8; ++s) EXPECT_EQ(gitter->columnWidth(s), pixel(twips[s])) << s;
}

TEST_F(KorvalteiTest, FelderUndSchriftenWachsenMitDemFensterAuchUeber16Bit) {
    starten();
    QLabel* betrag = beschriftung("Betrag3", 4);
    const QRect vorher = betrag->geometry();
    const double schriftVorher = betrag->font().pointSizeF();
    // 60,000 twips is wider than a 16-bit grid width could hold.
    fenster->resize(pixel(60000), fenster->height() * 2);
    auto* gitter = finde<QTableView>(*fenster, "Monatsgitter");
    EXPECT_EQ(gitter->width(), pixel(33000));
    EXPECT_EQ(gitter->columnWidth(3), pixel(5280));
    EXPECT_NEAR(betrag->width(), vorher.width() * 60000.0 / 11025, 2);
    EXPECT_NEAR(betrag->height(), vorher.height() * 2, 2);
    EXPECT_NEAR(betrag->font().pointSizeF(), schriftVorher * 2, 0.1);
    // The grid keeps its left edge at the arrow buttons and stays inside the window.
    EXPECT_EQ(gitter->x(), knopf("nachoben")->x());
    EXPECT_LE(gitter->geometry().right(), fenster->width());
}

TEST_F(KorvalteiTest, FarbenDerStufenUndDerDifferenzStehenAufDenWidgets) {
    starten();
    const QColor gruen(128, 255, 128), grau(224, 224, 224), gelb(255, 255, 0);
    // Column 1 of the normal case reaches steps 1..4 in its 120 months.
    EXPECT_EQ(grund(beschriftung("Träger1", 1)), gruen);
    EXPECT_EQ(grund(beschriftung("Träger1", 5)), grau);
    EXPECT_EQ(grund(beschriftung("Differenz")), QColor(0, 0, 0));
    EXPECT_EQ(beschriftung("Differenz")->palette().color(QPalette::WindowText), Qt::white);

    // Shorter steps let the individual case reach step 5 of column 1, which the normal case
    // does not: its amount turns yellow; the individual case pays more.
    ersetzen(feld("indi1", 1), "6");
    ersetzen(feld("indi1", 2), "6");
    EXPECT_EQ(grund(beschriftung("Betrag1", 5)), gelb);
    EXPECT_EQ(grund(beschriftung("ianfang1", 5)), gelb);
    EXPECT_FALSE(grund(beschriftung("Betrag1", 4)));
    EXPECT_EQ(grund(beschriftung("Differenz")), QColor(0, 0, 0));

    // An individual case that leaves its first group at once earns less: red.
    ersetzen(feld("GrDauer1", 1), "0");
    EXPECT_EQ(grund(beschriftung("Differenz")), QColor(255, 0, 0));
    EXPECT_EQ(text("Differenz").substr(0, 1), "-");
}

TEST_F(KorvalteiTest, HilfeknopfUndF1OeffnenDieHilfeBeimThemaDesProgramms) {
    starten();
    klicken("Hilfe");
    QWidget* hilfefenster = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "Hilfefenster") hilfefenster = w;
    ASSERT_NE(hilfefenster, nullptr);
    EXPECT_TRUE(hilfefenster->isVisible());
    auto* browser = hilfefenster->findChild<QTextBrowser*>();
    ASSERT_NE(browser, nullptr);
    const QString inhalt = browser->toPlainText();
    for (const char* teil : {"Normalfall", "Individueller Fall", "Grün", "Gelb", "Grau",
                             "niedrigsten Stufe ab Stufe 2", "25 Euro", "50 Euro", "Eingabetaste",
                             "Rücktaste", "Pfeiltasten", "Differenz", "korvalt-einstellungen.dat"})
        EXPECT_TRUE(inhalt.contains(QString::fromUtf8(teil))) << teil;
    EXPECT_EQ(browser->source().toString().toStdString(), "qrc:/hilfe/hilfe.html");

    hilfefenster->close();
    fenster->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(fenster.get()));
    QTest::keyClick(feld("normal2", 3), Qt::Key_F1);
    EXPECT_TRUE(hilfefenster->isVisible());
    EXPECT_EQ(text("normal2", 3), "36");
}

// The event loop ends, so the program ends, whichever way the window is closed.
void schliessenBeendetDieSchleife(QWidget& fenster, const std::function<void()>& schliessen) {
    QTimer::singleShot(0, schliessen);
    QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(fenster.isVisible());
}

TEST_F(KorvalteiTest, SchliessenBeendetDasProgramm) {
    starten();
    schliessenBeendetDieSchleife(*fenster, [this] { klicken("Schließen"); });
}

TEST_F(KorvalteiTest, SchliessfeldDesFenstersBeendetDasProgramm) {
    starten();
    schliessenBeendetDieSchleife(*fenster, [this] {
        // What the window system sends when the user clicks the close box.
        QCloseEvent schliessen;
        QApplication::sendEvent(fenster->windowHandle(), &schliessen);
    });
}

TEST_F(KorvalteiTest, KnoepfeDerAusgabeRufenIhreAktion) {
    starten();
    int gedrueckt = 0;
    for (Feldname k : {Feldname::Speichern, Feldname::Ergebnisdrucken, Feldname::Liste})
        fenster->setzeKlick(k, [&gedrueckt] { ++gedrueckt; });
    klicken("Speichern");
    klicken("Ergebnisdrucken");
    klicken("Liste");
    EXPECT_EQ(gedrueckt, 3);
}

TEST_F(KorvalteiTest, HoeherOhneSkalierenZeigtDieUnterschriftUndKehrtGenauZurueck) {
    starten();
    QLabel* unterschrift = beschriftung("Unterschrift");
    QLabel* betrag = beschriftung("Betrag2", 6);
    const QRect betragVorher = betrag->geometry();
    const int hoehe = fenster->hoeheTwips();
    EXPECT_EQ(hoehe, Korvaltei::entwurfHoehe);
    EXPECT_GT(unterschrift->y(), fenster->height());

    fenster->setzeText({Feldname::Unterschrift}, "   Unterschrift");
    fenster->setzeHoeheTwips(hoehe + fenster->feldhoeheTwips({Feldname::Unterschrift}), false);
    EXPECT_EQ(fenster->hoeheTwips(), hoehe + 375);
    EXPECT_EQ(betrag->geometry(), betragVorher);
    EXPECT_LE(unterschrift->y() + unterschrift->fontMetrics().height(), fenster->height());

    QImage bild(fenster->size(), QImage::Format_RGB32);
    bild.fill(Qt::black);
    QPainter maler(&bild);
    fenster->clientbereichZeichnen(maler);
    maler.end();
    const QPoint mitteTraeger = beschriftung("Träger1", 1)->geometry().bottomLeft() + QPoint(3, -3);
    EXPECT_EQ(bild.pixelColor(mitteTraeger), QColor(128, 255, 128));

    fenster->setzeHoeheTwips(hoehe, false);
    EXPECT_EQ(fenster->hoeheTwips(), hoehe);
    EXPECT_EQ(betrag->geometry(), betragVorher);
    // Back at the old height, the fields scale with the window again.
    fenster->resize(fenster->width(), fenster->height() * 2);
    EXPECT_NEAR(betrag->height(), betragVorher.height() * 2, 2);
}

}  // namespace
