// Sizing the client area to the main window's working area.
#include "arbeitsflaeche.h"

#include <QResizeEvent>
#include <QScrollBar>

#include "korvaltei.h"

namespace korvalt {

Arbeitsflaeche::Arbeitsflaeche(Korvaltei& korvaltei, QWidget* eltern)
    : QScrollArea(eltern), korvaltei_(korvaltei) {
    setObjectName("Arbeitsflaeche");
    setFrameShape(QFrame::NoFrame);
    // The cursor belongs to the fields: Tab goes from field to field, never to the area.
    setFocusPolicy(Qt::NoFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The area sizes the client area itself: the fields keep the design's proportions.
    setWidgetResizable(false);
    setWidget(&korvaltei_);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this](int wert) { korvaltei_.setzeRollversatz(wert); });
}

bool Arbeitsflaeche::rollt() const {
    return verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn;
}

void Arbeitsflaeche::resizeEvent(QResizeEvent* ereignis) {
    einpassen();
    QScrollArea::resizeEvent(ereignis);
}

// Whether to scroll is decided on the whole area, so that the scroll bar coming or going cannot
// decide it anew. Scrolling, the client area is as high as the fields need at the area's width and
// leaves the scroll bar its room beside it.
void Arbeitsflaeche::einpassen() {
    const QSize platz = contentsRect().size();
    const int noetig = korvaltei_.mindesthoehe(platz.width());
    const bool rollen = platz.height() < noetig;
    setVerticalScrollBarPolicy(rollen ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    const int leiste = rollen ? verticalScrollBar()->sizeHint().width() : 0;
    korvaltei_.resize(platz.width() - leiste, rollen ? noetig : platz.height());
    korvaltei_.setzeSichtbareHoehe(rollen ? std::optional<int>(platz.height()) : std::nullopt);
}

}  // namespace korvalt
