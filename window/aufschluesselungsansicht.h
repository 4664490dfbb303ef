// The breakdown of one month: gross pay, each tax and contribution and the net pay of both cases
// and their difference, with the notes of net pay; a month before or after it a button away.
#pragma once

#include <optional>

#include <QDialog>

#include "aufschluesselung.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace korvalt {

class Sitzung;

class Aufschluesselungsansicht : public QDialog {
  public:
    explicit Aufschluesselungsansicht(const Sitzung& sitzung, QWidget* eltern = nullptr);

    // Shows month `monat` (from 1) of the case as it is now, limited to its months.
    void monatZeigen(int monat);
    // The same month again, after the case changed.
    void neuBerechnen() { monatZeigen(monat_); }

    int monat() const { return monat_; }
    // What is shown; nothing while the case has no net pay.
    const std::optional<Aufschluesselung>& aufschluesselung() const { return aufschluesselung_; }

  private:
    void fallnamenZeigen();
    void tabelleFuellen();

    const Sitzung& sitzung_;
    int monat_ = 1;
    std::optional<Aufschluesselung> aufschluesselung_;
    QLabel* titel_ = nullptr;
    QLabel* grund_ = nullptr;
    QLabel* fallnamen_ = nullptr;
    QTableWidget* tabelle_ = nullptr;
    QLabel* hinweise_ = nullptr;
    QPushButton* voriger_ = nullptr;
    QPushButton* naechster_ = nullptr;
};

}  // namespace korvalt
