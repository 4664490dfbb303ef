// The settings records "pe": the person a case is calculated for, one record per field.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "personenangaben.h"
#include "tarifdaten.h"

namespace korvalt {

// One record per field that is set, in the order of `personenfelder`: "pe", the field's letter,
// its text in UTF-8, blanks. The layout is in docs/einstellungsdatei.md. None for a case without a
// person, so that it is saved as before.
std::vector<Einstellungssatz> personensaetzeBilden(const Personenangaben& person);

// What one "pe" record holds: which field, and its text.
struct Personenangabe {
    const Personenfeld* feld = nullptr;
    std::string text;
};

// The field of a "pe" record. Nothing, and a German reason, for a record that is not one, whose
// letter this version does not know or whose text is damaged.
std::optional<Personenangabe> personensatzLesen(const Einstellungssatz& satz, std::string& fehler);

}  // namespace korvalt
