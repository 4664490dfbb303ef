// The dialog Teilzeit und Unterbrechungen behind the dialog interface: what is typed into its rows,
// the reason it shows, and the periods OK gives; Abbrechen gives none.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <functional>

#include "dialoge.h"
#include "kalenderpruefung.h"
#include "qt_anwendung.h"

using namespace korvalt;

namespace {

void tippen(Zeitraumdialog& d, int zeile, Zeitraumdialog::Spalte spalte, const char* text) {
    auto* f = qobject_cast<QLineEdit*>(d.findChild<QTableWidget*>()->cellWidget(zeile, spalte));
    ASSERT_NE(f, nullptr) << zeile << "/" << spalte;
    f->setText(QString::fromUtf8(text));
}
void klicken(Zeitraumdialog& d, const char* knopf) {
    d.findChild<QPushButton*>(knopf)->click();
}

Zeitraum zeitraum(Zeitraumart art, KalenderMonat von, std::optional<KalenderMonat> bis, int anteil,
                  std::optional<KalenderMonat> geburt, Zeitraumfall fuer) {
    Zeitraum z;
    z.art = art;
    z.von = von;
    z.bis = bis;
    z.anteil = anteil;
    z.geburt = geburt;
    z.fuer = fuer;
    return z;
}

const Zeitraum elternzeit = zeitraum(Zeitraumart::elternzeit, {2028, 10}, KalenderMonat(2029, 9),
                                     10000, KalenderMonat(2028, 8), Zeitraumfall::beide);

struct Eingabe {
    const char* name;
    std::function<void(Zeitraumdialog&)> tippen;
    const char* grund;                   // the start of the reason shown; "" none
    std::optional<Zeitraeume> ergebnis;  // nothing: OK is off, or Abbrechen was pressed
    bool abbrechen = false;
};

void PrintTo(const Eingabe& e, std::ostream* aus) {
    *aus << e.name;
}

class ZeitraumdialogTest : public ::testing::TestWithParam<Eingabe> {};

// The case has the parental leave and runs 01/2026 to 12/2045; OK is pressed where it is on.
TEST_P(ZeitraumdialogTest, GrundUndErgebnis) {
    const Eingabe& e = GetParam();
    Kalenderangaben kalender;
    kalender.beginn = KalenderMonat(2026, 1);
    kalender.ende = KalenderMonat(2045, 12);
    const Zeitraumpruefung pruefung{
        "", [kalender](const Zeitraeume& z) { return zeitraeumePruefen(z, kalender); }};
    QWidget eltern;
    Desktopdialoge dialoge(&eltern);
    std::string grund;
    bool okAn = false;
    QTimer::singleShot(0, [&] {
        auto* d = dynamic_cast<Zeitraumdialog*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        e.tippen(*d);
        grund = d->grund();
        EXPECT_EQ(d->findChild<QLabel*>("Grund")->text().toStdString(), grund);
        QPushButton* ok = d->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        okAn = ok->isEnabled();
        if (okAn && !e.abbrechen)
            ok->click();
        else
            d->reject();
    });
    const auto ergebnis = dialoge.zeitraeumeWaehlen({elternzeit}, Fallnamen{}, pruefung);
    EXPECT_EQ(grund.rfind(e.grund, 0), 0u) << grund;
    EXPECT_EQ(okAn, grund.empty());
    EXPECT_EQ(ergebnis, e.ergebnis);
}

INSTANTIATE_TEST_SUITE_P(
    Eingaben, ZeitraumdialogTest,
    ::testing::Values(
        Eingabe{"KeinMonat",
                [](Zeitraumdialog& d) {
                    klicken(d, "NeuSonderurlaub");
                    tippen(d, 1, Zeitraumdialog::von, "13/2030");
                },
                "Zeile 2 (Sonderurlaub ohne Entgelt), von: \u201E13/2030\u201C ist kein Monat",
                std::nullopt},
        Eingabe{"Ueberschneidung",
                [](Zeitraumdialog& d) {
                    klicken(d, "NeuSonderurlaub");
                    tippen(d, 1, Zeitraumdialog::von, "01/2029");
                    tippen(d, 1, Zeitraumdialog::bis, "03/2029");
                },
                "Sonderurlaub ohne Entgelt ab 01/2029 überschneidet sich mit Elternzeit ab "
                "10/2028.",
                std::nullopt},
        Eingabe{"AnteilZuHoch",
                [](Zeitraumdialog& d) {
                    klicken(d, "NeuTeilzeit");
                    tippen(d, 1, Zeitraumdialog::von, "10/2029");
                    tippen(d, 1, Zeitraumdialog::anteil, "120");
                },
                "Zeile 2 (Teilzeit), Anteil: Der Arbeitszeitanteil 120 % liegt nicht zwischen",
                std::nullopt},
        // The new row for the individual case only, the first one removed.
        Eingabe{"OkGibtDieListe",
                [](Zeitraumdialog& d) {
                    klicken(d, "NeuTeilzeit");
                    tippen(d, 1, Zeitraumdialog::von, "10/2029");
                    tippen(d, 1, Zeitraumdialog::anteil, "87,5");
                    qobject_cast<QComboBox*>(
                        d.findChild<QTableWidget*>()->cellWidget(1, Zeitraumdialog::fuer))
                        ->setCurrentIndex(2);
                    d.findChild<QTableWidget*>()->selectRow(0);
                    klicken(d, "Entfernen");
                },
                "",
                Zeitraeume{zeitraum(Zeitraumart::teilzeit, {2029, 10}, std::nullopt, 8750,
                                    std::nullopt, Zeitraumfall::individuell)}},
        Eingabe{"AbbrechenGibtNichts",
                [](Zeitraumdialog& d) { tippen(d, 0, Zeitraumdialog::bis, "12/2029"); }, "",
                std::nullopt, true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
