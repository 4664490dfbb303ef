// The dialog Fall › Höhergruppierung prüfen: the employer side, today's group and step with its
// month, the group promoted to and the month it takes effect, the share of both cases, an assumed
// raise and the period. It checks every entry as it is typed, with the case's check of the whole
// promotion, and offers OK only when the check can set up the case.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "hoehergruppierung.h"
#include "tariftabellen.h"

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;

namespace korvalt {

// What the dialog is told of the case besides what it shows first.
struct Hoehergruppierungspruefung {
    // The tables by date it offers; the tables of one date and the one of 2006 cannot be chosen.
    std::vector<Tariftabelle> tabellen;
    // The case's check of a whole promotion (`Sitzung::hoehergruppierungPruefen`): its reason, or
    // "".
    std::function<std::string(const Hoehergruppierung&)> pruefen;
};

// What the dialog shows when it opens: the last promotion checked, or what the case gives. A
// month the case does not give stands empty.
struct Hoehergruppierungsvorschlag {
    Hoehergruppierung angaben;
    bool mitSeit = false;
    bool mitZum = false;
};

class Hoehergruppierungsdialog : public QDialog {
  public:
    Hoehergruppierungsdialog(const Hoehergruppierungsvorschlag& vorschlag,
                             Hoehergruppierungspruefung pruefung, QWidget* eltern = nullptr);

    // The promotion as entered; nothing while an entry is invalid, `grund()` then says why.
    const std::optional<Hoehergruppierung>& angaben() const { return angaben_; }
    std::string grund() const;

  private:
    // The groups of the side chosen, but its highest, above which there is none; the one chosen
    // stays where the side has it.
    void gruppenFuellen();
    // The three groups above today's.
    void zieleFuellen();
    void pruefen();
    const Tariftabelle& tabelle() const;

    const Hoehergruppierungspruefung pruefung_;
    QComboBox* seite_;
    QComboBox* gruppe_;
    QComboBox* stufe_;
    QLineEdit* seit_;
    QComboBox* ziel_;
    QLineEdit* zum_;
    QLineEdit* anteil_;
    QLabel* stunden_;
    QLineEdit* erhoehung_;
    QLineEdit* erhoehungAb_;
    QLineEdit* beginn_;
    QLineEdit* ende_;
    QLabel* grund_;
    QDialogButtonBox* knoepfe_;
    std::optional<Hoehergruppierung> angaben_;
};

}  // namespace korvalt
