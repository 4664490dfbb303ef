// Checking the names of the cases.
#include "fallnamen.h"

#include "personenangaben.h"

namespace korvalt {

// A name has the room and the characters of a person's field, and cannot be empty.
static_assert(groessteFallnamenlaenge == groessteAngabenlaenge);

std::string fallnamePruefen(std::string_view bezeichnung, std::string_view text) {
    const std::string name(bezeichnung);
    if (angabeBereinigt(text).empty()) return name + ": Der Name ist leer.";
    if (angabeBereinigt(text).size() != text.size())
        return name + ": Der Name beginnt oder endet mit einem Leerzeichen.";
    return personenangabePruefen(bezeichnung, text);
}

}  // namespace korvalt
