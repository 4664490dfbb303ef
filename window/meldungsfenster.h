// The program's message boxes: warnings, the OK/Abbrechen and the Ja/Nein question as modal Qt
// message boxes.
#pragma once

#include <QPointer>
#include <QWidget>

#include "meldungen.h"

namespace korvalt {

class Meldungsfenster : public Meldungen {
  public:
    // The boxes are centred on `eltern` once it is set (the main window after it is shown).
    void setzeEltern(QWidget* eltern) { eltern_ = eltern; }

    void warnen(std::string_view titel, std::string_view text) override;
    std::int16_t okAbbrechen(std::string_view titel, std::string_view text) override;
    bool jaNein(std::string_view titel, std::string_view text) override;

  private:
    QPointer<QWidget> eltern_;
};

}  // namespace korvalt
