// The dialog Steuer und Sozialversicherung: each entry read as typed, an invalid one keeps OK
// disabled and says why in German, and a case without net pay keeps its entries disabled.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "qt_anwendung.h"
#include "steuerdialog.h"

using namespace korvalt;

namespace {

QPushButton* ok(Steuerdialog& dialog) {
    return dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
}

void setzen(Steuerdialog& dialog, const char* feld, const char* text) {
    dialog.findChild<QLineEdit*>(feld)->setText(QString::fromUtf8(text));
}

}  // namespace

// An invalid entry keeps OK disabled and says why.
TEST(Steuerdialog, UngueltigeEingabeSperrtOkMitGrund) {
    const struct {
        const char* feld;
        const char* text;
        const char* grund;
    } faelle[] = {
        {"Kinderfreibetraege", "1,2",
         "\u201E1,2\u201C ist keine Zahl von Kinderfreibeträgen (0 bis 9,5 in Schritten von 0,5)."},
        {"Kinder", "",
         "\u201E\u201C ist keine Kinderzahl (0 für kinderlos, sonst die Zahl der Kinder unter 25, "
         "höchstens 9)."},
        {"Zusatzbeitrag", "12", "Der Zusatzbeitrag von 12 % liegt nicht zwischen 0 und 10 %."},
        {"Zusatzversorgung", "zwei",
         "\u201Ezwei\u201C ist kein Anteil zur Zusatzversorgung (Prozent mit höchstens zwei "
         "Nachkommastellen, etwa 2,4)."},
        {"Umlage", "12", "Die Umlage des Arbeitgebers von 12 % liegt nicht zwischen 0 und 10 %."},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.feld);
        Steuerdialog dialog(Steuerangaben{});
        dialog.findChild<QComboBox*>("Zusatzversorgungskasse")->setCurrentIndex(1);
        ASSERT_TRUE(ok(dialog)->isEnabled());
        setzen(dialog, f.feld, f.text);
        EXPECT_FALSE(ok(dialog)->isEnabled());
        EXPECT_FALSE(dialog.gueltig());
        EXPECT_EQ(dialog.grund(), f.grund);
    }
}

// What is entered becomes the settings: each field in its place, the premium only when private
// (an additional rate typed before is then left out), and a combination the settings refuse is
// named at once.
TEST(Steuerdialog, EintraegeWerdenDieAngaben) {
    Steuerdialog dialog(std::nullopt);
    auto* netto = dialog.findChild<QCheckBox*>("Nettolohn");
    EXPECT_FALSE(netto->isChecked());
    EXPECT_FALSE(dialog.findChild<QComboBox*>("Steuerklasse")->isEnabled());
    ASSERT_TRUE(dialog.gueltig());
    EXPECT_FALSE(dialog.angaben());

    netto->setChecked(true);
    ASSERT_TRUE(dialog.gueltig()) << dialog.grund();
    EXPECT_EQ(dialog.angaben(), neueSteuerangaben());
    auto* kasse = dialog.findChild<QComboBox*>("Zusatzversorgungskasse");
    EXPECT_EQ(kasse->currentText(), "VBL West");
    EXPECT_FALSE(dialog.findChild<QLineEdit*>("Zusatzversorgung")->isEnabled());
    kasse->setCurrentIndex(1);
    dialog.findChild<QComboBox*>("Steuerklasse")->setCurrentIndex(2);
    setzen(dialog, "Kinderfreibetraege", "1,5");
    dialog.findChild<QComboBox*>("Kirchensteuer")->setCurrentIndex(1);
    setzen(dialog, "Kinder", "2");
    dialog.findChild<QCheckBox*>("Sachsen")->setChecked(true);
    setzen(dialog, "Zusatzbeitrag", "2,45");
    setzen(dialog, "Zusatzversorgung", "2,4");
    setzen(dialog, "Umlage", "4");
    Steuerangaben erwartet;
    erwartet.steuerklasse = 3;
    erwartet.kinderfreibetraegeZehntel = 15;
    erwartet.kirchensteuerProzent = 8;
    erwartet.kinder = 2;
    erwartet.sachsen = true;
    erwartet.zusatzbeitrag = Prozentsatz::hundertstel(245);
    erwartet.zusatzversorgung = Prozentsatz::hundertstel(240);
    erwartet.umlage = Prozentsatz::hundertstel(400);
    ASSERT_TRUE(dialog.gueltig()) << dialog.grund();
    EXPECT_EQ(dialog.angaben(), erwartet);

    dialog.findChild<QComboBox*>("Krankenversicherung")->setCurrentIndex(1);
    EXPECT_FALSE(dialog.findChild<QLineEdit*>("Zusatzbeitrag")->isEnabled());
    EXPECT_FALSE(dialog.gueltig());
    setzen(dialog, "Privatbeitrag", "612,50 €");
    erwartet.zusatzbeitrag.reset();
    erwartet.privatbeitrag = 61250;
    ASSERT_TRUE(dialog.gueltig()) << dialog.grund();
    EXPECT_EQ(dialog.angaben(), erwartet);

    dialog.findChild<QComboBox*>("Steuerklasse")->setCurrentIndex(5);
    EXPECT_FALSE(dialog.gueltig());
    EXPECT_EQ(dialog.grund(), "Kinderfreibeträge gibt es nur in den Steuerklassen I bis IV.");
}

