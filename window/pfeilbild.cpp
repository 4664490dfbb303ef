// A filled arrow with a shaft, pointing up or down.
#include "pfeilbild.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace korvalt {

QIcon pfeilbild(bool aufwaerts) {
    QIcon bild;
    for (int seite : {16, 32, 64, 128}) {
        QPixmap pixmap(seite, seite);
        pixmap.fill(Qt::transparent);
        QPainter maler(&pixmap);
        maler.setRenderHint(QPainter::Antialiasing);
        if (!aufwaerts) {
            maler.translate(0, seite);
            maler.scale(1, -1);
        }
        const double s = seite / 16.0;
        QPainterPath pfeil;
        pfeil.moveTo(8 * s, 1 * s);
        pfeil.lineTo(15 * s, 9 * s);
        pfeil.lineTo(10.5 * s, 9 * s);
        pfeil.lineTo(10.5 * s, 15 * s);
        pfeil.lineTo(5.5 * s, 15 * s);
        pfeil.lineTo(5.5 * s, 9 * s);
        pfeil.lineTo(1 * s, 9 * s);
        pfeil.closeSubpath();
        maler.setPen(QPen(QColor(0x20, 0x20, 0x20), s * 0.6));
        maler.setBrush(QColor(0x20, 0x40, 0xA0));
        maler.drawPath(pfeil);
        maler.end();
        bild.addPixmap(pixmap);
    }
    return bild;
}

}  // namespace korvalt
