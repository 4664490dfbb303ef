// Printing text items on a QPrinter.
#include "qtdrucker.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

#include "qtumwandlung.h"
#include "zahlen.h"

namespace korvalt {

QString druckschrift(std::string_view name) {
    const QString schrift = alsQString(name);
    if (schrift.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Liberation Sans");
    if (schrift.compare(QLatin1String("Courier New"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Liberation Mono");
    return schrift;
}

std::string druckfehlerText(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return "Die PDF-Datei \u201E" + printer.outputFileName().toStdString() +
               "\u201C kann nicht geschrieben werden.";
    return "Der Drucker \u201E" + printer.printerName().toStdString() +
           "\u201C hat den Druckauftrag nicht angenommen.";
}

QtDrucker::QtDrucker(QPrinter& printer) : printer_(printer) {
    schriftname(standardSchrift);
    schriftgroesse(standardSchriftgroesse);
}

QtDrucker::~QtDrucker() {
    if (maler_ && maler_->isActive()) maler_->end();
}

void QtDrucker::schriftname(std::string_view name) {
    schrift_.setFamily(druckschrift(name));
    schrift_.setStyleHint(schrift_.family() == QLatin1String("Liberation Mono") ? QFont::TypeWriter
                                                                                : QFont::SansSerif);
}

void QtDrucker::schriftgroesse(double punkte) {
    schrift_.setPointSizeF(punkte);
}

void QtDrucker::fett(bool an) {
    schrift_.setBold(an);
}

void QtDrucker::position(int twips) {
    x_ = twips * double(printer_.resolution()) / 1440.0;
}

bool QtDrucker::bereit() {
    if (gescheitert_) return false;
    if (!maler_) {
        maler_ = std::make_unique<QPainter>();
        if (!maler_->begin(&printer_)) {
            gescheitert_ = true;
            return false;
        }
        seiten_ = 1;
    }
    return true;
}

double QtDrucker::zeilenabstand() const {
    return QFontMetricsF(schrift_, &printer_).lineSpacing();
}

double QtDrucker::twips(double einheiten) const {
    return einheiten * 1440.0 / printer_.resolution();
}

double QtDrucker::seitenhoehe() const {
    return twips(printer_.height());
}

double QtDrucker::zeilenhoehe() const {
    return twips(zeilenabstand());
}

void QtDrucker::neueSeite() {
    if (!bereit()) return;
    if (!printer_.newPage()) {
        gescheitert_ = true;
        return;
    }
    ++seiten_;
    x_ = 0;
    y_ = 0;
    zeileBegonnen_ = false;
}

void QtDrucker::zurLetztenZeile() {
    y_ = std::max(y_, printer_.height() - zeilenabstand());
}

void QtDrucker::text(std::string_view text, Zeile zeile) {
    if (!bereit()) return;
    const QFontMetricsF metrik(schrift_, &printer_);
    if (!zeileBegonnen_) {
        // A line that would reach below the printable area starts the next page. Half a device
        // unit is the rounding of a footer placed exactly at the bottom.
        if (y_ > 0 && y_ + metrik.lineSpacing() > maler_->device()->height() + 0.5) {
            if (!printer_.newPage()) {
                gescheitert_ = true;
                return;
            }
            ++seiten_;
            y_ = 0;
        }
        zeileBegonnen_ = true;
    }
    const QString inhalt = alsQString(text);
    maler_->setFont(QFont(schrift_, &printer_));
    maler_->drawText(QPointF(x_, y_ + metrik.ascent()), inhalt);
    x_ += metrik.horizontalAdvance(inhalt);
    if (zeile == Zeile::endet) zeilenende();
}

double QtDrucker::textbreite(std::string_view text) const {
    return twips(QFontMetricsF(schrift_, &printer_).horizontalAdvance(alsQString(text)));
}

void QtDrucker::zahl(std::int16_t wert, Zeile zeile) {
    text(zahlpostenText(wert), zeile);
}

void QtDrucker::leerzeile() {
    if (!bereit()) return;
    zeilenende();
}

void QtDrucker::zeilenende() {
    y_ += zeilenabstand();
    x_ = 0;
    zeileBegonnen_ = false;
}

bool QtDrucker::dokumentBeenden(std::string& fehler) {
    const bool begonnen = bereit();
    const bool beendet = begonnen && maler_->end();
    if (!beendet || printer_.printerState() == QPrinter::Error ||
        printer_.printerState() == QPrinter::Aborted) {
        fehler = druckfehlerText(printer_);
        gescheitert_ = true;
        return false;
    }
    maler_.reset();
    return true;
}

}  // namespace korvalt
