// The main window as a Druckfenster on a QPrinter.
#include "ergebnisseite.h"

#include <QApplication>
#include <QPainter>
#include <QPicture>
#include <QPointer>
#include <QPrinter>
#include <algorithm>

#include "ergebnisdruck.h"
#include "korvaltei.h"
#include "qtdrucker.h"

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
        const double faktor = std::min(double(printer_.width()) / fenster_.width(),
                                       double(printer_.height()) / fenster_.height());
        maler.scale(faktor, faktor);
        {
            const OhneSchreibmarke ohne(fenster_);
            zeichnen(maler, fenster_, QWidget::DrawWindowBackground);
            for (QObject* kind : fenster_.children()) {
                auto* widget = qobject_cast<QWidget*>(kind);
                if (widget && !widget->isWindow() && !widget->isHidden())
                    zeichnen(maler, *widget, QWidget::DrawChildren);
            }
        }
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
    return ergebnisDrucken(fenster.sitzung().daten, bogen, fehler);
}

}  // namespace korvalt
