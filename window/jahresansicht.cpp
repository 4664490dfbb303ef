// Lays out the year view and fills it from the case.
#include "jahresansicht.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "bildschirmeinpassung.h"
#include "jahresdiagramm.h"
#include "qtumwandlung.h"
#include "sitzung.h"
#include "zellenzeichner.h"

namespace korvalt {

namespace {

constexpr int spaltenzahl = 8;
// With net pay four more follow: each case's net pay, their difference and its cumulation.
constexpr int nettospalten = 4;
// Net pay's four columns take room from the chart, and the view grows where the screen allows.
constexpr int breiteMitNetto = 1340;

// The heads of the year table: the pay by the case's default name, the bonus by its mark; names of
// their own are too long for a column and are given by their marks, which a line above explains.
QStringList spaltenkoepfe(const Fallnamen& namen, bool netto) {
    const auto q = [](const std::string& text) { return QString::fromStdString(text); };
    const auto [n, i] = fallzeichen(namen);
    const bool standard = namen.standard();
    const QString normal = q(standard ? namen.normal : n);
    const QString individuell = q(standard ? namen.individuell : i);
    QStringList koepfe{"Jahr",
                       "Monate",
                       "Entgelt\n" + normal,
                       "Sonder-\nzahlung " + q(n),
                       "Entgelt\n" + individuell,
                       "Sonder-\nzahlung " + q(i),
                       "Differenz",
                       "Differenz\nkumuliert"};
    if (netto)
        koepfe +=
            {"Netto\n" + normal, "Netto\n" + individuell, "Differenz\nnetto", "kumuliert\nnetto"};
    return koepfe;
}

// The heads' hints name each case in full.
QStringList spaltenhinweise(const Fallnamen& namen, bool netto) {
    const QString n = QString::fromStdString(namen.normal);
    const QString i = QString::fromStdString(namen.individuell);
    QStringList hinweise{"Jahr",         "Monate",
                         "Entgelt " + n, "Sonderzahlung " + n,
                         "Entgelt " + i, "Sonderzahlung " + i,
                         "Differenz",    "Differenz kumuliert"};
    if (netto)
        hinweise += {"Netto " + n, "Netto " + i, "Differenz netto", "Differenz netto kumuliert"};
    return hinweise;
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
    nettoSatz_ = new QLabel(inhalt_);
    nettoSatz_->setObjectName("Nettosatz");
    nettoSatz_->setFont(gross);
    nettoSatz_->setWordWrap(true);
    zahlen_ = new QLabel(inhalt_);
    zahlen_->setObjectName("Ausgleichszahlen");
    nettohinweise_ = new QLabel(inhalt_);
    nettohinweise_->setObjectName("Nettohinweise");
    nettohinweise_->setWordWrap(true);
    grund_ = new QLabel(inhalt_);
    grund_->setWordWrap(true);
    stufendaten_ = new QLabel(inhalt_);
    stufendaten_->setObjectName("Stufendaten");
    stufendaten_->setWordWrap(true);
    fallnamen_ = new QLabel(inhalt_);
    fallnamen_->setObjectName("Fallnamen");
    tabelle_ = new QTableWidget(0, spaltenzahl, inhalt_);
    tabelle_->verticalHeader()->hide();
    // One line a year, the same height on the first fill as later: sized to the contents, the rows
    // took the height of texts wrapped in columns not yet laid out.
    tabelle_->setWordWrap(false);
    tabelle_->verticalHeader()->setDefaultSectionSize(tabelle_->fontMetrics().height() + 8);
    tabelle_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Every Enter changes the amounts of most years: their texts are laid out once and kept.
    zellen_ = new Zellenzeichner(Zellenzeichner::ohneKurztext, tabelle_);
    tabelle_->setItemDelegate(zellen_);
    // The table asks for the width of its columns, each sized to its texts once per fill; the
    // chart takes the rest.
    tabelle_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    tabelle_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    diagramm_ = jahresdiagrammErzeugen(inhalt_, diagrammFehler_);
    auto* teile = new QHBoxLayout;
    teile->addWidget(tabelle_);
    teile->addWidget(diagramm_, 1);
    inhaltLayout->addWidget(satz_);
    inhaltLayout->addWidget(nettoSatz_);
    inhaltLayout->addWidget(zahlen_);
    inhaltLayout->addWidget(grund_);
    inhaltLayout->addWidget(nettohinweise_);
    inhaltLayout->addWidget(stufendaten_);
    inhaltLayout->addWidget(fallnamen_);
    inhaltLayout->addLayout(teile, 1);

    schalter_ = new QCheckBox("mit &Jahressonderzahlung", this);
    connect(schalter_, &QCheckBox::toggled, this, [this](bool an) { sonderzahlungSchalten(an); });
    nettoDiagramm_ = new QCheckBox("Diagramm &netto", this);
    nettoDiagramm_->setObjectName("DiagrammNetto");
    connect(nettoDiagramm_, &QCheckBox::toggled, this,
            [this](bool netto) { diagramm_->zeigen(diagrammdatenBilden(daten_, netto)); });
    drucken_ = new QPushButton("&Drucken…", this);
    alsPdf_ = new QPushButton("Als &PDF…", this);
    alsTabelle_ = new QPushButton("Als &Excel-Tabelle…", this);
    auto* schliessen = new QPushButton("&Schließen", this);
    connect(drucken_, &QPushButton::clicked, this, [this] {
        if (druckarbeit_) druckarbeit_();
    });
    connect(alsPdf_, &QPushButton::clicked, this, [this] {
        if (pdfarbeit_) pdfarbeit_();
    });
    connect(alsTabelle_, &QPushButton::clicked, this, [this] {
        if (tabellenarbeit_) tabellenarbeit_();
    });
    connect(schliessen, &QPushButton::clicked, this, &QDialog::close);
    drucken_->setEnabled(false);
    alsPdf_->setEnabled(false);
    alsTabelle_->setEnabled(false);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(schalter_);
    knoepfe->addWidget(nettoDiagramm_);
    knoepfe->addStretch(1);
    knoepfe->addWidget(drucken_);
    knoepfe->addWidget(alsPdf_);
    knoepfe->addWidget(alsTabelle_);
    knoepfe->addWidget(schliessen);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(inhalt_, 1);
    layout->addLayout(knoepfe);
    resize(1180, 600);
    beimOeffnenEinpassen(*this);
    neuBerechnen();
}

Jahresansicht::~Jahresansicht() = default;

bool Jahresansicht::diagrammNetto() const {
    return nettoDiagramm_->isChecked() && daten_.netto;
}

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

void Jahresansicht::setzeTabellenarbeit(std::function<void()> alsTabelle) {
    tabellenarbeit_ = std::move(alsTabelle);
    alsTabelle_->setEnabled(bool(tabellenarbeit_));
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
    // Both questions, the cumulated one and the one month by month, side by side.
    const auto beide = [](std::string erster, const std::string& zweiter) {
        return QString::fromStdString(zweiter.empty() ? erster : erster + " " + zweiter);
    };
    satz_->setText(beide(ausgleichSatz(daten_), monatlichSatz(daten_)));
    zahlen_->setText(QString::fromStdString(ausgleichZahlen(daten_)));
    grund_->setText(QString::fromStdString(daten_.sonderzahlungGrund));
    grund_->setVisible(!daten_.sonderzahlungMoeglich);
    schalter_->setEnabled(daten_.sonderzahlungMoeglich);
    const std::string namen = fallnamenZeile(daten_.namen);
    fallnamen_->setText(QString::fromStdString(namen));
    fallnamen_->setVisible(!namen.empty());
    nettoZeigen();
    tabelleFuellen();
    diagramm_->zeigen(diagrammdatenBilden(daten_, nettoDiagramm_->isChecked()));
}

// The net sentence and the notes where the case has net pay; why not where its tax settings
// cannot be used. The chart's switch stays as the user left it and counts once net pay is there.
void Jahresansicht::nettoZeigen() {
    // Each case on a line: „Stufen Normalfall: EGr. 9a Stufe 4 ab 04/2027, …“.
    std::string stufen;
    for (const std::string& zeile : daten_.stufendaten) {
        const bool kopf = zeile.rfind("  ", 0) != 0;
        stufen += kopf ? (stufen.empty() ? "" : "\n") + zeile
                       : (stufen.back() == ':' ? " " : ", ") + zeile.substr(2);
    }
    stufendaten_->setText(QString::fromStdString(stufen));
    stufendaten_->setVisible(!stufen.empty());
    const std::string monatlich = nettoMonatlichSatz(daten_);
    nettoSatz_->setText(QString::fromStdString(nettoAusgleichSatz(daten_) +
                                               (monatlich.empty() ? "" : " " + monatlich)));
    nettoSatz_->setVisible(daten_.netto.has_value());
    std::string hinweise = daten_.nettoGrund.empty() ? "" : "Ohne Nettolohn: " + daten_.nettoGrund;
    for (const std::string& zeile : daten_.nettohinweise)
        hinweise += (hinweise.empty() ? "" : " \u00B7 ") + zeile;
    nettohinweise_->setText(QString::fromStdString(hinweise));
    nettohinweise_->setVisible(!hinweise.empty());
    nettoDiagramm_->setEnabled(daten_.netto.has_value());
    const int spalten = spaltenzahl + (daten_.netto ? nettospalten : 0);
    if (tabelle_->columnCount() != spalten) {
        tabelle_->setColumnCount(spalten);
        spaltenbreitenNeu_ = true;
        const QScreen* bildschirm = screen();
        if (daten_.netto && width() < breiteMitNetto &&
            (!bildschirm || bildschirm->availableGeometry().width() >= breiteMitNetto))
            resize(breiteMitNetto, height());
    }
}

void Jahresansicht::tabelleFuellen() {
    const Jahresuebersicht& u = daten_.uebersicht;
    // The head's hint gives the case's whole name.
    const QStringList koepfe = spaltenkoepfe(daten_.namen, daten_.netto.has_value());
    const QStringList hinweise = spaltenhinweise(daten_.namen, daten_.netto.has_value());
    for (int s = 0; s < int(koepfe.size()); ++s) {
        // Set anew only where it changed: a new head lays the table and the view out again.
        const QTableWidgetItem* bisher = tabelle_->horizontalHeaderItem(s);
        if (bisher && bisher->text() == koepfe[s] && bisher->toolTip() == hinweise[s]) continue;
        auto* kopf = new QTableWidgetItem(koepfe[s]);
        kopf->setToolTip(hinweise[s]);
        tabelle_->setHorizontalHeaderItem(s, kopf);
    }
    tabelle_->setRowCount(int(u.jahre.size()) + 1);
    // Each column as wide as its widest text, the bold total and the two-line heads included,
    // measured here from the texts set, once per fill: the header's own measuring of every cell on
    // each change took most of an Enter.
    std::vector<int> breiten(std::size_t(koepfe.size()), 0);
    QFont fettschrift = tabelle_->font();
    fettschrift.setBold(true);
    const QFont normalschrift = tabelle_->font();
    const QFontMetrics normalMass(normalschrift);
    // `netto` is the same year of the net pays, or null.
    auto zeileSetzen = [&](int zeile, const Jahreszeile& z, const Jahreszeile* netto,
                           bool mitKumuliert, bool fett) {
        auto betrag = [&](std::int64_t cent) { return jahresbetragAnzeige(daten_, cent); };
        auto bonus = [&](std::int64_t cent) {
            return daten_.mitSonderzahlung ? betrag(cent) : std::string("\u2013");
        };
        std::vector<std::string> werte{
            z.bezeichnung,       std::to_string(z.monate),
            betrag(z.centN),     bonus(z.sonderzahlungN),
            betrag(z.centI),     bonus(z.sonderzahlungI),
            betrag(z.differenz), mitKumuliert ? betrag(z.kumuliert) : std::string()};
        if (netto)
            werte.insert(werte.end(),
                         {betrag(netto->centN), betrag(netto->centI), betrag(netto->differenz),
                          mitKumuliert ? betrag(netto->kumuliert) : std::string()});
        for (int s = 0; s < int(werte.size()); ++s) {
            const std::string& text = werte[std::size_t(s)];
            zelleSetzen(*tabelle_, zeile, s, text, fett);
            const int breite =
                zellen_->textbreite(alsQString(text), fett ? fettschrift : normalschrift);
            breiten[std::size_t(s)] = std::max(breiten[std::size_t(s)], breite);
        }
    };
    const auto& netto = daten_.netto;
    for (std::size_t i = 0; i < u.jahre.size(); ++i)
        zeileSetzen(int(i), u.jahre[i], netto ? &netto->jahre[i] : nullptr, true, false);
    zeileSetzen(int(u.jahre.size()), u.gesamt, netto ? &netto->gesamt : nullptr, false, true);
    QHeaderView* kopf = tabelle_->horizontalHeader();
    // The cell's margins as the item delegate adds them, and a little room between the numbers.
    const int rand =
        2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, tabelle_) + 1) +
        normalMass.averageCharWidth();
    for (int s = 0; s < int(breiten.size()); ++s) {
        const int breite = std::max(breiten[std::size_t(s)] + rand, kopf->sectionSizeHint(s));
        // Only wider while the view stays open: a column that narrowed and widened by turns as the
        // user typed would lay the view and its chart out anew on every Enter.
        const bool passt =
            spaltenbreitenNeu_ ? kopf->sectionSize(s) == breite : kopf->sectionSize(s) >= breite;
        if (!passt) kopf->resizeSection(s, breite);
    }
    spaltenbreitenNeu_ = false;
}

}  // namespace korvalt