// Shown again, the settings fill the fields as they were entered.
TEST(Steuerdialog, ZeigtDieAngabenDesFalls) {
    Steuerangaben a;
    a.steuerklasse = 4;
    a.kinderfreibetraegeZehntel = 10;
    a.kirchensteuerProzent = 9;
    a.kinder = 0;
    a.zusatzbeitrag = Prozentsatz::hundertstel(290);
    a.zusatzversorgung = Prozentsatz::hundertstel(180);
    Steuerdialog dialog(a);
    EXPECT_EQ(dialog.findChild<QLineEdit*>("Kinderfreibetraege")->text(), "1");
    EXPECT_EQ(dialog.findChild<QLineEdit*>("Zusatzbeitrag")->text(), "2,9");
    EXPECT_EQ(dialog.findChild<QLineEdit*>("Zusatzversorgung")->text(), "1,8");
    ASSERT_TRUE(dialog.gueltig()) << dialog.grund();
    EXPECT_EQ(dialog.angaben(), a);
}

// A case that cannot have net pay: the entries are disabled and the line says why; its settings
// can only be taken off.
TEST(Steuerdialog, OhneNettolohnNurAbschalten) {
    const std::string ohne = "Der Nettolohn braucht einen Beginn.";
    Steuerdialog dialog(Steuerangaben{}, {ohne, {}});
    EXPECT_FALSE(dialog.findChild<QComboBox*>("Steuerklasse")->isEnabled());
    EXPECT_EQ(dialog.grund(), ohne);
    EXPECT_FALSE(ok(dialog)->isEnabled());
    dialog.findChild<QCheckBox*>("Nettolohn")->setChecked(false);
    EXPECT_TRUE(dialog.gueltig());
    EXPECT_FALSE(dialog.angaben());
    EXPECT_FALSE(dialog.findChild<QCheckBox*>("Nettolohn")->isEnabled());
}

// The fields' grey hints say what to type; each is shown whole when the dialog opens.
TEST(Steuerdialog, HinweiseStehenGanzImFeld) {
    Steuerdialog dialog(Steuerangaben{});
    dialog.show();
    for (const QLineEdit* f : dialog.findChildren<QLineEdit*>()) {
        SCOPED_TRACE(f->objectName().toStdString());
        const QMargins rand = f->textMargins();
        EXPECT_GE(f->width() - rand.left() - rand.right(),
                  f->fontMetrics().horizontalAdvance(f->placeholderText()));
    }
}
