// The program with its window: the Qt application in German, the message boxes, the start-up of
// the main window and its event loop until the window closes.
#pragma once

#include <functional>

#include "hauptfenster.h"

namespace korvalt {

// Shows `sitzung` in the main window. `vorDemZeigen` runs after the start-up, before the window is
// first shown: the place to attach the buttons and menu items whose work lives elsewhere
// (setzeKlick, the items' `triggered`). `endesignal`, when not -1, is a descriptor that a signal
// to end makes readable with its number as one byte: the window then ends without asking or
// writing anything, with status 128 + the number. Returns the application's exit status.
int fensterAusfuehren(int& argc, char** argv, Sitzung& sitzung, const Startoptionen& orte,
                      int endesignal = -1,
                      const std::function<void(Hauptfenster&)>& vorDemZeigen = {});

}  // namespace korvalt
