// What the year view and the module that draws its chart share: the chart as a widget and the
// figures it draws, in Qt's own types only, so that the module needs nothing but Qt Charts. The
// module (libkorvalt_diagramm.so) is loaded with the first chart.
#pragma once

#include <QList>
#include <QPointF>
#include <QString>
#include <QWidget>
#include <optional>

class QPainter;

namespace korvalt {

// The chart's figures in the units of its axes: years (or months of the case) and euros.
struct Diagrammdaten {
    QString xTitel;
    // The pay axis, the difference's axis and the lines as the legend names them: the cases by
    // their names, with " netto" where they draw net pay.
    QString entgeltTitel = QStringLiteral("Monatsentgelt (€)");
    QString differenzTitel = QStringLiteral("Differenz kumuliert (€)");
    QString nameN = QStringLiteral("Normalfall");
    QString nameI = QStringLiteral("Beispielfall");
    QString kumuliertName = QStringLiteral("Differenz kumuliert");
    double xVon = 0;
    double xBis = 0;
    // Both month pays as step lines, a point where the pay changes; the cumulated difference
    // after each month, a point where its slope changes.
    QList<QPointF> entgeltN;
    QList<QPointF> entgeltI;
    QList<QPointF> kumuliert;
    double hoechstesEntgelt = 1;
    // The span of the cumulated difference, at least 100 euros high.
    double differenzVon = 0;
    double differenzBis = 100;
    // The month from which the case pays off, and its name in the legend.
    std::optional<double> ausgleichX;
    QString ausgleichName;

    bool leer() const { return kumuliert.isEmpty(); }
};

class Jahresdiagramm : public QWidget {
  public:
    using QWidget::QWidget;
    // Shows the figures, reusing what it showed before.
    virtual void zeigen(const Diagrammdaten& daten) = 0;
    // Draws the chart into `ziel` of `maler`, laid out for half the target's size in pixels, so
    // that a page does not depend on the window's size.
    virtual void zeichnen(QPainter& maler, const QRectF& ziel) = 0;
};

// The module's one function, under this name: a new chart with `eltern` as parent.
using Diagrammerzeuger = Jahresdiagramm* (*)(QWidget* eltern);
inline constexpr const char* diagrammerzeugerName = "korvalt_jahresdiagramm";
inline constexpr const char* diagrammmodulName = "libkorvalt_diagramm.so";

}  // namespace korvalt
