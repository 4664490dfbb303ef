// Lays out the year view and fills it from the case.
#include "jahresansicht.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include "bildschirmeinpassung.h"
#include "jahresdiagramm.h"
#include "sitzung.h"

namespace korvalt {

namespace {

constexpr int spaltenzahl = 8;

// The heads of the year table: the pay by the case's default name, the bonus by its mark; names of
// their own are too long for a column and are given by their marks, which a line above explains.
QStringList spaltenkoepfe(const Fallnamen& namen) {
    const auto q = [](const std::string& text) { return QString::fromStdString(text); };
    const auto [n, i] = fallzeichen(namen);
    const bool standard = namen.standard();
    return {"Jahr",
            "Monate",
            "Entgelt\n" + q(standard ? namen.normal : n),
            "Sonder-\nzahlung " + q(n),
            "Entgelt\n" + q(standard ? namen.individuell : i),
            "Sonder-\nzahlung " + q(i),
            "Differenz",
            "Differenz\nkumuliert"};
}

// The heads' hints name each case in full.
QStringList spaltenhinweise(const Fallnamen& namen) {
    const QString n = QString::fromStdString(namen.normal);
    const QString i = QString::fromStdString(namen.individuell);
    return {"Jahr",         "Monate",
            "Entgelt " + n, "Sonderzahlung " + n,
            "Entgelt " + i, "Sonderzahlung " + i,
            "Differenz",    "Differenz kumuliert"};
}

// Sets a cell's text and weight where they changed, so that the table repaints only those cells.
void zelleSetzen(QTableWidget& tabelle, int zeile, int spalte, const std::string& text, bool fett) {
    QTableWidgetItem* z = tabelle.item(zeile, spalte);
    if (!z) {
        z = new QTableWidgetItem;
        z->setTextAlignment(Qt::AlignVCenter | (spalte > 0 ? Qt::AlignRight : Qt::AlignLeft));
        tabelle.setItem(zeile, spalte, z);
    }
    const QString neu = QString::fromStdString(text);
    if (z->text() != neu) z->setText(neu);
    if (z->font().bold() != fett) {
        QFont f = z->font();
        f.setBold(fett);
        z->setFont(f);
    }
}

}  // namespace

Jahresansicht::Jahresansicht(Sitzung& sitzung, QWidget* eltern)
    : QDialog(eltern), sitzung_(sitzung) {
    setWindowTitle("Jahresübersicht");
    setObjectName("Jahresansicht");

    inhalt_ = new QWidget(this);
    auto* inhaltLayout = new QVBoxLayout(inhalt_);
    inhaltLayout->setContentsMargins(0, 0, 0, 0);
    satz_ = new QLabel(inhalt_);
    QFont gross = satz_->font();
    gross.setBold(true);
    gross.setPointSizeF(gross.pointSizeF() * 1.15);
    satz_->setFont(gross);
    satz_->setWordWrap(true);
    zahlen_ = new QLabel(inhalt_);
    zahlen_->setObjectName("Ausgleichszahlen");
    grund_ = new QLabel(inhalt_);
    grund_->setWordWrap(true);
    fallnamen_ = new QLabel(inhalt_);
    fallnamen_->setObjectName("Fallnamen");
    tabelle_ = new QTableWidget(0, spaltenzahl, inhalt_);
    tabelle_->verticalHeader()->hide();
    // One line a year, the same height on the first fill as later: sized to the contents, the rows
    // took the height of texts wrapped in columns not yet laid out.
    tabelle_->setWordWrap(false);
    tabelle_->verticalHeader()->setDefaultSectionSize(tabelle_->fontMetrics().height() + 8);
    tabelle_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The table asks for the width of its columns, each sized to its texts once per fill; the
    // chart takes the rest.
    tabelle_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    tabelle_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    diagramm_ = jahresdiagrammErzeugen(inhalt_, diagrammFehler_);
    auto* teile = new QHBoxLayout;
    teile->addWidget(tabelle_);
    teile->addWidget(diagramm_, 1);
    inhaltLayout->addWidget(satz_);
    inhaltLayout->addWidget(zahlen_);
    inhaltLayout->addWidget(grund_);
    inhaltLayout->addWidget(fallnamen_);
    inhaltLayout->addLayout(teile, 1);

    schalter_ = new QCheckBox("mit &Jahressonderzahlung", this);
    connect(schalter_, &QCheckBox::toggled, this, [this](bool an) { sonderzahlungSchalten(an); });
    drucken_ = new QPushButton("&Drucken…", this);
    alsPdf_ = new QPushButton("Als &PDF…", this);
    auto* schliessen = new QPushButton("&Schließen", this);
    connect(drucken_, &QPushButton::clicked, this, [this] {
        if (druckarbeit_) druckarbeit_();
    });
    connect(alsPdf_, &QPushButton::clicked, this, [this] {
        if (pdfarbeit_) pdfarbeit_();
    });
    connect(schliessen, &QPushButton::clicked, this, &QDialog::close);
    drucken_->setEnabled(false);
    alsPdf_->setEnabled(false);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(schalter_);
    knoepfe->addStretch(1);
    knoepfe->addWidget(drucken_);
    knoepfe->addWidget(alsPdf_);
    knoepfe->addWidget(schliessen);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(inhalt_, 1);
    layout->addLayout(knoepfe);
    resize(1180, 600);
    beimOeffnenEinpassen(*this);
    neuBerechnen();
}

Jahresansicht::~Jahresansicht() = default;

// The box shows the case's own switch: it is saved with the case, and the printout and the
// command line read it there. The recalculation shows the change, and the window marks it.
void Jahresansicht::sonderzahlungSchalten(bool an) {
    Kalenderangaben angaben = sitzung_.tabellen().kalender;
    if (angaben.mitSonderzahlung == an) return;
    angaben.mitSonderzahlung = an;
    std::string fehler;
    if (sitzung_.kalenderSetzen(angaben, fehler) && rechnen_)
        rechnen_();
    else
        neuBerechnen();
}

void Jahresansicht::setzeDruckarbeit(std::function<void()> drucken, std::function<void()> alsPdf) {
    druckarbeit_ = std::move(drucken);
    pdfarbeit_ = std::move(alsPdf);
    drucken_->setEnabled(bool(druckarbeit_));
    alsPdf_->setEnabled(bool(pdfarbeit_));
}

void Jahresansicht::schalterZeigen() {
    const QSignalBlocker still(schalter_);
    schalter_->setChecked(sitzung_.tabellen().kalender.mitSonderzahlung);
}

void Jahresansicht::vormerken() {
    schalterZeigen();
    veraltet_ = true;
    if (!isVisible() || nachholenGeplant_) return;
    nachholenGeplant_ = true;
    QMetaObject::invokeMethod(
        this, [this] { nachholen(); }, Qt::QueuedConnection);
}

void Jahresansicht::nachholen() {
    nachholenGeplant_ = false;
    if (veraltet_ && isVisible()) neuBerechnen();
}

void Jahresansicht::showEvent(QShowEvent* ereignis) {
    if (veraltet_) neuBerechnen();
    QDialog::showEvent(ereignis);
}

const Jahresdaten& Jahresansicht::daten() {
    if (veraltet_) neuBerechnen();
    return daten_;
}

Jahresdiagramm& Jahresansicht::diagramm() {
    if (veraltet_) neuBerechnen();
    return *diagramm_;
}

void Jahresansicht::neuBerechnen() {
    veraltet_ = false;
    ++neuberechnungen_;
    daten_ = jahresdatenBilden(sitzung_, true);
    schalterZeigen();
    satz_->setText(QString::fromStdString(ausgleichSatz(daten_)));
    zahlen_->setText(QString::fromStdString(ausgleichZahlen(daten_)));
    grund_->setText(QString::fromStdString(daten_.sonderzahlungGrund));
    grund_->setVisible(!daten_.sonderzahlungMoeglich);
    schalter_->setEnabled(daten_.sonderzahlungMoeglich);
    const std::string namen = fallnamenZeile(daten_.namen);
    fallnamen_->setText(QString::fromStdString(namen));
    fallnamen_->setVisible(!namen.empty());
    tabelleFuellen();
    diagramm_->zeigen(diagrammdatenBilden(daten_));
}

void Jahresansicht::tabelleFuellen() {
    const Jahresuebersicht& u = daten_.uebersicht;
    // The head's hint gives the case's whole name.
    const QStringList koepfe = spaltenkoepfe(daten_.namen);
    const QStringList hinweise = spaltenhinweise(daten_.namen);
    for (int s = 0; s < spaltenzahl; ++s) {
        auto* kopf = new QTableWidgetItem(koepfe[s]);
        kopf->setToolTip(hinweise[s]);
        tabelle_->setHorizontalHeaderItem(s, kopf);
    }
    tabelle_->setRowCount(int(u.jahre.size()) + 1);
    auto zeileSetzen = [&](int zeile, const Jahreszeile& z, bool mitKumuliert, bool fett) {
        auto betrag = [&](std::int64_t cent) { return jahresbetragAnzeige(daten_, cent); };
        auto bonus = [&](std::int64_t cent) {
            return daten_.mitSonderzahlung ? betrag(cent) : std::string("\u2013");
        };
        const std::string werte[] = {
            z.bezeichnung,       std::to_string(z.monate),
            betrag(z.centN),     bonus(z.sonderzahlungN),
            betrag(z.centI),     bonus(z.sonderzahlungI),
            betrag(z.differenz), mitKumuliert ? betrag(z.kumuliert) : std::string()};
        for (int s = 0; s < int(std::size(werte)); ++s)
            zelleSetzen(*tabelle_, zeile, s, werte[s], fett);
    };
    for (int i = 0; i < int(u.jahre.size()); ++i)
        zeileSetzen(i, u.jahre[std::size_t(i)], true, false);
    zeileSetzen(int(u.jahre.size()), u.gesamt, false, true);
    // Each column as wide as its widest text, the bold total and the two-line headings included:
    // measured here, once per fill, so that painting measures nothing.
    tabelle_->resizeColumnsToContents();
}

}  // namespace korvalt
