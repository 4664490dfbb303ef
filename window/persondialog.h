// The dialog Fall › Angaben zur Person: name, personnel number, office and clerk of the case. It
// checks every entry as it is typed, says in German what is wrong, keeps what was typed and offers
// OK only when every field can be saved.
#pragma once

#include <QDialog>
#include <array>
#include <optional>
#include <string>

#include "personenangaben.h"

class QDialogButtonBox;
class QLabel;
class QLineEdit;

namespace korvalt {

class Persondialog : public QDialog {
  public:
    // Shows `jetzt`, the case's person now.
    Persondialog(const Personenangaben& jetzt, QWidget* eltern = nullptr);

    // The person as entered, each field without blanks at its ends; nothing while a field cannot
    // be saved, `grund()` then says why.
    const std::optional<Personenangaben>& angaben() const { return angaben_; }
    std::string grund() const;

  private:
    void pruefen();

    std::array<QLineEdit*, personenfelder.size()> felder_{};
    QLabel* grund_;
    QDialogButtonBox* knoepfe_;
    std::optional<Personenangaben> angaben_;
};

}  // namespace korvalt
