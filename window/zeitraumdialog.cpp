// The dialog of the case's changes of hours and interruptions.
#include "zeitraumdialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <initializer_list>
#include <iterator>

#include "dialogteile.h"
#include "prozentzahlen.h"
#include "qtumwandlung.h"

namespace korvalt {

namespace {

// Each kind: its name in the list (the long one is its tooltip), its add button with the button's
// letter, and the button's name for the tests.
struct Artangaben {
    Zeitraumart art;
    const char* name;
    const char* knopf;
    const char* knopfname;
};
constexpr Artangaben artangaben[] = {
    {Zeitraumart::teilzeit, "Teilzeit", "&Teilzeit", "NeuTeilzeit"},
    {Zeitraumart::elternzeit, "Elternzeit", "&Elternzeit", "NeuElternzeit"},
    {Zeitraumart::sonderurlaub, "Sonderurlaub ohne Entgelt", "&Sonderurlaub ohne Entgelt",
     "NeuSonderurlaub"},
    {Zeitraumart::sonderurlaubAngerechnet, "Sonderurlaub, angerechnet",
     "Sonderurlaub, &angerechnet", "NeuAngerechnet"},
};

const Artangaben& angabenZu(Zeitraumart art) {
    return *std::find_if(std::begin(artangaben), std::end(artangaben),
                         [art](const Artangaben& a) { return a.art == art; });
}

// A field of the list: framed by the table's grid, not by its own border; its column is made wide
// enough for its hint.
QLineEdit* zellfeld(const char* name, const std::string& text, const char* hinweis) {
    QLineEdit* f = feld(nullptr, name, text, hinweis);
    f->setFrame(false);
    f->setMinimumWidth(0);
    return f;
}

// A cell a kind has no use for: greyed, nothing to type.
QTableWidgetItem* leereZelle(const QPalette& farben) {
    auto* zelle = new QTableWidgetItem;
    zelle->setFlags(Qt::NoItemFlags);
    zelle->setBackground(farben.window());
    return zelle;
}

}  // namespace

Zeitraumdialog::Zeitraumdialog(const Zeitraeume& jetzt, const Fallnamen& namen,
                               Zeitraumpruefung pruefung, QWidget* eltern)
    : QDialog(eltern), namen_(namen), pruefung_(std::move(pruefung)) {
    setObjectName("Zeitraumdialog");
    setWindowTitle(QStringLiteral("Teilzeit und Unterbrechungen"));

    liste_ = new QTableWidget(0, spalten, this);
    liste_->setObjectName("Zeitraeume");
    liste_->setHorizontalHeaderLabels({QStringLiteral("Art"), QStringLiteral("von"),
                                       QStringLiteral("bis"), QStringLiteral("Anteil"),
                                       QStringLiteral("Geburt des Kindes"), QStringLiteral("für")});
    liste_->setSelectionBehavior(QAbstractItemView::SelectRows);
    liste_->setSelectionMode(QAbstractItemView::SingleSelection);
    liste_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab goes from field to field, not from cell to cell.
    liste_->setTabKeyNavigation(false);

    // Each column as wide as its heading, its hint and the names it holds, so that the list opens
    // whole; long names of the cases are cut in the list and shown whole when it opens.
    const QFontMetrics schrift = liste_->fontMetrics();
    const auto breite = [&schrift](const QString& text) {
        return schrift.horizontalAdvance(text) + 3 * schrift.averageCharWidth();
    };
    int artbreite = breite(QStringLiteral("Art"));
    for (const Artangaben& a : artangaben)
        artbreite = std::max(artbreite, breite(QString::fromUtf8(a.name)));
    QComboBox probe;
    for (const std::string& n : {std::string("beide Fälle"), namen_.normal, namen_.individuell})
        probe.addItem(alsQString(n));
    const int monatsbreite = breite(QStringLiteral("MM/JJJJ"));
    const int spaltenbreite[spalten] = {
        artbreite,
        std::max(breite(QStringLiteral("von")), monatsbreite),
        std::max(breite(QStringLiteral("bis")), monatsbreite),
        std::max(breite(QStringLiteral("Anteil")), breite(QStringLiteral("1 bis 100"))),
        std::max(breite(QStringLiteral("Geburt des Kindes")), monatsbreite),
        std::min(probe.sizeHint().width(), 28 * schrift.averageCharWidth())};
    int summe = 0;
    for (int s = 0; s < spalten; ++s) {
        liste_->horizontalHeader()->resizeSection(s, spaltenbreite[s]);
        summe += spaltenbreite[s];
    }
    liste_->horizontalHeader()->setStretchLastSection(true);
    liste_->verticalHeader()->setDefaultSectionSize(
        std::max(QLineEdit().sizeHint().height(), probe.sizeHint().height()));
    // Room for row numbers of two digits and the scroll bar a long list gets.
    liste_->setMinimumWidth(
        summe + breite(QStringLiteral("99")) +
        liste_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, liste_) +
        2 * liste_->frameWidth());
    liste_->setMinimumHeight(liste_->horizontalHeader()->sizeHint().height() +
                             6 * liste_->verticalHeader()->defaultSectionSize() +
                             2 * liste_->frameWidth());

