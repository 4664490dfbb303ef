// The dialog Fall › Steuer und Sozialversicherung: whether the case has net pay, and its tax class,
// child allowances, church tax, children for the care insurance, Saxony, statutory or private
// health insurance and the supplementary pension's fund with its rates. It checks every entry as it
// is typed and offers OK only for settings that are whole and valid.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <string>

#include "steuerangaben.h"

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;

namespace korvalt {

// What the dialog is told of the case besides its settings.
struct Steuerpruefung {
    // Why the case cannot have net pay (the table of 2006, no start month); then every entry but
    // the switch that takes net pay off is disabled and this line says why. "" when it can.
    std::string ohneNetto;
    // The case's check (`Sitzung::steuerPruefen`): its reason, or "".
    std::function<std::string(const std::optional<Steuerangaben>&)> pruefen;
};

class Steuerdialog : public QDialog {
  public:
    // Shows `jetzt`, the case's settings now (nothing: no net pay, and switched on, the settings of
    // a new case).
    Steuerdialog(const std::optional<Steuerangaben>& jetzt, Steuerpruefung pruefung = {},
                 QWidget* eltern = nullptr);

    // Whether the entries are whole and valid; then `angaben()` are the settings entered (nothing:
    // no net pay), otherwise `grund()` says what is wrong.
    bool gueltig() const { return gueltig_; }
    const std::optional<Steuerangaben>& angaben() const { return angaben_; }
    std::string grund() const;

  private:
    void pruefen();

    const Steuerpruefung pruefung_;
    QCheckBox* netto_;
    QComboBox* steuerklasse_;
    QLineEdit* kinderfreibetraege_;
    QComboBox* kirchensteuer_;
    QLineEdit* kinder_;
    QCheckBox* sachsen_;
    QComboBox* versicherung_;
    QLineEdit* zusatzbeitrag_;
    QLineEdit* privatbeitrag_;
    QComboBox* versorgungskasse_;
    QLineEdit* zusatzversorgung_;
    QLineEdit* umlage_;
    QLabel* grund_;
    QDialogButtonBox* knoepfe_;
    bool gueltig_ = false;
    std::optional<Steuerangaben> angaben_;
};

}  // namespace korvalt
