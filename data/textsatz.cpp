// The one description, reader and writer of the records "fn" and "pe".
#include "textsatz.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "satzfelder.h"

namespace korvalt {

namespace {

// The values in the order of `felder`.
enum Feld : std::size_t { buchstabe, text };

constexpr std::array<Satzfeld, 2> felder{{
    {"Buchstabe", 3, 1, Feldart::text},
    {"Text", 4, 72, Feldart::text},
}};
static_assert(lueckenlos(felder) && felder[text].ende() == int(einstellungssatzLaenge));
static_assert(felder[text].laenge == groessteFallnamenlaenge &&
              felder[text].laenge == groessteAngabenlaenge);

// What the two kinds do not share: their start, their letters, their check and their messages.
template <class Textfeld, std::size_t N>
struct Textsatzart {
    Satzbeschreibung beschreibung;
    const std::array<Textfeld, N>& textfelder;
    std::string (*pruefen)(std::string_view bezeichnung, std::string_view text);
    std::string_view satzname;  // "Namenssatz": „Der Namenssatz ist beschädigt (…).“
    // Around the unknown letter: „Den Fall „X“ eines Namenssatzes kennt …“
    std::string_view unbekanntVor;
    std::string_view unbekanntNach;
};

const Textsatzart<Fallnamenfeld, 2> namenssatz{
    {"fn", felder},    fallnamenfelder,
    fallnamePruefen,   "Namenssatz",
    "Den Fall \u201E", "\u201C eines Namenssatzes kennt diese Version von Korvalt nicht.",
};

const Textsatzart<Personenfeld, 4> personensatz{
    {"pe", felder},
    personenfelder,
    personenangabePruefen,
    "Personensatz",
    "Die Angabe zur Person \u201E",
    "\u201C kennt diese Version von Korvalt nicht.",
};

template <class Textfeld, std::size_t N, class Angaben>
std::vector<Einstellungssatz> saetzeBilden(const Textsatzart<Textfeld, N>& art,
                                           const Angaben& angaben) {
    std::vector<Einstellungssatz> saetze;
    const Angaben ohne{};
    for (const Textfeld& feld : art.textfelder) {
        const std::string& inhalt = angaben.*feld.text;
        if (inhalt == ohne.*feld.text) continue;
        // The text was checked when it was set; a longer one would not be read back whole.
        saetze.push_back(satzSchreiben(
            art.beschreibung,
            {Feldwert::textwert(std::string(1, feld.kennbuchstabe)), Feldwert::textwert(inhalt)}));
    }
    return saetze;
}

template <class Textfeld, std::size_t N>
std::optional<Textangabe<Textfeld>> satzLesen(const Einstellungssatz& satz,
                                              const Textsatzart<Textfeld, N>& art,
                                              std::string& fehler) {
    if (satzfelder::feld(satz, 1, 2) != art.beschreibung.kennung) {
        fehler =
            "Der Satz beginnt nicht mit \u201E" + std::string(art.beschreibung.kennung) + "\u201C.";
        return std::nullopt;
    }
    const std::vector<Feldwert> werte = korvalt::satzLesen(satz, art.beschreibung);
    const char zeichen = werte[buchstabe].text[0];
    const auto feld = std::find_if(art.textfelder.begin(), art.textfelder.end(),
                                   [&](const Textfeld& f) { return f.kennbuchstabe == zeichen; });
    if (feld == art.textfelder.end()) {
        fehler = std::string(art.unbekanntVor) + satzfelder::zeichenText(zeichen) +
                 std::string(art.unbekanntNach);
        return std::nullopt;
    }
    const std::string inhalt = angabeBereinigt(werte[text].text);
    if (inhalt.empty() || !art.pruefen(feld->bezeichnung, inhalt).empty()) {
        fehler = "Der " + std::string(art.satzname) + " ist beschädigt (" +
                 std::string(feld->bezeichnung) + ").";
        return std::nullopt;
    }
    return Textangabe<Textfeld>{&*feld, inhalt};
}

}  // namespace

std::vector<Einstellungssatz> fallnamensaetzeBilden(const Fallnamen& namen) {
    return saetzeBilden(namenssatz, namen);
}

std::vector<Einstellungssatz> personensaetzeBilden(const Personenangaben& person) {
    return saetzeBilden(personensatz, person);
}

std::optional<Fallnamenangabe> fallnamensatzLesen(const Einstellungssatz& satz,
                                                  std::string& fehler) {
    return satzLesen(satz, namenssatz, fehler);
}

std::optional<Personenangabe> personensatzLesen(const Einstellungssatz& satz, std::string& fehler) {
    return satzLesen(satz, personensatz, fehler);
}

}  // namespace korvalt
