// The settings records "fn": the names of the two cases, one record per case named.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "fallnamen.h"
#include "tarifdaten.h"

namespace korvalt {

// One record per case whose name is not the default one, the normal case first: "fn", the case's
// letter, its name in UTF-8, blanks. The layout is in docs/einstellungsdatei.md. None for a case
// with the default names, so that it is saved as before.
std::vector<Einstellungssatz> fallnamensaetzeBilden(const Fallnamen& namen);

// What one "fn" record holds: whose name, and the name.
struct Fallnamenangabe {
    const Fallnamenfeld* feld = nullptr;
    std::string text;
};

// The name of a "fn" record. Nothing, and a German reason, for a record that is not one, whose
// letter this version does not know or whose name is damaged.
std::optional<Fallnamenangabe> fallnamensatzLesen(const Einstellungssatz& satz,
                                                  std::string& fehler);

}  // namespace korvalt
