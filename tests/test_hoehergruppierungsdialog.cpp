// The dialog Höhergruppierung prüfen: the tables by date only, the groups above today's, the
// default period shown, and an invalid entry or a promotion the case refuses keeps OK disabled with
// its reason.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "hoehergruppierungsdialog.h"
#include "meldungsprotokoll.h"
#include "qt_anwendung.h"
#include "tarifdatei.h"

using namespace korvalt;

namespace {

Tabellenkatalog katalog() {
    test::Meldungsprotokoll meldungen;
    Tarifdatei datei;
    return datei.aufsuchen({"."}, meldungen);
}

// The dialog as the case offers it, with 9a in step 3 since 04/2024 and the target 9b.
class HoehergruppierungsdialogTest : public ::testing::Test {
  protected:
    void oeffnen(std::function<std::string(const Hoehergruppierung&)> pruefen = {}) {
        Hoehergruppierungsvorschlag v;
        v.angaben.gruppe = "9a";
        v.angaben.zielgruppe = "9b";
        v.angaben.stufe = AktuelleStufe{3, {2024, 4}};
        v.mitSeit = true;
        dialog = std::make_unique<Hoehergruppierungsdialog>(
            v, Hoehergruppierungspruefung{katalog().tabellenNachDatum(), std::move(pruefen)});
    }
    QLineEdit* feld(const char* name) const { return dialog->findChild<QLineEdit*>(name); }
    QComboBox* auswahl(const char* name) const { return dialog->findChild<QComboBox*>(name); }
    QStringList eintraege(const char* name) const {
        QStringList texte;
        for (int i = 0; i < auswahl(name)->count(); ++i) texte << auswahl(name)->itemText(i);
        return texte;
    }
    bool ok() const {
        return dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->isEnabled();
    }

    std::unique_ptr<Hoehergruppierungsdialog> dialog;
};

}  // namespace

// Without the promotion's month OK stays off and the dialog asks for it; with it the promotion is
// whole, Beginn and Ende shown as the months they default to.
TEST_F(HoehergruppierungsdialogTest, ZumMonatFehltDannGanz) {
    oeffnen();
    EXPECT_EQ(eintraege("Seite"), (QStringList{"VKA nach Datum", "Bund nach Datum"}));
    EXPECT_FALSE(ok());
    EXPECT_EQ(dialog->grund(),
              "Höhergruppierung zum: Bitte den Monat eingeben (MM/JJJJ, etwa 07/2026).");
    feld("Zum")->setText("07/2026");
    feld("Anteil")->setText("75");
    ASSERT_TRUE(ok()) << dialog->grund();
    const Hoehergruppierung& h = *dialog->angaben();
    EXPECT_EQ(h.tabelle, "vka");
    EXPECT_EQ(h.gruppe, "9a");
    EXPECT_EQ(h.zielgruppe, "9b");
    EXPECT_EQ(h.stufe, (AktuelleStufe{3, {2024, 4}}));
    EXPECT_EQ(h.zum, KalenderMonat(2026, 7));
    EXPECT_EQ(h.anteil, 7500);
    EXPECT_FALSE(h.beginn);
    EXPECT_EQ(dialog->findChild<QLabel*>("Stunden")->text().toStdString(), "29,25 Std./Woche");
    EXPECT_EQ(feld("Beginn")->placeholderText().toStdString().rfind("01/2026 ", 0), 0u);
    EXPECT_EQ(feld("Ende")->placeholderText().toStdString().rfind("12/2045 ", 0), 0u);
}

// Today's group offers every group but the highest; the target the three above it, keeping the
// one chosen where it still is one of them.
TEST_F(HoehergruppierungsdialogTest, ZieleSindDieDreiGruppenDarueber) {
    oeffnen();
    EXPECT_EQ(eintraege("Gruppe").size(), 16);
    EXPECT_FALSE(eintraege("Gruppe").contains("15"));
    EXPECT_EQ(eintraege("Zielgruppe"), (QStringList{"9b", "9c", "10"}));
    auswahl("Zielgruppe")->setCurrentText("10");
    auswahl("Gruppe")->setCurrentText("9b");
    EXPECT_EQ(eintraege("Zielgruppe"), (QStringList{"9c", "10", "11"}));
    EXPECT_EQ(auswahl("Zielgruppe")->currentText(), "10");
    auswahl("Gruppe")->setCurrentText("14");
    EXPECT_EQ(eintraege("Zielgruppe"), (QStringList{"15"}));
}

// An entry that is no month or share says so at once; the case's check of the whole promotion
// comes after, with its reason.
TEST_F(HoehergruppierungsdialogTest, UngueltigeEingabeUndPruefungDesFalls) {
    oeffnen([](const Hoehergruppierung& h) {
        return h.zum > KalenderMonat(2030, 1) ? std::string("Zu spät.") : std::string();
    });
    feld("Zum")->setText("07/2026");
    ASSERT_TRUE(ok());
    const struct {
        const char* feld;
        const char* text;
        const char* grund;
    } faelle[] = {
        {"Seit", "13/2024", "Stufe seit: \u201E13/2024\u201C ist kein Monat"},
        {"Anteil", "0", "Teilzeit: Der Arbeitszeitanteil"},
        {"Beginn", "02/2024", "Beginn: Der Beginn 02/2024 liegt vor 03/2024"},
        {"Ende", "2045", "bis: \u201E2045\u201C ist kein Monat"},
        {"Zum", "07/2031", "Zu spät."},
    };
    for (const auto& f : faelle) {
        const QString vorher = feld(f.feld)->text();
        feld(f.feld)->setText(QString::fromUtf8(f.text));
        EXPECT_FALSE(ok()) << f.feld;
        EXPECT_FALSE(dialog->angaben()) << f.feld;
        EXPECT_EQ(dialog->grund().rfind(f.grund, 0), 0u) << f.feld << ": " << dialog->grund();
        feld(f.feld)->setText(vorher);
        EXPECT_TRUE(ok()) << f.feld << ": " << dialog->grund();
    }
}

// Alt and the underlined letter of every label reach a field: a label pointing at the row around
// its fields (Stufe heute, Höhergruppierung nach, Teilzeit) would do nothing.
TEST_F(HoehergruppierungsdialogTest, JedesKuerzelErreichtEinFeld) {
    oeffnen();
    int kuerzel = 0;
    for (const QLabel* l : dialog->findChildren<QLabel*>()) {
        if (!l->text().contains('&')) continue;
        ++kuerzel;
        SCOPED_TRACE(l->text().toStdString());
        ASSERT_NE(l->buddy(), nullptr);
        EXPECT_TRUE(l->buddy()->focusPolicy() & Qt::TabFocus)
            << l->buddy()->metaObject()->className();
    }
    EXPECT_EQ(kuerzel, 9);
}
