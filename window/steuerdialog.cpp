// The dialog of the case's tax and insurance settings.
#include "steuerdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dezimaltext.h"
#include "dialogteile.h"
#include "qtumwandlung.h"

namespace korvalt {

namespace {

// A rate in hundredths of a percent as typed: "2,9" for 290.
std::string prozentFeldtext(Prozentsatz satz) {
    return ohneNullenAmEnde(dezimalText(satz.inZehntausendsteln(), 4));
}

// The choices of the fund, in the order of the list.
enum Kassenwahl { vblWest, eigeneSaetze, keine };

Kassenwahl kassenwahl(const Steuerangaben& a) {
    if (a.versorgungskasse == Versorgungskasse::vblWest) return vblWest;
    return a.ohneZusatzversorgung() ? keine : eigeneSaetze;
}

}  // namespace

Steuerdialog::Steuerdialog(const std::optional<Steuerangaben>& jetzt, Steuerpruefung pruefung,
                           QWidget* eltern)
    : QDialog(eltern), pruefung_(std::move(pruefung)) {
    setObjectName("Steuerdialog");
    setWindowTitle(QStringLiteral("Steuer und Sozialversicherung"));
    const Steuerangaben a = jetzt.value_or(neueSteuerangaben());

    netto_ = new QCheckBox(QStringLiteral("&Nettolohn berechnen"), this);
    netto_->setObjectName("Nettolohn");
    netto_->setChecked(jetzt.has_value());
    steuerklasse_ = new QComboBox(this);
    steuerklasse_->setObjectName("Steuerklasse");
    for (int k = kleinsteSteuerklasse; k <= groessteSteuerklasse; ++k)
        steuerklasse_->addItem(alsQString(steuerklasseText(k)));
    steuerklasse_->setCurrentIndex(a.steuerklasse - kleinsteSteuerklasse);
    kinderfreibetraege_ =
        feld(this, "Kinderfreibetraege", kinderfreibetraegeText(a.kinderfreibetraegeZehntel),
             "0 bis 9,5 in Schritten von 0,5");
    kirchensteuer_ = new QComboBox(this);
    kirchensteuer_->setObjectName("Kirchensteuer");
    kirchensteuer_->addItems(
        {QStringLiteral("keine"), QStringLiteral("8 %"), QStringLiteral("9 %")});
    kirchensteuer_->setCurrentIndex(a.kirchensteuerProzent == 8   ? 1
                                    : a.kirchensteuerProzent == 9 ? 2
                                                                  : 0);
    kinder_ = feld(this, "Kinder", std::to_string(a.kinder),
                   "0: kinderlos, sonst die Zahl der Kinder unter 25");
    sachsen_ = new QCheckBox(QStringLiteral("Beschäftigungsort in Sa&chsen"), this);
    sachsen_->setObjectName("Sachsen");
    sachsen_->setChecked(a.sachsen);
    versicherung_ = new QComboBox(this);
    versicherung_->setObjectName("Krankenversicherung");
    versicherung_->addItems({QStringLiteral("gesetzlich"), QStringLiteral("privat")});
    versicherung_->setCurrentIndex(a.privatVersichert() ? 1 : 0);
    zusatzbeitrag_ = feld(this, "Zusatzbeitrag",
                          a.zusatzbeitrag ? prozentFeldtext(*a.zusatzbeitrag) : std::string(),
                          "% der Krankenkasse, leer: Durchschnitt des Jahres");
    privatbeitrag_ = feld(this, "Privatbeitrag",
                          a.privatbeitrag ? dezimalText(*a.privatbeitrag, 2) : std::string(),
                          "€ im Monat für Kranken- und Pflegeversicherung");
    versorgungskasse_ = new QComboBox(this);
    versorgungskasse_->setObjectName("Zusatzversorgungskasse");
    versorgungskasse_->addItems(
        {QStringLiteral("VBL West"), QStringLiteral("eigene Sätze"), QStringLiteral("keine")});
    versorgungskasse_->setCurrentIndex(kassenwahl(a));
    zusatzversorgung_ =
        feld(this, "Zusatzversorgung",
             a.zusatzversorgung.positiv() ? prozentFeldtext(a.zusatzversorgung) : std::string(),
             "% Anteil des Beschäftigten, leer: keiner");
    umlage_ = feld(this, "Umlage", a.umlage.positiv() ? prozentFeldtext(a.umlage) : std::string(),
                   "% Umlage des Arbeitgebers, leer: keine");

    auto* formular = new QFormLayout;
    formular->addRow(netto_);
    formular->addRow(QStringLiteral("Steuer&klasse:"), steuerklasse_);
    formular->addRow(QStringLiteral("Kinder&freibeträge:"), kinderfreibetraege_);
    formular->addRow(QStringLiteral("Kirchen&steuer:"), kirchensteuer_);
    formular->addRow(QStringLiteral("K&inder (Pflegeversicherung):"), kinder_);
    formular->addRow(sachsen_);
    formular->addRow(QStringLiteral("K&rankenversicherung:"), versicherung_);
    formular->addRow(QStringLiteral("&Zusatzbeitrag:"), zusatzbeitrag_);
    formular->addRow(QStringLiteral("&Monatsbeitrag privat:"), privatbeitrag_);
    formular->addRow(QStringLiteral("Zusatz&versorgung:"), versorgungskasse_);
    formular->addRow(QStringLiteral("&Anteil des Beschäftigten:"), zusatzversorgung_);
    formular->addRow(QStringLiteral("&Umlage des Arbeitgebers:"), umlage_);

    grund_ = grundzeile(*this);
    knoepfe_ = okAbbrechen(*this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(formular);
    layout->addWidget(grund_);
    layout->addWidget(knoepfe_);

    connect(netto_, &QCheckBox::toggled, this, [this] { pruefen(); });
    connect(sachsen_, &QCheckBox::toggled, this, [this] { pruefen(); });
    for (QComboBox* c : {steuerklasse_, kirchensteuer_, versicherung_, versorgungskasse_})
        connect(c, &QComboBox::currentIndexChanged, this, [this] { pruefen(); });
    for (QLineEdit* f :
         {kinderfreibetraege_, kinder_, zusatzbeitrag_, privatbeitrag_, zusatzversorgung_, umlage_})
        connect(f, &QLineEdit::textChanged, this, [this] { pruefen(); });
    pruefen();
}

std::string Steuerdialog::grund() const {
    return grund_->text().toStdString();
}

// Every entry is read anew on each change; the first invalid one names the reason. Without net
// pay the entries keep what was typed, greyed out.
void Steuerdialog::pruefen() {
    const bool an = netto_->isChecked() && pruefung_.ohneNetto.empty();
    netto_->setEnabled(pruefung_.ohneNetto.empty() || netto_->isChecked());
    const bool privat = versicherung_->currentIndex() == 1;
    const bool eigene = versorgungskasse_->currentIndex() == eigeneSaetze;
    for (QWidget* f :
         std::initializer_list<QWidget*>{steuerklasse_, kinderfreibetraege_, kirchensteuer_,
                                         kinder_, sachsen_, versicherung_, versorgungskasse_})
        f->setEnabled(an);
    zusatzbeitrag_->setEnabled(an && !privat);
    privatbeitrag_->setEnabled(an && privat);
    zusatzversorgung_->setEnabled(an && eigene);
    umlage_->setEnabled(an && eigene);

    std::string fehler;
    Steuerangaben a;
    const auto gelesen = [&]() -> bool {
        a.steuerklasse = steuerklasse_->currentIndex() + kleinsteSteuerklasse;
        if (!feldtext(kinderfreibetraege_).empty()) {
            const auto z = kinderfreibetraegeLesen(feldtext(kinderfreibetraege_), fehler);
            if (!z) return false;
            a.kinderfreibetraegeZehntel = *z;
        }
        a.kirchensteuerProzent = kirchensteuer_->currentIndex() == 0   ? 0
                                 : kirchensteuer_->currentIndex() == 1 ? 8
                                                                       : 9;
        const auto kinder = kinderLesen(feldtext(kinder_), fehler);
        if (!kinder) return false;
        a.kinder = *kinder;
        a.sachsen = sachsen_->isChecked();
        if (privat) {
            a.privatbeitrag = privatbeitragLesen(feldtext(privatbeitrag_), fehler);
            if (!a.privatbeitrag) return false;
        } else if (!feldtext(zusatzbeitrag_).empty()) {
            a.zusatzbeitrag = zusatzbeitragLesen(feldtext(zusatzbeitrag_), fehler);
            if (!a.zusatzbeitrag) return false;
        }
        // The rates of VBL West and of none are not typed; own rates typed stay in their
        // fields while another fund is chosen.
        if (versorgungskasse_->currentIndex() == vblWest)
            a.versorgungskasse = Versorgungskasse::vblWest;
        if (eigene && !feldtext(zusatzversorgung_).empty()) {
            const auto anteil = zusatzversorgungLesen(feldtext(zusatzversorgung_), fehler);
            if (!anteil) return false;
            a.zusatzversorgung = *anteil;
        }
        if (eigene && !feldtext(umlage_).empty()) {
            const auto umlage = umlageLesen(feldtext(umlage_), fehler);
            if (!umlage) return false;
            a.umlage = *umlage;
        }
        fehler = steuerangabenPruefen(a);
        return fehler.empty();
    };
    // Settings the case cannot use stay as they are until net pay is switched off.
    std::optional<Steuerangaben> neu;
    if (netto_->isChecked() && !pruefung_.ohneNetto.empty())
        fehler = pruefung_.ohneNetto;
    else if (netto_->isChecked() && gelesen())
        neu = a;
    if (fehler.empty() && pruefung_.pruefen) fehler = pruefung_.pruefen(neu);
    gueltig_ = fehler.empty();
    angaben_ = gueltig_ ? neu : std::nullopt;
    grund_->setText(alsQString(fehler.empty() ? pruefung_.ohneNetto : fehler));
    knoepfe_->button(QDialogButtonBox::Ok)->setEnabled(gueltig_);
}

}  // namespace korvalt
