// The window's buttons Speichern, Ergebnis drucken and Liste Drucken, attached to the save command
// and the two printouts.
#pragma once

#include <memory>

#include "druckauftrag.h"

namespace korvalt {

class Korvaltei;
class Sitzung;

// Without `umgebung` the printouts go to the desktop's default printer and ask with a file dialog
// for a PDF file when there is none.
void ausgabeAnschliessen(Korvaltei& fenster, std::shared_ptr<Druckumgebung> umgebung = nullptr);

// What the button Speichern does: asks, then writes the case shown into the settings file the
// session came from ("korvalt-einstellungen.dat" in the working directory). True when it was
// written; without `fragen` the user has already said so.
bool speichernAusfuehren(Korvaltei& fenster, bool fragen = true);

// The painting of a printout, the same for the buttons, the menu, the dialog and the preview.
Druckvorgang druckvorgang(Korvaltei& fenster, Ausdruck was);

// The month list of the computed case on a printer, headed by the window caption, its pages by the
// person or else by `fall` (the case's stored name when empty); false with a German reason. The
// same for the button and for the command line.
bool monatslisteDrucken(Sitzung& sitzung, QPrinter& printer, std::string& fehler,
                        std::string_view fall = {});

}  // namespace korvalt
