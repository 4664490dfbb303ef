// The result printout on the real window: its client area rendered as one page on a QPrinter.
#pragma once

#include <string>

class QPrinter;

namespace korvalt {

class Korvaltei;

// Prints the window as the result page (buttons hidden, case heading, caption line below), scaled
// to fit the page with its proportions kept. The window is back in its working state afterwards,
// also when the printer fails; then false with a German reason.
bool ergebnisseiteDrucken(Korvaltei& fenster, QPrinter& printer, std::string& fehler);

}  // namespace korvalt
