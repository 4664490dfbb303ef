// Draws the year view's chart with Qt Charts.
#include "jahresdiagramm.h"

#include <algorithm>

#include <QtCharts/QChart>
#include <QtCharts/QLegend>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>

namespace korvalt {

namespace {

// The x value of the start of month `index` (0 = month 1): a year with fractions from the start
// month, or the month number of the case.
double xWert(const Jahresdaten& d, int index) {
    const auto& beginn = d.uebersicht.beginn;
    if (!beginn) return index;
    return beginn->jahr() + (beginn->monat() - 1 + index) / 12.0;
}

// A month pay as a step line: level through each month, a vertical step between months.
QLineSeries* stufenlinie(const Jahresdaten& d, const std::vector<Long>& cent, const QString& name,
                         const QColor& farbe) {
    auto* linie = new QLineSeries;
    linie->setName(name);
    linie->setPen(QPen(farbe, 2));
    QList<QPointF> punkte;
    punkte.reserve(qsizetype(cent.size()) * 2);
    for (std::size_t i = 0; i < cent.size(); ++i) {
        const double euro = cent[i] / 100.0;
        punkte.append({xWert(d, int(i)), euro});
        punkte.append({xWert(d, int(i) + 1), euro});
    }
    linie->replace(punkte);
    return linie;
}

}  // namespace

Jahresdiagramm::Jahresdiagramm(QWidget* eltern) : QChartView(eltern) {
    setRenderHint(QPainter::Antialiasing);
    setMinimumHeight(260);
    chart()->legend()->setAlignment(Qt::AlignBottom);
    chart()->setMargins(QMargins(4, 4, 4, 4));
}

void Jahresdiagramm::zeigen(const Jahresdaten& d, bool netto) {
    QChart* c = chart();
    c->removeAllSeries();
    for (QAbstractAxis* achse : c->axes()) {
        c->removeAxis(achse);
        delete achse;
    }
    netto = netto && d.netto;
    const Jahresuebersicht& u = netto ? *d.netto : d.uebersicht;
    const std::vector<Long>& reiheN = netto ? d.nettoN : d.centN;
    const std::vector<Long>& reiheI = netto ? d.nettoI : d.centI;
    const QString zusatz = netto ? QStringLiteral(" netto") : QString();
    const int monate = int(u.kumuliert.size());
    if (monate == 0) return;

    auto* x = new QValueAxis;
    x->setTitleText(d.uebersicht.beginn ? QStringLiteral("Jahr")
                                        : QStringLiteral("Monat des Falls"));
    x->setLabelFormat("%d");
    x->setRange(xWert(d, 0), xWert(d, monate));
    auto* entgelt = new QValueAxis;
    entgelt->setTitleText(netto ? QStringLiteral("Nettolohn im Monat (€)")
                                : QStringLiteral("Monatsentgelt (€)"));
    entgelt->setLabelFormat("%d");
    auto* differenz = new QValueAxis;
    differenz->setTitleText("Differenz" + zusatz + " kumuliert (€)");
    differenz->setLabelFormat("%d");
    c->addAxis(x, Qt::AlignBottom);
    c->addAxis(entgelt, Qt::AlignLeft);
    c->addAxis(differenz, Qt::AlignRight);

    auto anhaengen = [&](QLineSeries* linie, QValueAxis* y) {
        c->addSeries(linie);
        linie->attachAxis(x);
        linie->attachAxis(y);
    };
    // The case colours, dark enough to read as lines on white.
    anhaengen(stufenlinie(d, reiheN, "Normalfall" + zusatz, QColor(0, 170, 0)), entgelt);
    anhaengen(stufenlinie(d, reiheI, "Beispielfall" + zusatz, QColor(225, 185, 0)), entgelt);

    auto* kumuliert = new QLineSeries;
    kumuliert->setName("Differenz" + zusatz + " kumuliert");
    kumuliert->setPen(QPen(QColor(40, 70, 200), 2));
    QList<QPointF> punkte;
    double kleinster = 0;
    double groesster = 0;
    for (int i = 0; i < monate; ++i) {
        const double euro = u.kumuliert[std::size_t(i)] / 100.0;
        punkte.append({xWert(d, i + 1), euro});
        kleinster = std::min(kleinster, euro);
        groesster = std::max(groesster, euro);
    }
    kumuliert->replace(punkte);
    anhaengen(kumuliert, differenz);
    // At least 100 euros high, so that whole-euro ticks stay apart when the difference is flat.
    differenz->setRange(kleinster, std::max(groesster, kleinster + 100));
    differenz->applyNiceNumbers();

    double hoechstesEntgelt = 1;
    for (const auto* reihe : {&reiheN, &reiheI})
        for (Long cent : *reihe) hoechstesEntgelt = std::max(hoechstesEntgelt, cent / 100.0);
    entgelt->setRange(0, hoechstesEntgelt * 1.05);
    entgelt->applyNiceNumbers();

    if (const auto& ab = u.ausgleichsmonat; ab && !gleichBezahlt(u)) {
        auto* marke = new QLineSeries;
        marke->setName(QString::fromStdString((netto ? "netto vorn ab " : "vorn ab ") +
                                              jahresmonatText(u, *ab)));
        marke->setPen(QPen(QColor(200, 0, 0), 2, Qt::DashLine));
        const double xAb = xWert(d, *ab - 1);
        marke->append(xAb, differenz->min());
        marke->append(xAb, differenz->max());
        anhaengen(marke, differenz);
    }
}

}  // namespace korvalt
