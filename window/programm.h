// The program with its window: the Qt application in German, the message boxes, the start-up of
// the main window and its event loop until the window closes.
#pragma once

#include <functional>

#include "hauptfenster.h"

namespace korvalt {

// Shows `sitzung` in the main window. `vorDemZeigen` runs after the start-up, before the window is
// first shown: the place to attach the buttons and menu items whose work lives elsewhere
// (setzeKlick, the items' `triggered`). Returns the application's exit status.
int fensterAusfuehren(int& argc, char** argv, Sitzung& sitzung, const Startoptionen& orte,
                      const std::function<void(Hauptfenster&)>& vorDemZeigen = {});

}  // namespace korvalt
