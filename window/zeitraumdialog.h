// The dialog Fall › Teilzeit und Unterbrechungen: the case's changes of hours and its interruptions
// without pay, one row each, for both cases or one of them. It checks the whole list as it is typed
// and offers OK only for a list the case accepts.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "fallnamen.h"
#include "zeitraeume.h"

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace korvalt {

// What the dialog is told of the case besides its periods.
struct Zeitraumpruefung {
    // Why the case's table has no calendar; then every entry is disabled and this line says why.
    // "" for a table with cents.
    std::string ohneKalender;
    // The case's check of the whole list (`zeitraeumePruefen`): its reason, or "".
    std::function<std::string(const Zeitraeume&)> pruefen;
};

class Zeitraumdialog : public QDialog {
  public:
    // The columns of the list, in their order.
    enum Spalte { art, von, bis, anteil, geburt, fuer, spalten };

    // Shows `jetzt`, the case's periods now; „für“ offers the cases by `namen`. OK only for a list
    // `pruefung` accepts.
    Zeitraumdialog(const Zeitraeume& jetzt, const Fallnamen& namen, Zeitraumpruefung pruefung = {},
                   QWidget* eltern = nullptr);
    ~Zeitraumdialog() override;

    // The periods as entered; nothing while an entry is invalid, `grund()` then says why.
    const std::optional<Zeitraeume>& angaben() const { return angaben_; }
    std::string grund() const;

    // A new row of kind `art` at the end, its first month to be typed; the same as its button.
    void zeileAnfuegen(Zeitraumart art);

  private:
    // The widgets of one row; the fields a kind does not have stay null.
    struct Zeile {
        Zeitraumart art;
        QLineEdit* von;
        QLineEdit* bis;
        QLineEdit* anteil;
        QLineEdit* geburt;
        QComboBox* fuer;
    };

    void zeileZeigen(const Zeitraum& z);
    void markierteEntfernen();
    void pruefen();

    const Fallnamen namen_;
    const Zeitraumpruefung pruefung_;
    QTableWidget* liste_;
    std::vector<Zeile> zeilen_;
    QWidget* knopfleiste_;
    QLabel* grund_;
    QDialogButtonBox* knoepfe_;
    std::optional<Zeitraeume> angaben_;
    // Follows the focus into the rows; let go before the rows go.
    QMetaObject::Connection fokus_;
};

}  // namespace korvalt
