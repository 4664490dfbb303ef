// The dialog Beginn, Stufe und Teilzeit: an invalid entry keeps OK disabled and says why in German.
#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "kalenderdialog.h"
#include "qt_anwendung.h"

using namespace korvalt;

namespace {

struct Eingabe {
    const char* name;
    const char* feld;
    const char* text;
    const char* grund;  // the start of the reason shown
};

class KalenderdialogTest : public ::testing::TestWithParam<Eingabe> {};

TEST_P(KalenderdialogTest, UngueltigeEingabeSperrtOkMitGrund) {
    Kalenderdialog dialog(Kalenderangaben{});
    QPushButton* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    ASSERT_TRUE(ok->isEnabled());
    dialog.findChild<QLineEdit*>(GetParam().feld)->setText(QString::fromUtf8(GetParam().text));
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_FALSE(dialog.angaben().has_value());
    EXPECT_EQ(dialog.grund().rfind(GetParam().grund, 0), 0u) << dialog.grund();
    EXPECT_EQ(dialog.findChild<QLabel*>("Grund")->text().toStdString(), dialog.grund());
}

INSTANTIATE_TEST_SUITE_P(Eingaben, KalenderdialogTest,
                         ::testing::Values(Eingabe{"BeginnVorMaerz2024", "Beginn", "02/2024",
                                                   "Der Beginn 02/2024 liegt vor 03/2024"},
                                           Eingabe{"AnteilNull", "AnteilI", "0",
                                                   "Individueller Fall: Der Arbeitszeitanteil"},
                                           Eingabe{"BisKeinMonat", "Ende", "13/2045",
                                                   "bis: \u201E13/2045\u201C ist kein Monat."}),
                         [](const auto& info) { return std::string(info.param.name); });

// The hours of a 39-hour week follow the share as it is typed.
TEST(Kalenderdialog, StundenFolgenDemAnteil) {
    Kalenderdialog dialog(Kalenderangaben{});
    dialog.findChild<QLineEdit*>("AnteilI")->setText("75");
    EXPECT_EQ(dialog.findChild<QLabel*>("StundenI")->text().toStdString(), "29,25 Std./Woche");
    ASSERT_TRUE(dialog.angaben().has_value());
    EXPECT_EQ(dialog.angaben()->anteilI, 7500);
}

}  // namespace

// The dialog changes only what it shows: the year view's switch for the annual bonus stays off.
TEST(Kalenderdialog, SonderzahlungsschalterBleibt) {
    Kalenderangaben jetzt;
    jetzt.beginn = KalenderMonat(2026, 1);
    jetzt.mitSonderzahlung = false;
    Kalenderdialog dialog(jetzt);
    dialog.findChild<QLineEdit*>("Beginn")->setText("07/2026");
    ASSERT_TRUE(dialog.angaben().has_value());
    EXPECT_EQ(dialog.angaben()->beginn, KalenderMonat(2026, 7));
    EXPECT_FALSE(dialog.angaben()->mitSonderzahlung);
}

// For the table of 2006 every entry and OK are disabled, and one line says why.
TEST(Kalenderdialog, Tabelle2006OhneKalender) {
    Kalenderdialog dialog(Kalenderangaben{}, {"Die Tariftabelle 2006 rechnet ohne Kalender.", {}});
    for (const char* name : {"Beginn", "Ende", "Seit", "AnteilN", "AnteilI", "Erhoehung"})
        EXPECT_FALSE(dialog.findChild<QLineEdit*>(name)->isEnabled()) << name;
    EXPECT_FALSE(dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->isEnabled());
    EXPECT_EQ(dialog.findChild<QLabel*>("Grund")->text().toStdString(),
              "Die Tariftabelle 2006 rechnet ohne Kalender.");
}

// The case's check of the whole settings keeps OK off and shows its reason.
TEST(Kalenderdialog, PruefungDesFalls) {
    Kalenderdialog dialog(Kalenderangaben{}, {"", [](const Kalenderangaben& k) {
                                                  return k.beginn ? std::string("Nein.")
                                                                  : std::string();
                                              }});
    QPushButton* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    EXPECT_TRUE(ok->isEnabled());
    dialog.findChild<QLineEdit*>("Beginn")->setText("07/2026");
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_EQ(dialog.grund(), "Nein.");
}
