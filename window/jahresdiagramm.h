// The chart of the year view: both month pays as step lines and the cumulated difference on an
// axis of its own, the month from which the case pays off marked.
#pragma once

#include <QtCharts/QChartView>

#include "jahresdaten.h"

namespace korvalt {

class Jahresdiagramm : public QChartView {
  public:
    explicit Jahresdiagramm(QWidget* eltern = nullptr);
    void zeigen(const Jahresdaten& daten);
};

}  // namespace korvalt
