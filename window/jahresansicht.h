// The year view of the case: a sentence on the month from which the individual case pays off, a
// table of the years and a chart of both month pays and the cumulated difference.
#pragma once

#include <functional>
#include <optional>

#include <QDialog>

#include "jahresdaten.h"

class QCheckBox;
class QLabel;
class QTableWidget;
class QPushButton;

namespace korvalt {

class Sitzung;
class Jahresdiagramm;

class Jahresansicht : public QDialog {
  public:
    // Loads the bonus rates beside the session's tariff file; the view follows the case from then
    // on through `neuBerechnen`.
    explicit Jahresansicht(Sitzung& sitzung, QWidget* eltern = nullptr);
    ~Jahresansicht() override;

    void neuBerechnen();

    bool mitSonderzahlung() const { return mitSonderzahlung_; }
    void setzeMitSonderzahlung(bool an);

    const Jahresdaten& daten() const { return daten_; }
    QWidget& inhalt() const { return *inhalt_; }
    Jahresdiagramm& diagramm() const { return *diagramm_; }

    // The work of the buttons Drucken… and Als PDF…, attached from the output.
    void setzeDruckarbeit(std::function<void()> drucken, std::function<void()> alsPdf);

  private:
    void tabelleFuellen();

    Sitzung& sitzung_;
    std::optional<Sonderzahlungssaetze> saetze_;
    bool mitSonderzahlung_ = true;
    Jahresdaten daten_;
    QWidget* inhalt_ = nullptr;
    QLabel* satz_ = nullptr;
    QLabel* grund_ = nullptr;
    QCheckBox* schalter_ = nullptr;
    QTableWidget* tabelle_ = nullptr;
    Jahresdiagramm* diagramm_ = nullptr;
    QPushButton* drucken_ = nullptr;
    QPushButton* alsPdf_ = nullptr;
    std::function<void()> druckarbeit_;
    std::function<void()> pdfarbeit_;
};

}  // namespace korvalt
