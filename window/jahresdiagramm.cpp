// The year view's chart: its figures from the case, and the module that draws them.
#include "jahresdiagramm.h"

#include <dlfcn.h>

#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>
#include <algorithm>

#include "qtumwandlung.h"

namespace korvalt {

namespace {

// The x value of the start of month `index` (0 = month 1): a year with fractions from the start
// month, or the month number of the case.
double xWert(const Jahresdaten& d, int index) {
    const auto& beginn = d.uebersicht.beginn;
    if (!beginn) return index;
    return beginn->jahr() + (beginn->monat() - 1 + index) / 12.0;
}

// A month pay as a step line: level through each run of months with the same pay, a vertical step
// where it changes.
QList<QPointF> stufenlinie(const Jahresdaten& d, const std::vector<Long>& cent) {
    QList<QPointF> punkte;
    std::size_t anfang = 0;
    for (std::size_t i = 1; i <= cent.size(); ++i) {
        if (i < cent.size() && cent[i] == cent[anfang]) continue;
        const double euro = cent[anfang] / 100.0;
        punkte.append({xWert(d, int(anfang)), euro});
        punkte.append({xWert(d, int(i)), euro});
        anfang = i;
    }
    return punkte;
}

// Stands in for the chart when its module cannot be loaded.
class Diagrammhinweis : public Jahresdiagramm {
  public:
    Diagrammhinweis(QWidget* eltern, const QString& grund) : Jahresdiagramm(eltern) {
        setMinimumHeight(260);
        auto* layout = new QVBoxLayout(this);
        text_ = new QLabel(grund, this);
        text_->setWordWrap(true);
        text_->setAlignment(Qt::AlignCenter);
        layout->addWidget(text_);
    }
    void zeigen(const Diagrammdaten&) override {}
    void zeichnen(QPainter& maler, const QRectF& ziel) override {
        maler.drawText(ziel, Qt::AlignCenter | Qt::TextWordWrap, text_->text());
    }

  private:
    QLabel* text_;
};

}  // namespace

Diagrammdaten diagrammdatenBilden(const Jahresdaten& d) {
    Diagrammdaten dd;
    const int monate = int(d.kumuliert.size());
    if (monate == 0) return dd;
    dd.xTitel = d.uebersicht.beginn ? QStringLiteral("Jahr") : QStringLiteral("Monat des Falls");
    dd.xVon = xWert(d, 0);
    dd.xBis = xWert(d, monate);
    dd.entgeltN = stufenlinie(d, d.centN);
    dd.entgeltI = stufenlinie(d, d.centI);
    for (const auto* reihe : {&d.centN, &d.centI})
        for (Long cent : *reihe) dd.hoechstesEntgelt = std::max(dd.hoechstesEntgelt, cent / 100.0);

    // The cumulated difference after each month; where it grows by the same amount as before, the
    // point lies on the line and is left out.
    double kleinster = 0;
    double groesster = 0;
    for (int i = 0; i < monate; ++i) {
        const std::int64_t k = d.kumuliert[std::size_t(i)];
        const double euro = k / 100.0;
        kleinster = std::min(kleinster, euro);
        groesster = std::max(groesster, euro);
        const bool aufDerLinie =
            i > 0 && i + 1 < monate &&
            k - d.kumuliert[std::size_t(i - 1)] == d.kumuliert[std::size_t(i + 1)] - k;
        if (!aufDerLinie) dd.kumuliert.append({xWert(d, i + 1), euro});
    }
    // At least 100 euros high, so that whole-euro ticks stay apart when the difference is flat.
    dd.differenzVon = kleinster;
    dd.differenzBis = std::max(groesster, kleinster + 100);

    if (const auto& ab = d.uebersicht.ausgleichsmonat; ab && !gleichBezahlt(d)) {
        dd.ausgleichX = xWert(d, *ab - 1);
        dd.ausgleichName = alsQString("vorn ab " + jahresmonatText(d.uebersicht, *ab));
    }
    return dd;
}

Jahresdiagramm* jahresdiagrammErzeugen(QWidget* eltern, std::string& fehler) {
    // Found through the program's search path (the build folder, or ../lib/korvalt when
    // installed); loaded once for the whole run, since its charts live as long as their windows.
    void* modul = dlopen(diagrammmodulName, RTLD_NOW | RTLD_LOCAL);
    if (modul)
        if (auto erzeugen = reinterpret_cast<Diagrammerzeuger>(dlsym(modul, diagrammerzeugerName)))
            return erzeugen(eltern);
    const char* grund = dlerror();
    fehler = std::string("Das Diagramm kann nicht gezeigt werden: ") +
             (grund ? grund : "unbekannter Fehler");
    return new Diagrammhinweis(eltern, QString::fromLocal8Bit(fehler.c_str()));
}

}  // namespace korvalt
