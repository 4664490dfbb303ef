// The year view of the case: a sentence on the month from which the individual case pays off, a
// table of the years and a chart of both month pays and the cumulated difference; with net pay a
// second sentence, four columns of net pay and a switch of the chart between gross and net.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include <QDialog>

#include "jahresdaten.h"

class QCheckBox;
class QLabel;
class QTableWidget;
class QPushButton;

namespace korvalt {

class Sitzung;
class Jahresdiagramm;
class Zellenzeichner;

class Jahresansicht : public QDialog {
  public:
    // The view follows the case from then on through `vormerken`.
    explicit Jahresansicht(Sitzung& sitzung, QWidget* eltern = nullptr);
    ~Jahresansicht() override;

    // Shows the case as it is now, its switch for the annual bonus included.
    void neuBerechnen();
    // The case changed. The switch shows it at once; the figures, the table and the chart follow
    // once the event loop comes round, however many changes came before, and a hidden view
    // follows only when it is shown again.
    void vormerken();

    // What the view shows of the case as it is now, and its chart.
    const Jahresdaten& daten();
    QWidget& inhalt() const { return *inhalt_; }
    Jahresdiagramm& diagramm();
    // Why the chart cannot be drawn (its module is missing); empty when it can.
    const std::string& diagrammFehler() const { return diagrammFehler_; }
    // How often the view has gathered the case's figures and redrawn them.
    int neuberechnungen() const { return neuberechnungen_; }
    // Whether the chart shows net pay.
    bool diagrammNetto() const;

    // The recalculation of the case after the view changed it, which then calls `vormerken`;
    // without it the view only shows the change itself.
    void setzeNeuberechnung(std::function<void()> rechnen) { rechnen_ = std::move(rechnen); }

    // The work of the buttons Drucken… and Als PDF…, attached from the output.
    void setzeDruckarbeit(std::function<void()> drucken, std::function<void()> alsPdf);
    // The work of the button Als Excel-Tabelle….
    void setzeTabellenarbeit(std::function<void()> alsTabelle);

  protected:
    void showEvent(QShowEvent* ereignis) override;

  private:
    void schalterZeigen();
    void nachholen();
    void tabelleFuellen();
    void nettoZeigen();
    void sonderzahlungSchalten(bool an);

    Sitzung& sitzung_;
    Jahresdaten daten_;
    bool veraltet_ = false;
    bool nachholenGeplant_ = false;
    // The net columns' widths are set to their texts once, then only widened.
    bool spaltenbreitenNeu_ = true;
    int neuberechnungen_ = 0;
    QWidget* inhalt_ = nullptr;
    QLabel* satz_ = nullptr;
    QLabel* nettoSatz_ = nullptr;
    QLabel* zahlen_ = nullptr;
    QLabel* grund_ = nullptr;
    QLabel* nettohinweise_ = nullptr;
    // The step dates of a case with interruptions.
    QLabel* stufendaten_ = nullptr;
    QLabel* fallnamen_ = nullptr;
    QCheckBox* schalter_ = nullptr;
    QCheckBox* nettoDiagramm_ = nullptr;
    QTableWidget* tabelle_ = nullptr;
    // Paints the table's cells and measures their texts with the widths it keeps for painting.
    Zellenzeichner* zellen_ = nullptr;
    Jahresdiagramm* diagramm_ = nullptr;
    std::string diagrammFehler_;
    QPushButton* drucken_ = nullptr;
    QPushButton* alsPdf_ = nullptr;
    QPushButton* alsTabelle_ = nullptr;
    std::function<void()> rechnen_;
    std::function<void()> druckarbeit_;
    std::function<void()> pdfarbeit_;
    std::function<void()> tabellenarbeit_;
};

}  // namespace korvalt
