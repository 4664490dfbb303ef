// The main window as a Druckfenster on a QPrinter: a heading with the case, its table and the date,
// below it the case's working-time shares and assumed raise when they count, the window as wide as
// the page, the totals in words below it, and the page number.
#include "ergebnisseite.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QDate>
#include <QDateTime>
#include <QFontMetricsF>
#include <QPainter>
#include <QPicture>
#include <QPointer>
#include <QPrinter>
#include <algorithm>
#include <vector>

#include "druckauftrag.h"
#include "ergebnisdruck.h"
#include "korvaltei.h"
#include "monatsliste.h"
#include "qtdrucker.h"
#include "qtumwandlung.h"
#include "sitzung.h"

namespace korvalt {

namespace {

// Today, or the day SOURCE_DATE_EPOCH names, so that a printout can be reproduced byte for byte.
QDate druckdatum() {
    bool gesetzt = false;
    const qint64 sekunden = qEnvironmentVariable("SOURCE_DATE_EPOCH").toLongLong(&gesetzt);
    return gesetzt ? QDateTime::fromSecsSinceEpoch(sekunden, Qt::UTC).date() : QDate::currentDate();
}

// The blinking text cursor of the input field that has the focus is no part of the page: the
// field gives the focus up while the page is drawn and gets it back afterwards. (A click on a
// button took it away anyway; a menu item or its key leaves it in the field.)
class OhneSchreibmarke {
  public:
    explicit OhneSchreibmarke(QWidget& fenster) {
        QWidget* fokus = QApplication::focusWidget();
        if (fokus && fenster.isAncestorOf(fokus)) {
            fokus_ = fokus;
            fokus->clearFocus();
        }
    }
    ~OhneSchreibmarke() {
        if (fokus_) fokus_->setFocus(Qt::OtherFocusReason);
    }
    OhneSchreibmarke(const OhneSchreibmarke&) = delete;
    OhneSchreibmarke& operator=(const OhneSchreibmarke&) = delete;

  private:
    QPointer<QWidget> fokus_;
};

// Scroll bars show how the grid is used on screen; on paper they only hide cells. They go while the
// page is drawn and come back afterwards.
class OhneRollbalken {
  public:
    explicit OhneRollbalken(QWidget& fenster) {
        for (auto* flaeche : fenster.findChildren<QAbstractScrollArea*>()) {
            flaechen_.push_back({flaeche, flaeche->horizontalScrollBarPolicy(),
                                 flaeche->verticalScrollBarPolicy()});
            flaeche->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            flaeche->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        }
    }
    ~OhneRollbalken() {
        for (const Flaeche& f : flaechen_) {
            if (!f.flaeche) continue;
            f.flaeche->setHorizontalScrollBarPolicy(f.waagerecht);
            f.flaeche->setVerticalScrollBarPolicy(f.senkrecht);
        }
    }
    OhneRollbalken(const OhneRollbalken&) = delete;
    OhneRollbalken& operator=(const OhneRollbalken&) = delete;

  private:
    struct Flaeche {
        QPointer<QAbstractScrollArea> flaeche;
        Qt::ScrollBarPolicy waagerecht;
        Qt::ScrollBarPolicy senkrecht;
    };
    std::vector<Flaeche> flaechen_;
};

// The page's heading and footer: small, so that the window keeps the page.
constexpr double randGroesse = 8;

class Fensterbogen : public Druckfenster {
  public:
    Fensterbogen(Korvaltei& fenster, QPrinter& printer) : fenster_(fenster), printer_(printer) {}

    Anzeigefelder& felder() override { return fenster_; }
    int hoeheTwips() const override { return fenster_.hoeheTwips(); }
    void setzeHoeheTwips(int twips) override { fenster_.setzeHoeheTwips(twips, false); }
    int feldhoeheTwips(FeldId feld) const override { return fenster_.feldhoeheTwips(feld); }

