// The main window: start-up, resizing, closing, help, and the display fields on its widgets.
#include "korvaltei.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <cassert>
#include <cmath>

#include "dauerfelder.h"
#include "eingabefeld.h"
#include "eingabefelder.h"
#include "feldwidgets.h"
#include "gittermasse.h"
#include "hilfeabschnitte.h"
#include "monatsgitter.h"
#include "pfeiltasten.h"
#include "qtumwandlung.h"

namespace korvalt {

namespace {

bool istFenster(FeldId feld) {
    return feld.name == Feldname::Korvaltei;
}

// Tab order: the start group, then column by column its group durations and its steps.
std::vector<FeldId> eingabereihenfolge() {
    std::vector<FeldId> reihe{{Feldname::Startgruppe}};
    for (int k = 1; k <= 4; ++k) {
        const auto spalte = static_cast<std::int8_t>(k);
        reihe.push_back({Feldname::GrDauer, spalte});
        reihe.push_back({Feldname::GrDauer1, spalte});
        for (int j = 1; j <= 6; ++j) {
            reihe.push_back(spaltenfeld(Feldname::normal1, 1, k, j));
            reihe.push_back(spaltenfeld(Feldname::indi1, 1, k, j));
        }
    }
    return reihe;
}

// The buttons' captions with their underlined letters, none of them a menu's (Datei, Bearbeiten,
// Fall, Tabelle, Hilfe): the place of the letter in the design's caption, nothing for no letter.
std::optional<int> kennbuchstabe(Feldname knopf) {
    switch (knopf) {
        case Feldname::Speichern:        // Speichern
        case Feldname::Ergebnisdrucken:  // Ergebnis drucken
        case Feldname::Liste:            // Liste Drucken
            return 0;
        case Feldname::Hilfe:      // Hilfe
        case Feldname::Schließen:  // Schließen
            return 1;
        default:
            return std::nullopt;
    }
}

}  // namespace

Korvaltei::Korvaltei(Sitzung& sitzung, Meldungen& meldungen, QWidget* parent)
    : QWidget(parent),
      sitzung_(sitzung),
      meldungen_(meldungen),
      felder_(std::make_unique<Feldwidgets>(*this, gitterspeicher_)) {
    setObjectName("Korvaltei");
    setAutoFillBackground(true);
    setzeHintergrund({Feldname::Korvaltei}, *beschreibung(Feldname::Korvaltei).hintergrund);

    QWidget* vorher = nullptr;
    for (const FeldId feld : eingabereihenfolge()) {
        assert(istEingabefeld(feld));
        Eingabefeld* f = felder_->eingabefeld(feld);
        f->setzeHandler(
            [this, feld] { eingabefeldFokus(sitzung_, feld); },
            [this, feld](int zeichen) { return eingabefeldTaste(anzeige_, feld, zeichen); },
            [this, feld](int schritt) { return eingabefeldSchritt(anzeige_, feld, schritt); },
            [this, feld] {
                return eingabefeldHinweis(sitzung_.tabellen(), anzeige_.tabelle(), feld);
            });
        if (vorher) setTabOrder(vorher, f);
        vorher = f;
    }
    for (const auto& b : feldtabelle()) {
        if (b.art != Feldart::Knopf) continue;
        auto* knopf = static_cast<QPushButton*>(felder_->widget({b.name}));
        const Feldname name = b.name;
        if (const auto stelle = kennbuchstabe(name))
            knopf->setText(alsQString(b.anfangstext).insert(*stelle, '&'));
        connect(knopf, &QPushButton::clicked, this, [this, name] { knopfGedrueckt(name); });
    }
    // One action for the button Hilfe, F1 and the main window's menu item.
    hilfeaktion_ = new QAction(this);
    hilfeaktion_->setShortcuts(QKeySequence::HelpContents);
    hilfeaktion_->setShortcutContext(Qt::WindowShortcut);
    addAction(hilfeaktion_);
    connect(hilfeaktion_, &QAction::triggered, this,
            [this] { hilfeaufrufen(hilfeabschnitt::programm); });

    // The design size at the screen's resolution.
    resize(int(std::lround(entwurfBreite * pixelProTwipX())),
           int(std::lround(entwurfHoehe * pixelProTwipY())));
    // The cursor starts in the field the arrow buttons act on after start-up.
    felder_
        ->widget(
            feldVon(Dauerfeld{Seite(anfangsFokusseite), anfangsFokusspalte, anfangsFokusstufe}))
        ->setFocus();
}

// The fields go first, while the grid store they show still exists.
Korvaltei::~Korvaltei() {
    qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
}

std::string Korvaltei::laden(const Startoptionen& optionen) {
    return anzeige_.laden(optionen, meldungen_);
}

void Korvaltei::setzeKlick(Feldname knopf, std::function<void()> aktion) {
    assert(beschreibung(knopf).art == Feldart::Knopf);
    klicks_[static_cast<std::size_t>(knopf)] = std::move(aktion);
}

void Korvaltei::knopfGedrueckt(Feldname knopf) {
    switch (knopf) {
        case Feldname::nachoben:
            korvalt::nachoben(anzeige_);
            return;
        case Feldname::nachunten:
            korvalt::nachunten(anzeige_);
            return;
        case Feldname::Hilfe:
            hilfeaktion_->trigger();
            return;
        case Feldname::Schließen:
            close();
            return;
        default:
            if (const auto& aktion = klicks_[static_cast<std::size_t>(knopf)]) aktion();
            return;
    }
}

void Korvaltei::eingabeUebernehmen() {
    if (auto* feld = dynamic_cast<Eingabefeld*>(focusWidget())) feld->uebernehmen();
}

void Korvaltei::hilfeaufrufen(std::string_view abschnitt) {
    if (!hilfe_) hilfe_ = std::make_unique<Hilfefenster>();
    hilfe_->zeigen(abschnitt);
}

void Korvaltei::closeEvent(QCloseEvent* ereignis) {
    // Closing the window ends the program, whatever other window is open.
    ereignis->accept();
    if (hilfe_) hilfe_->close();
    QCoreApplication::quit();
}

double Korvaltei::pixelProTwipX() const {
    return logicalDpiX() / 1440.0;
}

double Korvaltei::pixelProTwipY() const {
    return logicalDpiY() / 1440.0;
}

int Korvaltei::hoeheTwips() const {
    return int(std::lround(height() / pixelProTwipY()));
}

void Korvaltei::setzeHoeheTwips(int twips, bool felderSkalieren) {
    const int pixel = int(std::lround(twips * pixelProTwipY()));
    if (felderSkalieren)
        skalierhoehe_.reset();
    else if (!skalierhoehe_)
        skalierhoehe_ = height();
    resize(width(), pixel);
    if (skalierhoehe_ && *skalierhoehe_ == pixel) {
        // Back at its height: what a scrolling frame keeps in view is kept there again.
        skalierhoehe_.reset();
        imSichtHalten();
    }
}

int Korvaltei::mindesthoehe(int breite) const {
    const double entwurf = entwurfBreite * pixelProTwipX();
    return int(std::lround(entwurfHoehe * pixelProTwipY() * std::min(1.0, breite / entwurf)));
}

void Korvaltei::setzeSichtbareHoehe(std::optional<int> pixel) {
    if (sichtbareHoehe_ == pixel) return;
    sichtbareHoehe_ = pixel;
    imSichtHalten();
}

void Korvaltei::setzeRollversatz(int pixel) {
    if (rollversatz_ == pixel) return;
    rollversatz_ = pixel;
    imSichtHalten();
}

int Korvaltei::feldhoeheTwips(FeldId feld) const {
    const QWidget* w = istFenster(feld) ? this : felder_->widget(feld);
    assert(w);
    return int(std::lround(w->height() / pixelProTwipY()));
}

void Korvaltei::clientbereichZeichnen(QPainter& maler) {
    render(&maler, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
}

QWidget* Korvaltei::feldwidget(FeldId feld) const {
    return istFenster(feld) ? nullptr : felder_->widget(feld);
}

// A click beside the fields takes the cursor out of the input field, which confirms what was typed
// there, as a click on another field or a button does.
void Korvaltei::mousePressEvent(QMouseEvent* ereignis) {
    QWidget::mousePressEvent(ereignis);
    if (focusWidget() && focusWidget() != this) setFocus(Qt::MouseFocusReason);
}

void Korvaltei::resizeEvent(QResizeEvent* ereignis) {
    QWidget::resizeEvent(ereignis);
    anordnen();
}

// The resizer: every field and its font in proportion to the client area against the design
// size; then the grid follows the width.
void Korvaltei::anordnen() {
    const int hoehe = skalierhoehe_.value_or(height());
    const double x = width() / double(entwurfBreite);
    const double y = hoehe / double(entwurfHoehe);
    const double schriftfaktor = std::min(x / pixelProTwipX(), y / pixelProTwipY());
    felder_->anordnen(x, y, schriftfaktor);
    felder_->gitter().setzeMassstab(pixelProTwipY(), schriftfaktor);
    formResize();
}

// The grid takes 55 % of the window's width from the left edge of nachoben.
void Korvaltei::formResize() {
    const Gittermasse m = gittermasse(int(std::lround(width() / pixelProTwipX())));
    auto pixel = [&](int twips) { return int(std::lround(twips * pixelProTwipX())); };
    Monatsgitter& gitter = felder_->gitter();
    const QWidget* oben = felder_->widget({Feldname::nachoben});
    gitter.setGeometry(oben->x(), gitter.y(), pixel(m.breite), gitter.height());
    std::array<int, gitterSpalten> spalten{};
    for (std::size_t s = 0; s < spalten.size(); ++s) spalten[s] = pixel(m.spalten[s]);
    gitter.setzeSpaltenbreiten(spalten);
    imSichtHalten();
}

// In a frame that shows only the upper part of the client area and scrolls it, the buttons, the
// totals and the grid, right of the step panels, stay where they are seen, and the grid ends within
// the part seen, keeping the design's margin below it: only the step panels scroll. A printout
// shows the whole window as laid out.
void Korvaltei::imSichtHalten() {
    const bool halten = sichtbareHoehe_ && !skalierhoehe_;
    const double y = skalierhoehe_.value_or(height()) / double(entwurfHoehe);
    auto kante = [y](int twips) { return int(std::lround(twips * y)); };
    const int rechts = fensterrechteck({Feldname::Monatsgitter}).x;
    for (const auto& b : feldtabelle()) {
        if (b.art == Feldart::Fenster || b.istArray()) continue;
        const Rechteck r = fensterrechteck({b.name});
        if (r.x < rechts) continue;
        QWidget* w = felder_->widget({b.name});
        const int oben = kante(r.y);
        int unten = kante(r.y + r.hoehe);
        if (halten && b.art == Feldart::Gitter)
            unten = std::min(unten, *sichtbareHoehe_ - (kante(entwurfHoehe) - unten));
        w->setGeometry(w->x(), oben + (halten ? rollversatz_ : 0), w->width(),
                       std::max(1, unten - oben));
    }
}

std::string Korvaltei::text(FeldId feld) const {
    if (istFenster(feld)) return windowTitle().toStdString();
    return felder_->text(feld);
}

void Korvaltei::setzeText(FeldId feld, std::string_view text) {
    if (istFenster(feld)) {
        setWindowTitle(alsQString(text));
        return;
    }
    felder_->setzeText(feld, text);
}

void Korvaltei::setzeHintergrund(FeldId feld, Farbe farbe) {
    if (istFenster(feld)) {
        QPalette p = palette();
        p.setColor(QPalette::Window, alsQColor(farbe));
        setPalette(p);
        return;
    }
    felder_->setzeHintergrund(feld, farbe);
}

void Korvaltei::setzeDeckend(FeldId feld, bool deckend) {
    if (!istFenster(feld)) felder_->setzeDeckend(feld, deckend);
}

void Korvaltei::setzeSichtbar(FeldId feld, bool sichtbar) {
    if (istFenster(feld))
        setVisible(sichtbar);
    else
        felder_->setzeSichtbar(feld, sichtbar);
}

void Korvaltei::setzeHinweis(FeldId feld, std::string_view hinweis) {
    QWidget* w = feldwidget(feld);
    if (!w) return;
    // Most of a recalculation's notes are those the fields have.
    const QString neu = alsQString(hinweis);
    if (w->toolTip() != neu) w->setToolTip(neu);
}

Gitterspeicher& Korvaltei::gitter() {
    return gitterspeicher_;
}

void Korvaltei::gitterVerbergen() {
    felder_->gitter().verbergen();
}

void Korvaltei::gitterZeigen() {
    felder_->gitter().zeigen();
}

}  // namespace korvalt
