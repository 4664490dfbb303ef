// The dialog of the promotion check.
#include "hoehergruppierungsdialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "dialogteile.h"
#include "prozentzahlen.h"
#include "qtumwandlung.h"

namespace korvalt {

namespace {

QComboBox* auswahl(QWidget* eltern, const char* name) {
    auto* c = new QComboBox(eltern);
    c->setObjectName(QString::fromLatin1(name));
    return c;
}

std::string auswahlText(const QComboBox* c) {
    return c->currentText().toStdString();
}

// A month that must be given, or nothing with a German reason naming the entry.
std::optional<KalenderMonat> monatLesen(const QLineEdit* f, const char* wofuer,
                                        std::string& fehler) {
    if (feldtext(f).empty()) {
        fehler = std::string(wofuer) + ": Bitte den Monat eingeben (MM/JJJJ, etwa 07/2026).";
        return std::nullopt;
    }
    std::string grund;
    const auto monat = kalenderMonatLesen(feldtext(f), grund);
    if (!monat) fehler = std::string(wofuer) + ": " + grund;
    return monat;
}

}  // namespace

Hoehergruppierungsdialog::Hoehergruppierungsdialog(const Hoehergruppierungsvorschlag& vorschlag,
                                                   Hoehergruppierungspruefung pruefung,
                                                   QWidget* eltern)
    : QDialog(eltern), pruefung_(std::move(pruefung)) {
    setObjectName("Hoehergruppierungsdialog");
    setWindowTitle(QStringLiteral("Höhergruppierung prüfen"));
    const Hoehergruppierung& h = vorschlag.angaben;

    seite_ = auswahl(this, "Seite");
    for (const Tariftabelle& t : pruefung_.tabellen) {
        seite_->addItem(alsQString(t.menuetitel()), alsQString(t.schluessel));
        if (t.schluessel == h.tabelle) seite_->setCurrentIndex(seite_->count() - 1);
    }
    gruppe_ = auswahl(this, "Gruppe");
    stufe_ = auswahl(this, "Stufe");
    for (int s = 1; s <= hoechsteAktuelleStufe; ++s) stufe_->addItem(QString::number(s));
    stufe_->setCurrentIndex(std::clamp(h.stufe.stufe, 1, hoechsteAktuelleStufe) - 1);
    seit_ = feld(this, "Seit", vorschlag.mitSeit ? h.stufe.seit.text() : "", "MM/JJJJ");
    ziel_ = auswahl(this, "Zielgruppe");
    zum_ = feld(this, "Zum", vorschlag.mitZum ? h.zum.text() : "", "MM/JJJJ");
    anteil_ = feld(this, "Anteil", anteilText(h.anteil), "1 bis 100 %");
    stunden_ = new QLabel(this);
    stunden_->setObjectName("Stunden");
    erhoehung_ = feld(this, "Erhoehung",
                      h.erhoehung ? erhoehungsprozentText(h.erhoehung->zehntelProzent) : "",
                      "% jährlich, leer: keine");
    erhoehungAb_ = feld(this, "ErhoehungAb",
                        (h.erhoehung ? h.erhoehung->ab : standardErhoehungAb).text(), "MM/JJJJ");
    beginn_ = feld(this, "Beginn", h.beginn ? h.beginn->text() : "", "");
    ende_ = feld(this, "Ende", h.ende ? h.ende->text() : "", "");

    // The side's groups and the targets above the group shown first.
    if (!pruefung_.tabellen.empty()) {
        gruppe_->addItem(alsQString(h.gruppe));
        gruppenFuellen();
        ziel_->addItem(alsQString(h.zielgruppe));
        zieleFuellen();
    }

    auto* erklaerung = new QLabel(
        QStringLiteral("Korvalt rechnet zwei Fälle über dieselben Monate: ohne Höhergruppierung "
                       "(die Stufen der heutigen Entgeltgruppe laufen weiter) und mit "
                       "Höhergruppierung zum gewählten Monat."),
        this);
    erklaerung->setWordWrap(true);

    auto* formular = new QFormLayout;
    formular->addRow(QStringLiteral("&Arbeitgeber:"), seite_);
    formular->addRow(QStringLiteral("Entgeltgruppe &heute:"), gruppe_);
    auto* seitText = new QLabel(QStringLiteral("seit"), this);
    formularzeile(*formular, QStringLiteral("&Stufe heute:"), {stufe_, seitText, seit_});
    auto* zumText = new QLabel(QStringLiteral("zum"), this);
    formularzeile(*formular, QStringLiteral("Höhergruppierung &nach:"), {ziel_, zumText, zum_});
    formularzeile(*formular, QStringLiteral("&Teilzeit beider Fälle:"), {anteil_, stunden_});
    formular->addRow(QStringLiteral("Angenommene &Erhöhung:"), erhoehung_);
    formular->addRow(QStringLiteral("Erhöhung a&b:"), erhoehungAb_);
    formular->addRow(QStringLiteral("Be&ginn (erster Monat):"), beginn_);
    formular->addRow(QStringLiteral("bis (letzter &Monat):"), ende_);

    grund_ = grundzeile(*this);
    knoepfe_ = okAbbrechen(*this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(erklaerung);
    layout->addLayout(formular);
    layout->addWidget(grund_);
    layout->addWidget(knoepfe_);

    QWidget* const reihe[] = {seite_,  gruppe_,    stufe_,       seit_,   ziel_, zum_,
                              anteil_, erhoehung_, erhoehungAb_, beginn_, ende_, knoepfe_};
    for (std::size_t i = 1; i < std::size(reihe); ++i) setTabOrder(reihe[i - 1], reihe[i]);

    connect(seite_, &QComboBox::currentIndexChanged, this, [this] {
        gruppenFuellen();
        zieleFuellen();
        pruefen();
    });
    connect(gruppe_, &QComboBox::currentIndexChanged, this, [this] {
        zieleFuellen();
        pruefen();
    });
    for (QComboBox* c : {stufe_, ziel_})
        connect(c, &QComboBox::currentIndexChanged, this, [this] { pruefen(); });
    for (QLineEdit* f : {seit_, zum_, anteil_, erhoehung_, erhoehungAb_, beginn_, ende_})
        connect(f, &QLineEdit::textChanged, this, [this] { pruefen(); });
    resize(520, sizeHint().height());
    pruefen();
}

const Tariftabelle& Hoehergruppierungsdialog::tabelle() const {
    return pruefung_.tabellen[std::size_t(std::max(seite_->currentIndex(), 0))];
}

void Hoehergruppierungsdialog::gruppenFuellen() {
    const QSignalBlocker still(gruppe_);
    const QString bisher = gruppe_->currentText();
    gruppe_->clear();
    const Tariftabelle& t = tabelle();
    for (int g = 1; g < t.gruppenzahl(); ++g) gruppe_->addItem(alsQString(t.gruppentext(g)));
    gruppe_->setCurrentIndex(std::max(gruppe_->findText(bisher), 0));
}

void Hoehergruppierungsdialog::zieleFuellen() {
    const QSignalBlocker still(ziel_);
    const QString bisher = ziel_->currentText();
    ziel_->clear();
    const Tariftabelle& t = tabelle();
    const int heute = t.gruppennummer(auswahlText(gruppe_)).value_or(1);
    for (int g = heute + 1; g <= std::min(heute + 3, t.gruppenzahl()); ++g)
        ziel_->addItem(alsQString(t.gruppentext(g)));
    ziel_->setCurrentIndex(std::max(ziel_->findText(bisher), 0));
}

std::string Hoehergruppierungsdialog::grund() const {
    return grund_->text().toStdString();
}

// Every entry is read anew on each change; the first invalid one names the reason, then the case's
// check of the whole promotion. Beginn and Ende left empty show the months they default to.
void Hoehergruppierungsdialog::pruefen() {
    std::string fehler;
    const auto gelesen = [&]() -> std::optional<Hoehergruppierung> {
        if (pruefung_.tabellen.empty()) {
            fehler =
                "Ohne Tabellen nach Datum (VKA oder Bund) lässt sich keine Höhergruppierung "
                "prüfen.";
            return std::nullopt;
        }
        Hoehergruppierung h;
        h.tabelle = tabelle().schluessel;
        h.gruppe = auswahlText(gruppe_);
        h.zielgruppe = auswahlText(ziel_);
        const auto seit = monatLesen(seit_, "Stufe seit", fehler);
        if (!seit) return std::nullopt;
        h.stufe = AktuelleStufe{stufe_->currentIndex() + 1, *seit};
        const auto zum = monatLesen(zum_, "Höhergruppierung zum", fehler);
        if (!zum) return std::nullopt;
        h.zum = *zum;
        std::string grund;
        const auto anteil = anteilLesen(feldtext(anteil_), grund);
        stunden_->setText(anteil ? alsQString(wochenstundenText(*anteil)) : QString());
        if (!anteil) {
            fehler = "Teilzeit: " + grund;
            return std::nullopt;
        }
        h.anteil = *anteil;
        erhoehungAb_->setEnabled(!feldtext(erhoehung_).empty());
        if (!feldtext(erhoehung_).empty()) {
            const auto prozent = erhoehungLesen(feldtext(erhoehung_), fehler);
            if (!prozent) return std::nullopt;
            const auto ab = monatLesen(erhoehungAb_, "Erhöhung ab", fehler);
            if (!ab) return std::nullopt;
            h.erhoehung = AngenommeneErhoehung{*prozent, *ab};
        }
        beginn_->setPlaceholderText(alsQString(hoehergruppierungBeginn(h).text()) +
                                    QStringLiteral(" (Januar des Jahres der Höhergruppierung)"));
        if (!feldtext(beginn_).empty()) {
            h.beginn = beginnLesen(feldtext(beginn_), grund);
            if (!h.beginn) {
                fehler = "Beginn: " + grund;
                return std::nullopt;
            }
        }
        ende_->setPlaceholderText(alsQString(hoehergruppierungEnde(h).text()) +
                                  QStringLiteral(" (20 Jahre ab Beginn)"));
        if (!feldtext(ende_).empty()) {
            h.ende = monatLesen(ende_, "bis", fehler);
            if (!h.ende) return std::nullopt;
        }
        return h;
    };
    angaben_ = gelesen();
    if (angaben_ && pruefung_.pruefen) fehler = pruefung_.pruefen(*angaben_);
    if (!fehler.empty()) angaben_.reset();
    grund_->setText(alsQString(fehler));
    knoepfe_->button(QDialogButtonBox::Ok)->setEnabled(angaben_.has_value());
}

}  // namespace korvalt
