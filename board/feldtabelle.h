// The table of the window's fields: name, kind, index range and initial look, shared by the window
// and the plain store.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "farbe.h"
#include "feldname.h"

namespace korvalt {

enum class Feldart : std::uint8_t { Fenster, Textfeld, Beschriftung, Tafel, Knopf, Gitter, Linie };

// A rectangle of the design in twips (1/1440 inch).
struct Rechteck {
    int x = 0;
    int y = 0;
    int breite = 0;
    int hoehe = 0;
    bool operator==(const Rechteck&) const = default;
};

// What a field's design rectangle is relative to.
enum class Anordnung : std::uint8_t {
    Fenster,      // the window's client area
    Spaltenkopf,  // the head of the column that the field's index names (GrDauer, grün, gelb...)
    Stufentafel,  // the step panels Träger<k>(j): column k, step row j
    inTafel,      // the step panel of the field's column and index (normal<k>(j) in Träger<k>(j))
};

enum class Ausrichtung : std::uint8_t { links, mitte, rechts };

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
    Rechteck lage = {};
    Anordnung anordnung = Anordnung::Fenster;
    Ausrichtung ausrichtung = Ausrichtung::links;
    std::int8_t spalte = 0;  // the column digit of a column array (3 for Träger3), 0 otherwise
    std::optional<Farbe> schriftfarbe = {};  // the window text colour without one

    bool istArray() const { return !(von == 0 && bis == 0); }
    bool hatIndex(int i) const { return i >= von && i <= bis && i != luecke; }

    constexpr Feldbeschreibung bei(int x, int y, int breite, int hoehe,
                                   Anordnung a = Anordnung::Fenster) const {
        Feldbeschreibung b = *this;
        b.lage = {x, y, breite, hoehe};
        b.anordnung = a;
        return b;
    }
    constexpr Feldbeschreibung inSchriftfarbe(Farbe f) const {
        Feldbeschreibung b = *this;
        b.schriftfarbe = f;
        return b;
    }
    constexpr Feldbeschreibung ausgerichtet(Ausrichtung a) const {
        Feldbeschreibung b = *this;
        b.ausrichtung = a;
        return b;
    }
};

std::span<const Feldbeschreibung> feldtabelle();
const Feldbeschreibung& beschreibung(Feldname name);

// The text a field shows before the first calculation; the column titles count up ("EGr. 10".."EGr.
// 12").
std::string anfangstext(FeldId feld);

// "Betrag2" index 4 as the text "Betrag2(4)", for messages and tests.
std::string feldText(FeldId feld);

// The design's left edge of group column k = 1..4 and top edge of step row j = 1..6, in twips.
int spaltenlinks(int spalte);
int stufenoben(int stufe);

// The panel that holds a field laid out inside a step panel (Träger2(4) for Betrag2(4)).
std::optional<FeldId> traegerVon(FeldId feld);

// A field's design rectangle relative to what holds it (the window or its step panel), and
// relative to the window.
Rechteck entwurfsrechteck(FeldId feld);
Rechteck fensterrechteck(FeldId feld);

}  // namespace korvalt
