// A case shown on the plain field store instead of a window: what the command line and the tests
// calculate with.
#pragma once

#include "fallanzeige.h"
#include "feldspeicher.h"
#include "sitzung.h"

namespace korvalt {

struct Speicherfall {
    Sitzung sitzung;
    Feldspeicher felder;
    Fallanzeige anzeige{sitzung, felder};
};

}  // namespace korvalt
