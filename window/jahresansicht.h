// The year view of the case: a sentence on the month from which the individual case pays off, a
// table of the years and a chart of both month pays and the cumulated difference; with net pay a
// second sentence, four columns of net pay and a switch of the chart between gross and net.
#pragma once

#include <functional>
#include <optional>

#include <QDialog>

#include "jahresdaten.h"

class QCheckBox;
class QHBoxLayout;
class QLabel;
class QTableWidget;
class QPushButton;

namespace korvalt {

class Sitzung;
class Jahresdiagramm;

class Jahresansicht : public QDialog {
  public:
    // The view follows the case from then on through `neuBerechnen`.
    explicit Jahresansicht(Sitzung& sitzung, QWidget* eltern = nullptr);
    ~Jahresansicht() override;

    // Shows the case as it is now, its switch for the annual bonus included.
    void neuBerechnen();

    const Jahresdaten& daten() const { return daten_; }
    QWidget& inhalt() const { return *inhalt_; }
    Jahresdiagramm& diagramm() const { return *diagramm_; }
    // Whether the chart shows net pay.
    bool diagrammNetto() const;

    // The recalculation of the case after the view changed it, which then calls `neuBerechnen`;
    // without it the view only shows the change itself.
    void setzeNeuberechnung(std::function<void()> rechnen) { rechnen_ = std::move(rechnen); }

    // The work of the buttons Drucken… and Als PDF…, attached from the output.
    void setzeDruckarbeit(std::function<void()> drucken, std::function<void()> alsPdf);

  private:
    void tabelleFuellen();
    void nettoZeigen();
    void sonderzahlungSchalten(bool an);

    Sitzung& sitzung_;
    Jahresdaten daten_;
    QWidget* inhalt_ = nullptr;
    QLabel* satz_ = nullptr;
    QLabel* nettoSatz_ = nullptr;
    QLabel* zahlen_ = nullptr;
    QLabel* grund_ = nullptr;
    QLabel* nettohinweise_ = nullptr;
    QCheckBox* schalter_ = nullptr;
    QCheckBox* nettoDiagramm_ = nullptr;
    QTableWidget* tabelle_ = nullptr;
    QHBoxLayout* teile_ = nullptr;
    Jahresdiagramm* diagramm_ = nullptr;
    QPushButton* drucken_ = nullptr;
    QPushButton* alsPdf_ = nullptr;
    std::function<void()> rechnen_;
    std::function<void()> druckarbeit_;
    std::function<void()> pdfarbeit_;
};

}  // namespace korvalt
