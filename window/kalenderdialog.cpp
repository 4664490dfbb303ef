// The dialog of the case's calendar settings.
#include "kalenderdialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogteile.h"
#include "prozentzahlen.h"
#include "qtumwandlung.h"

namespace korvalt {

namespace {

// A month as typed for the current step and the raise, or nothing with a German reason.
std::optional<KalenderMonat> monatLesen(const QLineEdit* f, const char* wofuer,
                                        std::string& fehler) {
    const auto monat = kalenderMonatLesen(feldtext(f));
    if (!monat)
        fehler = std::string(wofuer) + ": \u201E" + feldtext(f) +
                 "\u201C ist kein Monat. Bitte MM/JJJJ eingeben, etwa 04/2024.";
    return monat;
}

}  // namespace

Kalenderdialog::Kalenderdialog(const Kalenderangaben& jetzt, Kalenderpruefung pruefung,
                               QWidget* eltern)
    : QDialog(eltern), jetzt_(jetzt), pruefung_(std::move(pruefung)) {
    setObjectName("Kalenderdialog");
    setWindowTitle(QStringLiteral("Beginn, Stufe und Teilzeit"));

    beginn_ = feld(this, "Beginn", jetzt.beginn ? jetzt.beginn->text() : std::string(),
                   "MM/JJJJ, leer: ohne Datum");
    ende_ = feld(this, "Ende", jetzt.ende ? jetzt.ende->text() : std::string(),
                 "MM/JJJJ, leer: bis zum Ende des längeren Falls");
    stufe_ = new QComboBox(this);
    stufe_->setObjectName("AktuelleStufe");
    stufe_->addItem(QStringLiteral("keine"));
    for (int s = 1; s <= hoechsteAktuelleStufe; ++s) stufe_->addItem(QString::number(s));
    stufe_->setCurrentIndex(jetzt.aktuelleStufe ? jetzt.aktuelleStufe->stufe : 0);
    seit_ =
        feld(this, "Seit", jetzt.aktuelleStufe ? jetzt.aktuelleStufe->seit.text() : "", "MM/JJJJ");
    anteilN_ = feld(this, "AnteilN", anteilText(jetzt.anteilN), "1 bis 100 %");
    anteilI_ = feld(this, "AnteilI", anteilText(jetzt.anteilI), "1 bis 100 %");
    stundenN_ = new QLabel(this);
    stundenN_->setObjectName("StundenN");
    stundenI_ = new QLabel(this);
    stundenI_->setObjectName("StundenI");
    // Room for the longest hours, so that the share's field keeps its width as they change.
    for (QLabel* stunden : {stundenN_, stundenI_})
        stunden->setMinimumWidth(stunden->fontMetrics().horizontalAdvance(
            alsQString(wochenstundenText(kleinsterAnteil + 1)) + QStringLiteral("00")));
    erhoehung_ = feld(this, "Erhoehung",
                      jetzt.erhoehung ? erhoehungsprozentText(jetzt.erhoehung->zehntelProzent) : "",
                      "% jährlich, leer: keine");
    erhoehungAb_ =
        feld(this, "ErhoehungAb",
             (jetzt.erhoehung ? jetzt.erhoehung->ab : standardErhoehungAb).text(), "MM/JJJJ");

    auto* formular = new QFormLayout;
    formular->addRow(QStringLiteral("&Beginn (erster Monat):"), beginn_);
    formular->addRow(QStringLiteral("bis (letzter &Monat):"), ende_);
    formularzeile(*formular, QStringLiteral("Aktuelle &Stufe in Spalte 1:"),
                  {stufe_, new QLabel(QStringLiteral("seit"), this), seit_});
    // Each case by its own name; a name's "&" stays a letter.
    const auto teilzeit = [](const char* kuerzel, const std::string& name) {
        return QStringLiteral("Teilzeit ") + QLatin1String(kuerzel) +
               alsQString(name).replace('&', QLatin1String("&&")) + QLatin1Char(':');
    };
    formularzeile(*formular, teilzeit("(&1) ", pruefung.namen.normal), {anteilN_, stundenN_});
    formularzeile(*formular, teilzeit("(&2) ", pruefung.namen.individuell), {anteilI_, stundenI_});
    formular->addRow(QStringLiteral("Angenommene &Erhöhung:"), erhoehung_);
    formular->addRow(QStringLiteral("Erhöhung &ab:"), erhoehungAb_);

    grund_ = grundzeile(*this);
    knoepfe_ = okAbbrechen(*this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(formular);
    layout->addWidget(grund_);
    layout->addWidget(knoepfe_);

    // The rows put their fields into containers of their own; Tab still goes top to bottom.
    QWidget* const reihe[] = {beginn_,  ende_,      stufe_,       seit_,   anteilN_,
                              anteilI_, erhoehung_, erhoehungAb_, knoepfe_};
    for (std::size_t i = 1; i < std::size(reihe); ++i) setTabOrder(reihe[i - 1], reihe[i]);

    for (QLineEdit* f : {beginn_, ende_, seit_, anteilN_, anteilI_, erhoehung_, erhoehungAb_})
        connect(f, &QLineEdit::textChanged, this, [this] { pruefen(); });
    connect(stufe_, &QComboBox::currentIndexChanged, this, [this] { pruefen(); });
    pruefen();
    if (!pruefung_.ohneKalender.empty()) {
        for (QWidget* f : std::initializer_list<QWidget*>{beginn_, ende_, stufe_, seit_, anteilN_,
                                                          anteilI_, erhoehung_, erhoehungAb_})
            f->setEnabled(false);
        // Nothing to take over: only Abbrechen closes it.
        knoepfe_->button(QDialogButtonBox::Ok)->setEnabled(false);
        grund_->setText(alsQString(pruefung_.ohneKalender));
    }
}

std::string Kalenderdialog::grund() const {
    return grund_->text().toStdString();
}

// Every entry is read anew on each change; the first invalid one names the reason. What the dialog
// does not show, the year view's switch for the annual bonus, stays as the case has it.
void Kalenderdialog::pruefen() {
    Kalenderangaben neu = jetzt_;
    neu.beginn.reset();
    neu.ende.reset();
    neu.aktuelleStufe.reset();
    neu.erhoehung.reset();
    std::string fehler;
    const auto gelesen = [&]() -> bool {
        if (!feldtext(beginn_).empty()) {
            neu.beginn = beginnLesen(feldtext(beginn_), fehler);
            if (!neu.beginn) return false;
        }
        if (!feldtext(ende_).empty()) {
            neu.ende = monatLesen(ende_, "bis", fehler);
            if (!neu.ende) return false;
        }
        const bool stufeGewaehlt = stufe_->currentIndex() > 0;
        seit_->setEnabled(stufeGewaehlt);
        if (stufeGewaehlt) {
            if (!neu.beginn) {
                fehler = "Die aktuelle Stufe braucht einen Beginn.";
                return false;
            }
            const auto seit = monatLesen(seit_, "Stufe seit", fehler);
            if (!seit) return false;
            if (*seit > *neu.beginn) {
                fehler = "Stufe seit " + seit->text() + ": dieser Monat liegt nach dem Beginn " +
                         neu.beginn->text() + ".";
                return false;
            }
            neu.aktuelleStufe = AktuelleStufe{stufe_->currentIndex(), *seit};
        }
        for (auto [f, stunden, anteil, name] :
             {std::tuple{anteilN_, stundenN_, &neu.anteilN, "Normalfall"},
              std::tuple{anteilI_, stundenI_, &neu.anteilI, "Individueller Fall"}}) {
            std::string grund;
            const auto wert = anteilLesen(feldtext(f), grund);
            stunden->setText(wert ? alsQString(wochenstundenText(*wert)) : QString());
            if (!wert) {
                if (fehler.empty()) fehler = std::string(name) + ": " + grund;
                continue;
            }
            *anteil = *wert;
        }
        if (!fehler.empty()) return false;
        erhoehungAb_->setEnabled(!feldtext(erhoehung_).empty());
        if (!feldtext(erhoehung_).empty()) {
            const auto prozent = erhoehungLesen(feldtext(erhoehung_), fehler);
            if (!prozent) return false;
            const auto ab = monatLesen(erhoehungAb_, "Erhöhung ab", fehler);
            if (!ab) return false;
            neu.erhoehung = AngenommeneErhoehung{*prozent, *ab};
        }
        return true;
    };
    if (gelesen() && pruefung_.pruefen) fehler = pruefung_.pruefen(neu);
    if (fehler.empty())
        angaben_ = neu;
    else
        angaben_.reset();
    grund_->setText(angaben_ ? QString() : alsQString(fehler));
    knoepfe_->button(QDialogButtonBox::Ok)->setEnabled(angaben_.has_value());
}

}  // namespace korvalt
