// The dialog of the case's person.
#include "persondialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogteile.h"
#include "qtumwandlung.h"

namespace korvalt {

namespace {

// The object names the tests find the fields by, in the order of `personenfelder`.
constexpr const char* feldnamen[] = {"Name", "Personalnummer", "Dienststelle", "Bearbeiter"};
// The labels with their mnemonics.
constexpr const char* beschriftungen[] = {
    "&Name:", "&Personalnummer:", "&Dienststelle:", "&Bearbeiter(in):"};
static_assert(std::size(feldnamen) == personenfelder.size());

}  // namespace

Persondialog::Persondialog(const Personenangaben& jetzt, QWidget* eltern) : QDialog(eltern) {
    setObjectName("Persondialog");
    setWindowTitle(QStringLiteral("Angaben zur Person"));

    auto* formular = new QFormLayout;
    for (std::size_t i = 0; i < personenfelder.size(); ++i) {
        auto* feld = new QLineEdit(alsQString(jetzt.*personenfelder[i].text), this);
        feld->setObjectName(QString::fromLatin1(feldnamen[i]));
        // Wide enough for the longest text a field can hold in plain letters.
        feld->setMinimumWidth(feld->fontMetrics().averageCharWidth() * 50);
        formular->addRow(QString::fromUtf8(beschriftungen[i]), feld);
        felder_[i] = feld;
    }
    auto* hinweis = new QLabel(
        QStringLiteral("Die Angaben stehen im Titel und auf jedem Ausdruck; jedes Feld fasst "
                       "%1 Zeichen (ä, ö, ü und ß zählen doppelt).")
            .arg(groessteAngabenlaenge),
        this);
    hinweis->setWordWrap(true);

    grund_ = grundzeile(*this);
    knoepfe_ = okAbbrechen(*this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(formular);
    layout->addWidget(hinweis);
    layout->addWidget(grund_);
    layout->addWidget(knoepfe_);

    for (QLineEdit* f : felder_) connect(f, &QLineEdit::textChanged, this, [this] { pruefen(); });
    pruefen();
}

std::string Persondialog::grund() const {
    return grund_->text().toStdString();
}

// Every field is read anew on each change; the first that cannot be saved names the reason.
void Persondialog::pruefen() {
    Personenangaben neu;
    std::string fehler;
    for (std::size_t i = 0; i < personenfelder.size() && fehler.empty(); ++i) {
        const std::string text = angabeBereinigt(felder_[i]->text().toStdString());
        fehler = personenangabePruefen(personenfelder[i].bezeichnung, text);
        neu.*personenfelder[i].text = text;
    }
    if (fehler.empty())
        angaben_ = neu;
    else
        angaben_.reset();
    grund_->setText(alsQString(fehler));
    knoepfe_->button(QDialogButtonBox::Ok)->setEnabled(angaben_.has_value());
}

}  // namespace korvalt
