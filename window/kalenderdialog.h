// The dialog Fall › Beginn, Stufe und Teilzeit: the case's start month and last month, the current
// step of column 1 and its month, the working-time shares of both cases and the assumed raise. It
// checks every entry as it is typed and offers OK only for settings that are whole and valid.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <string>

#include "fallnamen.h"
#include "kalenderangaben.h"

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;

namespace korvalt {

// What the dialog is told of the case besides its settings.
struct Kalenderpruefung {
    // Why the case's table has no calendar; then every entry is disabled and this line says why.
    // "" for a table with cents.
    std::string ohneKalender;
    // The case's check of whole settings (`Sitzung::kalenderPruefen`): its reason, or "".
    std::function<std::string(const Kalenderangaben&)> pruefen;
    // What the two cases are called, for their shares' labels.
    Fallnamen namen;
};

class Kalenderdialog : public QDialog {
  public:
    // Shows `jetzt`, the case's settings now; OK only for settings `pruefung` accepts.
    Kalenderdialog(const Kalenderangaben& jetzt, Kalenderpruefung pruefung = {},
                   QWidget* eltern = nullptr);

    // The settings as entered; nothing while an entry is invalid, `grund()` then says why.
    const std::optional<Kalenderangaben>& angaben() const { return angaben_; }
    std::string grund() const;

  private:
    void pruefen();

    const Kalenderangaben jetzt_;
    const Kalenderpruefung pruefung_;
    QLineEdit* beginn_;
    QLineEdit* ende_;
    QComboBox* stufe_;
    QLineEdit* seit_;
    QLineEdit* anteilN_;
    QLabel* stundenN_;
    QLineEdit* anteilI_;
    QLabel* stundenI_;
    QLineEdit* erhoehung_;
    QLineEdit* erhoehungAb_;
    QLabel* grund_;
    QDialogButtonBox* knoepfe_;
    std::optional<Kalenderangaben> angaben_;
};

}  // namespace korvalt
