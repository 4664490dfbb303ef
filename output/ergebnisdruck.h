// The result printout: the window turned into a printable sheet, printed as one page, and put back
// into its working state.
#pragma once

#include <string>

#include "anzeigefelder.h"
#include "tarifdaten.h"

namespace korvalt {

// What the result printout needs of the main window besides its fields.
class Druckfenster {
  public:
    virtual ~Druckfenster() = default;
    virtual Anzeigefelder& felder() = 0;
    // Height of the client area in twips. Setting it keeps the fields in place, so that the
    // signature line below the design area comes into view and goes again.
    virtual int hoeheTwips() const = 0;
    virtual void setzeHoeheTwips(int twips) = 0;
    virtual int feldhoeheTwips(FeldId feld) const = 0;
    // Prints the client area with every field visible now as one page; false with a German reason.
    virtual bool clientbereichDrucken(std::string& fehler) = 0;
};

// Hides the buttons, shows "Berechnung für" and the case name, paints the backgrounds white, shows
// the caption line below the window and prints it. Whether or not printing succeeded, the window
// then has its buttons, its height and its working colours again. False with a German reason when
// the page could not be printed.
bool ergebnisDrucken(const TarifDaten& daten, Druckfenster& fenster, std::string& fehler);

}  // namespace korvalt
