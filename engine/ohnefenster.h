// A whole calculation without a window: the shared state, a plain field store, the tariff file and
// the chain.
#pragma once

#include <filesystem>
#include <vector>

#include "feldspeicher.h"
#include "fenstertabellen.h"
#include "rechner.h"
#include "tarifdatei.h"
#include "tarifdaten.h"

namespace korvalt {

struct OhneFenster {
    TarifDaten daten;
    Fenstertabellen tabellen;
    Feldspeicher felder;
    Tarifdatei datei;
    Rechner rechner{daten, tabellen, felder, datei};
};

}  // namespace korvalt
