// The person a case is calculated for: name, personnel number, office and the clerk, each a free
// text as typed; with the room each has in the settings file.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace korvalt {

struct Personenangaben {
    std::string name;
    std::string personalnummer;
    std::string dienststelle;
    std::string bearbeiter;

    bool operator==(const Personenangaben&) const = default;
    // A case without a person is saved exactly as before there were persons.
    bool leer() const { return *this == Personenangaben{}; }
};

// One field of the person: the letter that marks its record, its label, where it is kept.
struct Personenfeld {
    char kennbuchstabe;
    std::string_view bezeichnung;
    std::string Personenangaben::*text;
};

// In the order the dialog shows them, the printouts name them and a case file holds them.
inline constexpr std::array<Personenfeld, 4> personenfelder = {{
    {'N', "Name", &Personenangaben::name},
    {'P', "Personalnummer", &Personenangaben::personalnummer},
    {'D', "Dienststelle", &Personenangaben::dienststelle},
    {'B', "Bearbeiter(in)", &Personenangaben::bearbeiter},
}};

// Each field has a record of its own, with 72 bytes for its UTF-8 text: "ä" takes two of them.
inline constexpr std::size_t groessteAngabenlaenge = 72;

// Why `text` cannot be the field `bezeichnung`: not UTF-8, a control character (a line break, a
// tab), or too long („Dienststelle: zu lang – bitte um 3 Zeichen kürzen …“); "" when it can.
std::string personenangabePruefen(std::string_view bezeichnung, std::string_view text);

// The text with the blanks at both ends removed: the record pads with blanks, so they would be
// lost on the way through a file anyway.
std::string angabeBereinigt(std::string_view text);

// The person in the heading of a printout and the window title: "Anna Müller (Personalnummer
// 4711)", the name alone, "Personalnummer 4711" alone; "" without either.
std::string personKurz(const Personenangaben& person);

}  // namespace korvalt