    auto* ueberschrift = new QLabel(QStringLiteral("&Zeiträume des Falls:"), this);
    ueberschrift->setBuddy(liste_);

    knopfleiste_ = new QWidget(this);
    auto* knopfzeile = new QHBoxLayout(knopfleiste_);
    knopfzeile->setContentsMargins(0, 0, 0, 0);
    knopfzeile->addWidget(new QLabel(QStringLiteral("Neue Zeile:"), knopfleiste_));
    for (const Artangaben& k : artangaben) {
        auto* knopf = new QPushButton(QString::fromUtf8(k.knopf), knopfleiste_);
        knopf->setObjectName(QString::fromLatin1(k.knopfname));
        // Enter in a field is OK, not another row.
        knopf->setAutoDefault(false);
        connect(knopf, &QPushButton::clicked, this, [this, art = k.art] { zeileAnfuegen(art); });
        knopfzeile->addWidget(knopf);
    }
    knopfzeile->addStretch(1);
    auto* entfernen = new QPushButton(QStringLiteral("Zeile ent&fernen"), knopfleiste_);
    entfernen->setObjectName("Entfernen");
    entfernen->setAutoDefault(false);
    connect(entfernen, &QPushButton::clicked, this, [this] { markierteEntfernen(); });
    knopfzeile->addWidget(entfernen);

    grund_ = grundzeile(*this);
    knoepfe_ = okAbbrechen(*this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ueberschrift);
    layout->addWidget(liste_, 1);
    layout->addWidget(knopfleiste_);
    layout->addWidget(grund_);
    layout->addWidget(knoepfe_);

    for (const Zeitraum& z : jetzt) zeileZeigen(z);
    // Remove takes the row the user is typing in.
    fokus_ = connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* jetzt) {
        for (std::size_t i = 0; i < zeilen_.size(); ++i) {
            const Zeile& z = zeilen_[i];
            for (QWidget* w :
                 std::initializer_list<QWidget*>{z.von, z.bis, z.anteil, z.geburt, z.fuer})
                if (w && w == jetzt) return liste_->selectRow(int(i));
        }
    });
    pruefen();
    if (!pruefung_.ohneKalender.empty()) {
        liste_->setEnabled(false);
        knopfleiste_->setEnabled(false);
        // Nothing to take over: only Abbrechen closes it.
        knoepfe_->button(QDialogButtonBox::Ok)->setEnabled(false);
        grund_->setText(alsQString(pruefung_.ohneKalender));
    }
}

Zeitraumdialog::~Zeitraumdialog() {
    disconnect(fokus_);
}

std::string Zeitraumdialog::grund() const {
    return grund_->text().toStdString();
}

void Zeitraumdialog::zeileAnfuegen(Zeitraumart art) {
    Zeitraum z;
    z.art = art;
    zeileZeigen(z);
    // A new row starts empty: its first month is the user's to type.
    Zeile& neu = zeilen_.back();
    neu.von->clear();
    if (neu.anteil) neu.anteil->clear();
    neu.von->setFocus();
    liste_->scrollToBottom();
    pruefen();
}

