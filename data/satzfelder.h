// A settings record described once: the table of its fields (position, length, kind) drives
// reading it, writing it and keeping what a later version wrote after its last field.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "kalendermonat.h"
#include "tarifdaten.h"

namespace korvalt {

// How a field's bytes hold its value.
enum class Feldart {
    ziffern,  // ASCII digits, zero-padded; blanks: not set
    byte,     // one byte whose code is the value: the start group and step durations of "st"
    text,     // the bytes themselves: a letter, or UTF-8 text padded with blanks
};

struct Satzfeld {
    std::string_view name;
    int position = 0;  // its first byte, counting from 1
    int laenge = 0;
    Feldart art = Feldart::ziffern;
    constexpr int ende() const { return position + laenge - 1; }
};

// One field's value, as read or to be written.
struct Feldwert {
    bool gesetzt = false;      // not blank
    bool beschaedigt = false;  // digits: holds something else than digits
    std::int64_t zahl = 0;
    std::string text;  // the field's bytes as read; what a text field writes, cut or padded

    static Feldwert zahlwert(std::int64_t zahl) { return {true, false, zahl, {}}; }
    static Feldwert textwert(std::string_view text) { return {true, false, 0, std::string(text)}; }
};

// A kind of record: its first two bytes and its fields, in the order of their values.
struct Satzbeschreibung {
    std::string_view kennung;
    std::span<const Satzfeld> felder;
    // The last position this version knows; a later version's settings follow it.
    constexpr int letzteStelle() const { return felder.back().ende(); }
};

// Whether the fields follow each other from position 3 without gap or overlap and stay in the
// record, so that no byte between them is lost on the way through a file.
constexpr bool lueckenlos(std::span<const Satzfeld> felder) {
    int naechste = 3;
    for (const Satzfeld& f : felder) {
        if (f.position != naechste || f.laenge < 1) return false;
        naechste = f.ende() + 1;
    }
    return naechste - 1 <= int(einstellungssatzLaenge);
}

// The values of the fields of a record of kind `art`, one per field.
std::vector<Feldwert> satzLesen(const Einstellungssatz& satz, const Satzbeschreibung& art);

// The record of kind `art` with these values, one per field; a value not set stays blank. The
// positions after the last field are blank, or those of `gelesen`, the record the case was read
// with, so that a later version's settings survive a save.
Einstellungssatz satzSchreiben(const Satzbeschreibung& art, const std::vector<Feldwert>& werte,
                               const Einstellungssatz* gelesen = nullptr);

// A month field, JJJJMM: blanks for none.
Feldwert monatswert(const std::optional<KalenderMonat>& m);
// The month a set field holds; nothing for a blank field or one that is no month.
std::optional<KalenderMonat> feldmonat(const Feldwert& w);

// Whether the record holds something after the last field of `art`.
bool unbekanntesBelegt(const Einstellungssatz& satz, const Satzbeschreibung& art);

namespace satzfelder {

inline std::string_view feld(const Einstellungssatz& satz, int position, int laenge) {
    return {reinterpret_cast<const char*>(satz.data()) + position - 1, std::size_t(laenge)};
}

inline bool leer(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

// A letter as it can be shown in a message: itself, or "\x01" for a byte that is no letter.
inline std::string zeichenText(char zeichen) {
    const auto byte = static_cast<unsigned char>(zeichen);
    if (byte > 0x20 && byte < 0x7F) return std::string(1, zeichen);
    constexpr const char* hex = "0123456789ABCDEF";
    return std::string("\\x") + hex[byte >> 4] + hex[byte & 15];
}

}  // namespace satzfelder

}  // namespace korvalt
