// The chart of the year view: both month pays, gross or net, as step lines and the cumulated
// difference on an axis of its own, the month from which the case pays off marked.
#pragma once

#include <QtCharts/QChartView>

#include "jahresdaten.h"

namespace korvalt {

class Jahresdiagramm : public QChartView {
  public:
    explicit Jahresdiagramm(QWidget* eltern = nullptr);
    // With `netto`, and where the case has net pay, both month net pays and the cumulated net
    // difference with the month from which the case pays off in net.
    void zeigen(const Jahresdaten& daten, bool netto = false);
};

}  // namespace korvalt
