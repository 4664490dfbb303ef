// The module that draws the year view's chart with Qt Charts: loaded with the first chart, it
// keeps its series and axes and only replaces their points and ranges when the case changes.
#include <QPainter>
#include <QVBoxLayout>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QLegend>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>

#include "diagrammschnittstelle.h"

namespace korvalt {

namespace {

// The ticks a new axis starts with; its nice numbers are found from them.
constexpr int anfangsStriche = 5;

// An axis's range and ticks.
struct Spanne {
    double von = 0;
    double bis = 0;
    int striche = anfangsStriche;
};

// The nice range a new axis finds for [von, bis], worked out on an axis outside the chart, so that
// the chart's axes change, and lay out their labels anew, only when their range does.
Spanne schoeneSpanne(double von, double bis) {
    QValueAxis rechner;
    rechner.setTickCount(anfangsStriche);
    rechner.setRange(von, bis);
    rechner.applyNiceNumbers();
    return {rechner.min(), rechner.max(), rechner.tickCount()};
}

void spanneSetzen(QValueAxis& achse, const Spanne& s) {
    if (achse.min() != s.von || achse.max() != s.bis) achse.setRange(s.von, s.bis);
    if (achse.tickCount() != s.striche) achse.setTickCount(s.striche);
}

// Renames an axis or a line only where its name changed, as each renaming lays the chart out anew.
void titelSetzen(QValueAxis& achse, const QString& titel) {
    if (achse.titleText() != titel) achse.setTitleText(titel);
}

void nameSetzen(QLineSeries& linie, const QString& name) {
    if (linie.name() != name) linie.setName(name);
}

// Replaces a line's points where they changed; every replacement repaints the chart.
void punkteSetzen(QLineSeries& linie, const QList<QPointF>& punkte) {
    if (linie.points() != punkte) linie.replace(punkte);
}

class Diagrammansicht final : public Jahresdiagramm {
  public:
    explicit Diagrammansicht(QWidget* eltern);
    ~Diagrammansicht() override;

    void zeigen(const Diagrammdaten& d) override;
    void zeichnen(QPainter& maler, const QRectF& ziel) override;

  private:
    void achsenUndReihenZeigen(bool zeigen);
    void ausgleichZeigen(const Diagrammdaten& d);

    QChartView* ansicht_;
    QChart* chart_;
    QValueAxis* x_;
    QValueAxis* entgelt_;
    QValueAxis* differenz_;
    QLineSeries* normal_;
    QLineSeries* individuell_;
    QLineSeries* kumuliert_;
    QLineSeries* ausgleich_;
    // Whether the axes and the three lines are in the chart (a case without months has none), and
    // the mark of the pay-off month.
    bool gezeigt_ = false;
    bool ausgleichGezeigt_ = false;
};

QLineSeries* linie(const QString& name, const QPen& stift) {
    auto* l = new QLineSeries;
    l->setName(name);
    l->setPen(stift);
    return l;
}

QValueAxis* achse(const QString& titel) {
    auto* a = new QValueAxis;
    a->setTitleText(titel);
    a->setLabelFormat("%d");
    return a;
}

Diagrammansicht::Diagrammansicht(QWidget* eltern)
    : Jahresdiagramm(eltern),
      ansicht_(new QChartView(this)),
      chart_(ansicht_->chart()),
      x_(achse({})),
      entgelt_(achse(QStringLiteral("Monatsentgelt (€)"))),
      differenz_(achse(QStringLiteral("Differenz kumuliert (€)"))),
      // The case colours, dark enough to read as lines on white.
      normal_(linie(QStringLiteral("Normalfall"), QPen(QColor(0, 170, 0), 2))),
      individuell_(linie(QStringLiteral("Beispielfall"), QPen(QColor(225, 185, 0), 2))),
      kumuliert_(linie(QStringLiteral("Differenz kumuliert"), QPen(QColor(40, 70, 200), 2))),
      ausgleich_(linie({}, QPen(QColor(200, 0, 0), 2, Qt::DashLine))) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ansicht_);
    ansicht_->setRenderHint(QPainter::Antialiasing);
    setMinimumHeight(260);
    chart_->legend()->setAlignment(Qt::AlignBottom);
    chart_->setMargins(QMargins(4, 4, 4, 4));
}

