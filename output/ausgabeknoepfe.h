// The window's buttons Speichern, Ergebnis drucken and Liste Drucken, attached to the save command
// and the two printouts.
#pragma once

#include <memory>

#include "druckauftrag.h"

namespace korvalt {

class Korvaltei;

// Without `umgebung` the printouts go to the desktop's default printer and ask with a file dialog
// for a PDF file when there is none.
void ausgabeAnschliessen(Korvaltei& fenster, std::shared_ptr<Druckumgebung> umgebung = nullptr);

// The month list of the window's case on a printer; false with a German reason.
bool monatslisteDrucken(Korvaltei& fenster, QPrinter& printer, std::string& fehler);

}  // namespace korvalt