    bool clientbereichDrucken(std::string& fehler) override {
        // At the screen's resolution a hairline of the window prints as wide as it shows.
        printer_.setResolution(fenster_.logicalDpiY());
        QPainter maler;
        if (!maler.begin(&printer_)) {
            fehler = druckfehlerText(printer_);
            return false;
        }
        const QFont schrift(QFont(druckschrift("Arial"), randGroesse), &printer_);
        const QFontMetricsF metrik(schrift, &printer_);
        const double zeile = metrik.lineSpacing();
        const double breite = printer_.width();
        const double hoehe = printer_.height();
        maler.setFont(schrift);

        const Sitzung& sitzung = fenster_.sitzung();
        const QString kopf =
            alsQString(fallbezeichnung(fenster_) + " \u2013 " +
                       sitzung.daten().tabellenkatalog.tabelle(sitzung.daten().tabelle).ueberschrift);
        const QString datum = QStringLiteral("gedruckt am ") + druckdatum().toString(u"dd.MM.yyyy");
        maler.drawText(QRectF(0, 0, breite, zeile), Qt::AlignLeft, kopf);
        maler.drawText(QRectF(0, 0, breite, zeile), Qt::AlignRight, datum);
        maler.drawLine(QPointF(0, zeile * 1.25), QPointF(breite, zeile * 1.25));
        // The shares and the assumed raise, once, between the heading and the window.
        const std::vector<std::string> angaben =
            kopfangaben(sitzung.daten(), sitzung.tabellen(), sitzung.rechner().erhoehungshinweis());
        for (std::size_t i = 0; i < angaben.size(); ++i)
            maler.drawText(QRectF(0, zeile * (1.5 + double(i)), breite, zeile), Qt::AlignLeft,
                           alsQString(angaben[i]));
        maler.drawText(QRectF(0, hoehe - zeile, breite, zeile), Qt::AlignHCenter,
                       alsQString(seitenangabe(1, 1)));

        // The window as wide as the page, unless it would then reach into the footer.
        const double oben = zeile * (2 + double(angaben.size()));
        const double faktor =
            std::min(breite / fenster_.width(), (hoehe - oben - zeile * 2) / fenster_.height());
        maler.save();
        maler.translate(0, oben);
        maler.scale(faktor, faktor);
        {
            const OhneSchreibmarke ohne(fenster_);
            const OhneRollbalken ohneRollbalken(fenster_);
            zeichnen(maler, fenster_, QWidget::DrawWindowBackground);
            for (QObject* kind : fenster_.children()) {
                auto* widget = qobject_cast<QWidget*>(kind);
                if (widget && !widget->isWindow() && !widget->isHidden())
                    zeichnen(maler, *widget, QWidget::DrawChildren);
            }
        }
        maler.restore();

        const QRectF summen(0, oben + fenster_.height() * faktor + zeile, breite, zeile * 2);
        if (summen.bottom() <= hoehe - zeile * 2)
            maler.drawText(summen, Qt::AlignLeft | Qt::TextWordWrap,
                           alsQString(summenText(sitzung.daten(), sitzung.tabellen())));

        if (!maler.end() || printer_.printerState() == QPrinter::Error ||
            printer_.printerState() == QPrinter::Aborted) {
            fehler = druckfehlerText(printer_);
            return false;
        }
        return true;
    }

  private:
    // Widgets render straight onto a printer only as one screen-resolution bitmap; recorded as a
    // picture first they keep their text and lines, sharp and searchable in a PDF. Each of the
    // window's direct children is recorded on its own at the picture's origin: recorded at any
    // other place, a nested widget such as the grid's viewport gets a shifted paint region from
    // Qt and the grid loses its lines.
    void zeichnen(QPainter& maler, QWidget& widget, QWidget::RenderFlags art) {
        QPicture bild;
        {
            QPainter aufnahme(&bild);
            widget.render(&aufnahme, QPoint(), QRegion(), art);
        }
        maler.save();
        if (&widget != &fenster_) maler.translate(widget.pos());
        // Playing a picture back scales it from its resolution to the printer's by itself.
        maler.scale(double(bild.logicalDpiX()) / printer_.logicalDpiX(),
                    double(bild.logicalDpiY()) / printer_.logicalDpiY());
        maler.drawPicture(0, 0, bild);
        maler.restore();
    }

    Korvaltei& fenster_;
    QPrinter& printer_;
};

}  // namespace

bool ergebnisseiteDrucken(Korvaltei& fenster, QPrinter& printer, std::string& fehler) {
    Fensterbogen bogen(fenster, printer);
    return ergebnisDrucken(fenster.sitzung().daten(), bogen, fehler);
}

}  // namespace korvalt