// What the chart does not hold is still this widget's.
Diagrammansicht::~Diagrammansicht() {
    if (!ausgleichGezeigt_) delete ausgleich_;
    if (gezeigt_) return;
    for (QObject* o : std::initializer_list<QObject*>{x_, entgelt_, differenz_, normal_,
                                                      individuell_, kumuliert_})
        delete o;
}

void Diagrammansicht::achsenUndReihenZeigen(bool zeigen) {
    if (zeigen == gezeigt_) return;
    gezeigt_ = zeigen;
    const std::pair<QLineSeries*, QValueAxis*> reihen[] = {
        {normal_, entgelt_}, {individuell_, entgelt_}, {kumuliert_, differenz_}};
    if (!zeigen) {
        for (const auto& [reihe, y] : reihen) chart_->removeSeries(reihe);
        for (QValueAxis* a : {x_, entgelt_, differenz_}) chart_->removeAxis(a);
        return;
    }
    chart_->addAxis(x_, Qt::AlignBottom);
    chart_->addAxis(entgelt_, Qt::AlignLeft);
    chart_->addAxis(differenz_, Qt::AlignRight);
    for (const auto& [reihe, y] : reihen) {
        chart_->addSeries(reihe);
        reihe->attachAxis(x_);
        reihe->attachAxis(y);
    }
}

void Diagrammansicht::zeigen(const Diagrammdaten& d) {
    if (d.leer()) {
        if (ausgleichGezeigt_) chart_->removeSeries(ausgleich_);
        ausgleichGezeigt_ = false;
        achsenUndReihenZeigen(false);
        return;
    }
    achsenUndReihenZeigen(true);
    titelSetzen(*x_, d.xTitel);
    titelSetzen(*entgelt_, d.entgeltTitel);
    titelSetzen(*differenz_, d.differenzTitel);
    nameSetzen(*normal_, d.nameN);
    nameSetzen(*individuell_, d.nameI);
    nameSetzen(*kumuliert_, d.kumuliertName);
    spanneSetzen(*x_, {d.xVon, d.xBis, x_->tickCount()});
    spanneSetzen(*differenz_, schoeneSpanne(d.differenzVon, d.differenzBis));
    spanneSetzen(*entgelt_, schoeneSpanne(0, d.hoechstesEntgelt * 1.05));
    punkteSetzen(*normal_, d.entgeltN);
    punkteSetzen(*individuell_, d.entgeltI);
    punkteSetzen(*kumuliert_, d.kumuliert);
    ausgleichZeigen(d);
}

// A dashed line across the difference's axis at the pay-off month.
void Diagrammansicht::ausgleichZeigen(const Diagrammdaten& d) {
    if (!d.ausgleichX) {
        if (ausgleichGezeigt_) chart_->removeSeries(ausgleich_);
        ausgleichGezeigt_ = false;
        return;
    }
    nameSetzen(*ausgleich_, d.ausgleichName);
    punkteSetzen(*ausgleich_,
                 {{*d.ausgleichX, differenz_->min()}, {*d.ausgleichX, differenz_->max()}});
    if (ausgleichGezeigt_) return;
    chart_->addSeries(ausgleich_);
    ausgleich_->attachAxis(x_);
    ausgleich_->attachAxis(differenz_);
    ausgleichGezeigt_ = true;
}

void Diagrammansicht::zeichnen(QPainter& maler, const QRectF& ziel) {
    const QSize frueher = ansicht_->size();
    ansicht_->resize(int(ziel.width() / 2), int(ziel.height() / 2));
    ansicht_->render(&maler, ziel, ansicht_->viewport()->rect());
    ansicht_->resize(frueher);
}

}  // namespace

}  // namespace korvalt

extern "C" Q_DECL_EXPORT korvalt::Jahresdiagramm* korvalt_jahresdiagramm(QWidget* eltern) {
    return new korvalt::Diagrammansicht(eltern);
}
