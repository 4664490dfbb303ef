// Lays out the breakdown of a month and fills it from the case's net pay.
#include "aufschluesselungsansicht.h"

#include <algorithm>

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "jahresdaten.h"
#include "qtumwandlung.h"
#include "sitzung.h"
#include "zahlen.h"

namespace korvalt {

namespace {

// An amount with a typographic minus (U+2212), as a pay slip writes it; a deduction is written as
// taken off.
QString betrag(std::int64_t cent) {
    if (cent < 0) return alsQString("\u2212" + centTausenderText(-cent));
    return alsQString(centTausenderText(cent));
}

}  // namespace

Aufschluesselungsansicht::Aufschluesselungsansicht(const Sitzung& sitzung, QWidget* eltern)
    : QDialog(eltern), sitzung_(sitzung) {
    setObjectName("Aufschluesselung");
    setWindowTitle(QStringLiteral("Monat aufgeschlüsselt"));
    titel_ = new QLabel(this);
    titel_->setObjectName("Monat");
    QFont fett = titel_->font();
    fett.setBold(true);
    titel_->setFont(fett);
    grund_ = new QLabel(this);
    grund_->setObjectName("Grund");
    grund_->setWordWrap(true);
    fallnamen_ = new QLabel(this);
    fallnamen_->setObjectName("Fallnamen");
    tabelle_ = new QTableWidget(0, 4, this);
    tabelle_->verticalHeader()->hide();
    tabelle_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabelle_->setSelectionMode(QAbstractItemView::NoSelection);
    tabelle_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int s = 1; s <= 3; ++s)
        tabelle_->horizontalHeader()->setSectionResizeMode(s, QHeaderView::ResizeToContents);
    hinweise_ = new QLabel(this);
    hinweise_->setObjectName("Hinweise");
    hinweise_->setWordWrap(true);

    voriger_ = new QPushButton(QStringLiteral("&Voriger Monat"), this);
    naechster_ = new QPushButton(QStringLiteral("&Nächster Monat"), this);
    auto* schliessen = new QPushButton(QStringLiteral("&Schließen"), this);
    connect(voriger_, &QPushButton::clicked, this, [this] { monatZeigen(monat_ - 1); });
    connect(naechster_, &QPushButton::clicked, this, [this] { monatZeigen(monat_ + 1); });
    connect(schliessen, &QPushButton::clicked, this, &QDialog::close);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(voriger_);
    knoepfe->addWidget(naechster_);
    knoepfe->addStretch(1);
    knoepfe->addWidget(schliessen);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(titel_);
    layout->addWidget(grund_);
    layout->addWidget(fallnamen_);
    layout->addWidget(tabelle_, 1);
    layout->addWidget(hinweise_);
    layout->addLayout(knoepfe);
    resize(620, 560);
}

void Aufschluesselungsansicht::monatZeigen(int monat) {
    const int monate = std::max(1, int(sitzung_.daten().monatsanzahl));
    monat_ = std::clamp(monat, 1, monate);
    const Nettofall* netto = sitzung_.netto();
    aufschluesselung_ = netto ? aufschluesselungBilden(*netto, monat_) : std::nullopt;
    std::string grund;
    if (!netto)
        grund = sitzung_.nettoGrund().empty()
                    ? "Für die Aufschlüsselung braucht der Fall Angaben zu Steuer und "
                      "Sozialversicherung (Fall \u203A Steuer und Sozialversicherung…)."
                    : "Ohne Nettolohn: " + sitzung_.nettoGrund();
    grund_->setText(alsQString(grund));
    grund_->setVisible(!grund.empty());
    titel_->setText(aufschluesselung_
                        ? alsQString("Monat " + aufschluesselungTitel(*aufschluesselung_))
                        : QString());
    std::string hinweise = aufschluesselung_ ? aufschluesselung_->hinweis : std::string();
    if (netto)
        for (const std::string& zeile : nettohinweise(*netto))
            hinweise += (hinweise.empty() ? "" : "\n") + zeile;
    hinweise_->setText(alsQString(hinweise));
    voriger_->setEnabled(aufschluesselung_ && monat_ > 1);
    naechster_->setEnabled(aufschluesselung_ && monat_ < monate);
    fallnamenZeigen();
    tabelleFuellen();
}

// The cases by their names as the year view gives them: the default names whole, names of their
// own by their marks, explained in a line above and given whole in the heads' hints.
void Aufschluesselungsansicht::fallnamenZeigen() {
    const Fallnamen& namen = sitzung_.tabellen().namen;
    const auto [n, i] = fallzeichen(namen);
    const bool standard = namen.standard();
    const QString koepfe[] = {QString(), alsQString(standard ? namen.normal : n),
                              alsQString(standard ? namen.individuell : i),
                              QStringLiteral("Differenz")};
    const QString hinweise[] = {QString(), alsQString(namen.normal), alsQString(namen.individuell),
                                QStringLiteral("Differenz")};
    for (int s = 0; s < 4; ++s) {
        auto* kopf = new QTableWidgetItem(koepfe[s]);
        kopf->setToolTip(hinweise[s]);
        tabelle_->setHorizontalHeaderItem(s, kopf);
    }
    const std::string zeile = fallnamenZeile(namen);
    fallnamen_->setText(alsQString(zeile));
    fallnamen_->setVisible(!zeile.empty());
}

void Aufschluesselungsansicht::tabelleFuellen() {
    using Art = Aufschluesselungszeile::Art;
    const auto& zeilen =
        aufschluesselung_ ? aufschluesselung_->zeilen : std::vector<Aufschluesselungszeile>{};
    tabelle_->setRowCount(int(zeilen.size()));
    for (int r = 0; r < int(zeilen.size()); ++r) {
        const Aufschluesselungszeile& z = zeilen[std::size_t(r)];
        const bool abzug = z.art == Art::abzug || z.art == Art::davon;
        const QString texte[] = {alsQString((z.art == Art::davon ? "    " : "") + z.bezeichnung),
                                 betrag(abzug ? -z.cent[0] : z.cent[0]),
                                 betrag(abzug ? -z.cent[1] : z.cent[1]), betrag(z.differenz())};
        for (int s = 0; s < 4; ++s) {
            auto* zelle = new QTableWidgetItem(texte[s]);
            zelle->setTextAlignment(Qt::AlignVCenter | (s == 0 ? Qt::AlignLeft : Qt::AlignRight));
            QFont f = zelle->font();
            f.setBold(z.art == Art::netto);
            f.setItalic(z.art == Art::davon);
            zelle->setFont(f);
            tabelle_->setItem(r, s, zelle);
        }
    }
}

}  // namespace korvalt
