// The program with its window: the Qt application in German, the message boxes, the start-up of
// Korvaltei and its event loop until the window closes.
#pragma once

#include <functional>

#include "korvaltei.h"

namespace korvalt {

// Shows `sitzung` in the window. `vorDemZeigen` runs after the start-up, before the window is first
// shown: the place to attach the buttons whose work lives elsewhere (setzeKlick). Returns the
// application's exit status.
int fensterAusfuehren(int& argc, char** argv, Sitzung& sitzung, const Startorte& orte,
                      const std::function<void(Korvaltei&)>& vorDemZeigen = {});

}  // namespace korvalt