void Zeitraumdialog::zeileZeigen(const Zeitraum& z) {
    const int r = liste_->rowCount();
    liste_->insertRow(r);
    auto* artzelle = new QTableWidgetItem(QString::fromUtf8(angabenZu(z.art).name));
    artzelle->setToolTip(alsQString(zeitraumartText(z.art)));
    artzelle->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    liste_->setItem(r, art, artzelle);

    Zeile zeile{z.art,        zellfeld("Von", z.von.text(), "MM/JJJJ"), nullptr, nullptr, nullptr,
                new QComboBox};
    if (z.unterbricht())
        zeile.bis = zellfeld("Bis", z.bis ? z.bis->text() : std::string(), "MM/JJJJ");
    else
        zeile.anteil = zellfeld("Anteil", anteilText(z.anteil), "1 bis 100");
    if (z.art == Zeitraumart::elternzeit) {
        zeile.geburt = zellfeld("Geburt", z.geburt ? z.geburt->text() : std::string(), "MM/JJJJ");
        zeile.geburt->setToolTip(
            QStringLiteral("Leer: der erste Monat der Elternzeit. Bis zum Ende des Geburtsjahres "
                           "kostet die Elternzeit kein Zwölftel der Jahressonderzahlung."));
    }
    zeile.fuer->setObjectName("Fuer");
    zeile.fuer->setFrame(false);
    for (const std::string& n : {std::string("beide Fälle"), namen_.normal, namen_.individuell})
        zeile.fuer->addItem(alsQString(n));
    zeile.fuer->setCurrentIndex(static_cast<int>(z.fuer));

    const std::pair<int, QWidget*> zellen[] = {{von, zeile.von},
                                               {bis, zeile.bis},
                                               {anteil, zeile.anteil},
                                               {geburt, zeile.geburt},
                                               {fuer, zeile.fuer}};
    for (const auto& [spalte, widget] : zellen) {
        if (widget)
            liste_->setCellWidget(r, spalte, widget);
        else
            liste_->setItem(r, spalte, leereZelle(palette()));
    }
    for (QLineEdit* f : {zeile.von, zeile.bis, zeile.anteil, zeile.geburt})
        if (f) connect(f, &QLineEdit::textChanged, this, [this] { pruefen(); });
    connect(zeile.fuer, &QComboBox::currentIndexChanged, this, [this] { pruefen(); });
    zeilen_.push_back(zeile);

    // Tab runs along the row and then to the next one.
    QWidget* vorige = r == 0 ? static_cast<QWidget*>(liste_) : zeilen_[std::size_t(r) - 1].fuer;
    for (QWidget* w : std::initializer_list<QWidget*>{zeile.von, zeile.bis, zeile.anteil,
                                                      zeile.geburt, zeile.fuer}) {
        if (!w) continue;
        setTabOrder(vorige, w);
        vorige = w;
    }
}

void Zeitraumdialog::markierteEntfernen() {
    const int r = liste_->currentRow();
    if (r < 0 || r >= int(zeilen_.size())) return;
    liste_->removeRow(r);
    zeilen_.erase(zeilen_.begin() + r);
    if (!zeilen_.empty()) {
        const int naechste = std::min(r, int(zeilen_.size()) - 1);
        liste_->selectRow(naechste);
        zeilen_[std::size_t(naechste)].von->setFocus();
    }
    pruefen();
}

// The whole list is read anew on each change; the first entry that is no month or share names the
// reason, then the case's check of the whole list.
void Zeitraumdialog::pruefen() {
    Zeitraeume neu;
    std::string fehler;
    for (std::size_t i = 0; i < zeilen_.size() && fehler.empty(); ++i) {
        const Zeile& zeile = zeilen_[i];
        const std::string wo =
            "Zeile " + std::to_string(i + 1) + " (" + zeitraumartText(zeile.art) + ")";
        // A month as typed; empty: nothing, and no fault.
        const auto monat = [&](const QLineEdit* f, const char* spalte) {
            std::optional<KalenderMonat> m;
            if (!f || feldtext(f).empty()) return m;
            std::string grund;
            m = kalenderMonatLesen(feldtext(f), grund);
            if (!m) fehler = wo + ", " + spalte + ": " + grund;
            return m;
        };
        Zeitraum z;
        z.art = zeile.art;
        z.fuer = static_cast<Zeitraumfall>(zeile.fuer->currentIndex());
        if (feldtext(zeile.von).empty()) {
            fehler = wo + ": Der erste Monat fehlt (MM/JJJJ, etwa 01/2028).";
            break;
        }
        const auto anfang = monat(zeile.von, "von");
        z.bis = monat(zeile.bis, "bis");
        z.geburt = monat(zeile.geburt, "Geburt des Kindes");
        if (!fehler.empty()) break;
        z.von = *anfang;
        if (zeile.anteil) {
            std::string grund;
            const auto wert = anteilLesen(feldtext(zeile.anteil), grund);
            if (!wert) {
                fehler = wo + ", Anteil: " +
                         (feldtext(zeile.anteil).empty() ? "Der Arbeitszeitanteil fehlt." : grund);
                break;
            }
            z.anteil = *wert;
        }
        neu.push_back(z);
    }
    if (fehler.empty() && pruefung_.pruefen) fehler = pruefung_.pruefen(neu);
    if (fehler.empty())
        angaben_ = std::move(neu);
    else
        angaben_.reset();
    grund_->setText(alsQString(fehler));
    knoepfe_->button(QDialogButtonBox::Ok)->setEnabled(angaben_.has_value());
}

}  // namespace korvalt
