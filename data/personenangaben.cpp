// Checking the person's fields and naming the person in one line.
#include "personenangaben.h"

namespace korvalt {

namespace {

// The length of the UTF-8 sequence that begins with `erstes`, 0 for a byte no sequence begins with.
std::size_t sequenzlaenge(unsigned char erstes) {
    if (erstes < 0x80) return 1;
    if (erstes >= 0xC2 && erstes <= 0xDF) return 2;
    if (erstes >= 0xE0 && erstes <= 0xEF) return 3;
    if (erstes >= 0xF0 && erstes <= 0xF4) return 4;
    return 0;
}

// The code point of the sequence at `text[i]`, or -1 for a damaged, overlong or surrogate one.
long codepunkt(std::string_view text, std::size_t i, std::size_t laenge) {
    if (laenge == 0 || i + laenge > text.size()) return -1;
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[i + k]); };
    if (laenge == 1) return byte(0);
    long wert = byte(0) & (0x7F >> laenge);
    for (std::size_t k = 1; k < laenge; ++k) {
        if ((byte(k) & 0xC0) != 0x80) return -1;
        wert = (wert << 6) | (byte(k) & 0x3F);
    }
    constexpr long kleinster[] = {0, 0, 0x80, 0x800, 0x10000};
    if (wert < kleinster[laenge] || wert > 0x10FFFF || (wert >= 0xD800 && wert <= 0xDFFF))
        return -1;
    return wert;
}

bool steuerzeichen(long c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

}  // namespace

std::string personenangabePruefen(std::string_view bezeichnung, std::string_view text) {
    const std::string name(bezeichnung);
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t laenge = sequenzlaenge(static_cast<unsigned char>(text[i]));
        const long c = codepunkt(text, i, laenge);
        if (c < 0) return name + ": Der Text enthält Bytes, die kein UTF-8 sind.";
        if (steuerzeichen(c))
            return name +
                   ": Zeilenumbrüche, Tabulatoren und andere Steuerzeichen sind nicht "
                   "möglich.";
        i += laenge;
    }
    if (text.size() > groessteAngabenlaenge)
        return name + ": zu lang \u2013 bitte um " +
               std::to_string(text.size() - groessteAngabenlaenge) + " Zeichen kürzen (Platz für " +
               std::to_string(groessteAngabenlaenge) + " Zeichen; ä, ö, ü und ß zählen doppelt).";
    return "";
}

std::string angabeBereinigt(std::string_view text) {
    const auto anfang = text.find_first_not_of(' ');
    if (anfang == std::string_view::npos) return "";
    return std::string(text.substr(anfang, text.find_last_not_of(' ') - anfang + 1));
}

std::string personKurz(const Personenangaben& person) {
    if (person.personalnummer.empty()) return person.name;
    if (person.name.empty()) return "Personalnummer " + person.personalnummer;
    return person.name + " (Personalnummer " + person.personalnummer + ")";
}

}  // namespace korvalt
