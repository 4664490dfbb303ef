// Fitting a window into its screen's available area.
#include "bildschirmeinpassung.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace korvalt {

namespace {

// Watches a window until it has opened: its first showing, then its first exposure, when the
// window system has framed and placed it.
class Oeffnungswache : public QObject {
  public:
    explicit Oeffnungswache(QWidget& fenster) : QObject(&fenster), fenster_(fenster) {
        fenster_.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override {
        if (objekt == &fenster_ && ereignis->type() == QEvent::Show) {
            fenster_.removeEventFilter(this);
            // Before the window is mapped: its size, so that it does not open larger first.
            bildschirmEinpassen();
            if (QWindow* w = fenster_.windowHandle()) w->installEventFilter(this);
        } else if (ereignis->type() == QEvent::Expose && objekt == fenster_.windowHandle() &&
                   fenster_.windowHandle()->isExposed()) {
            objekt->removeEventFilter(this);
            bildschirmEinpassen();
            deleteLater();
        }
        return false;
    }

  private:
    void bildschirmEinpassen() {
        if (const QScreen* bildschirm = fenster_.screen())
            einpassen(fenster_, bildschirm->availableGeometry());
    }

    QWidget& fenster_;
};

}  // namespace

QRect inBereich(const QRect& rahmen, const QRect& bereich) {
    const QSize groesse = rahmen.size().boundedTo(bereich.size());
    const int x = std::clamp(rahmen.x(), bereich.left(), bereich.right() + 1 - groesse.width());
    const int y = std::clamp(rahmen.y(), bereich.top(), bereich.bottom() + 1 - groesse.height());
    return {QPoint(x, y), groesse};
}

void einpassen(QWidget& fenster, const QRect& bereich) {
    const QRect rahmen = fenster.frameGeometry();
    const QRect neu = inBereich(rahmen, bereich);
    if (neu.size() != rahmen.size()) fenster.resize(fenster.size() - (rahmen.size() - neu.size()));
    // A window's position is that of its frame.
    if (neu.topLeft() != rahmen.topLeft()) fenster.move(neu.topLeft());
}

void beimOeffnenEinpassen(QWidget& fenster) {
    new Oeffnungswache(fenster);
}

}  // namespace korvalt
