// The table of the window's fields: name, kind, index range and initial look, shared by the window
// and the plain store.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "farbe.h"
#include "feldname.h"

namespace korvalt {

enum class Feldart : std::uint8_t { Fenster, Textfeld, Beschriftung, Tafel, Knopf, Gitter, Linie };

struct Feldbeschreibung {
    Feldname name;
    std::string_view text;  // the field's name as the program knows it ("Träger1")
    Feldart art;
    std::int8_t von = 0;  // index range; 0..0 for a field outside a control array
    std::int8_t bis = 0;
    std::int8_t luecke = -1;  // an index inside the range that does not exist (gelb has 0..2 and 4)
    std::string_view anfangstext = {};
    std::optional<Farbe> hintergrund = {};  // opaque with this colour at start, transparent without
    bool sichtbar = true;
    double schriftgroesse = 8.25;
    bool fett = false;

    bool istArray() const { return !(von == 0 && bis == 0); }
    bool hatIndex(int i) const { return i >= von && i <= bis && i != luecke; }
};

std::span<const Feldbeschreibung> feldtabelle();
const Feldbeschreibung& beschreibung(Feldname name);

// The text a field shows before the first calculation; the column titles count up ("EGr. 10".."EGr.
// 12").
std::string anfangstext(FeldId feld);

// "Betrag2" index 4 as the text "Betrag2(4)", for messages and tests.
std::string feldText(FeldId feld);

}  // namespace korvalt
