// The records of one text: "fn", the name of one of the two cases, and "pe", one field of the
// person; a letter says which text, the text in UTF-8 fills the rest of the record.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "fallnamen.h"
#include "personenangaben.h"
#include "tarifdaten.h"

namespace korvalt {

// One record per case whose name is not the default one, the normal case first: "fn", the case's
// letter, its name, blanks. The layout is in docs/einstellungsdatei.md. None for a case with the
// default names, so that it is saved as before.
std::vector<Einstellungssatz> fallnamensaetzeBilden(const Fallnamen& namen);

// One record per field that is set, in the order of `personenfelder`: "pe", the field's letter,
// its text, blanks. None for a case without a person, so that it is saved as before.
std::vector<Einstellungssatz> personensaetzeBilden(const Personenangaben& person);

// What one record holds: which text, and the text.
template <class Feld>
struct Textangabe {
    const Feld* feld = nullptr;
    std::string text;
};
using Fallnamenangabe = Textangabe<Fallnamenfeld>;
using Personenangabe = Textangabe<Personenfeld>;

// The text of an "fn" or a "pe" record. Nothing, and a German reason, for a record that is not one,
// whose letter this version does not know or whose text is damaged.
std::optional<Fallnamenangabe> fallnamensatzLesen(const Einstellungssatz& satz,
                                                  std::string& fehler);
std::optional<Personenangabe> personensatzLesen(const Einstellungssatz& satz, std::string& fehler);

}  // namespace korvalt
