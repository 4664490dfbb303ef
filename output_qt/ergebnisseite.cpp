// The main window as a Druckfenster on a QPrinter: the block of every printout around it, the
// window as wide as the page, the totals in words below it and the first months of the month table
// in the rest of the page.
#include "ergebnisseite.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QPainter>
#include <QPicture>
#include <QPointer>
#include <QPrinter>
#include <algorithm>
#include <vector>

#include "blockseite.h"
#include "druckauftrag.h"
#include "druckblock.h"
#include "ergebnisdruck.h"
#include "korvaltei.h"
#include "monatsausschnitt.h"
#include "monatsliste.h"
#include "qtdrucker.h"
#include "qtumwandlung.h"
#include "sitzung.h"

namespace korvalt {

namespace {

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

// The page's block and foot: small, so that the window keeps the page; the months smaller still.
constexpr double randGroesse = 8;
constexpr double tabellenGroesse = 7;

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
        const double breite = printer_.width();
        const Sitzung& sitzung = fenster_.sitzung();
        const Druckblock block = druckblockBilden(sitzung, fallbezeichnung(fenster_));
        Blockseite seite(maler, QRectF(0, 0, breite, printer_.height()), schrift, block);
        const double zeile = seite.zeile();
        const double oben = seite.kopfZeichnen("Ergebnis");
        const double unten = seite.fussOben();

        // The window as wide as the page, unless it would then leave no room for the totals.
        const double faktor =
            std::min(breite / fenster_.width(), (unten - oben - zeile * 3) / fenster_.height());
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

        maler.setFont(schrift);
        double y = oben + fenster_.height() * faktor + zeile * 0.5;
        const QString summen = alsQString(summenText(sitzung.daten(), sitzung.tabellen()));
        const QRectF summenRahmen = maler.boundingRect(QRectF(0, y, breite, zeile * 2),
                                                       Qt::AlignLeft | Qt::TextWordWrap, summen);
        maler.drawText(QRectF(0, y, breite, zeile * 2), Qt::AlignLeft | Qt::TextWordWrap, summen);
        y += summenRahmen.height() + zeile * 0.5;

        // The first months in the rest of the page, and where the list goes on.
        QFont tabellenschrift = schrift;
        tabellenschrift.setPointSizeF(tabellenGroesse);
        maler.setFont(tabellenschrift);
        const QRectF rest(0, y, breite, unten - y - zeile * 1.5);
        const int gezeigt =
            monatsausschnittZeichnen(maler, rest, sitzung.daten(), sitzung.tabellen());
        maler.setFont(schrift);
        if (gezeigt < sitzung.daten().monatsanzahl)
            maler.drawText(QRectF(0, unten - zeile * 1.5, breite, zeile), Qt::AlignLeft,
                           QStringLiteral("Monatsliste: siehe Liste drucken"));
        seite.fussZeichnen();

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
