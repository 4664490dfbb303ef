// Layout of the person's records. Positions count from 1, as in the other settings records.
#include "personensatz.h"

#include <algorithm>

#include "satzfelder.h"

namespace korvalt {

namespace {

constexpr int stelleFeld = 3;  // the field's letter
constexpr int stelleText = 4;  // its text, up to position 75

static_assert(einstellungssatzLaenge - stelleText + 1 == groessteAngabenlaenge);

}  // namespace

std::vector<Einstellungssatz> personensaetzeBilden(const Personenangaben& person) {
    std::vector<Einstellungssatz> saetze;
    for (const Personenfeld& feld : personenfelder) {
        const std::string& text = person.*feld.text;
        if (text.empty()) continue;
        Einstellungssatz satz;
        satz.fill(' ');
        satz[0] = 'p';
        satz[1] = 'e';
        satz[stelleFeld - 1] = static_cast<unsigned char>(feld.kennbuchstabe);
        // The text was checked when it was set; a longer one would not be read back whole.
        std::copy_n(text.begin(), std::min(text.size(), groessteAngabenlaenge),
                    satz.begin() + (stelleText - 1));
        saetze.push_back(satz);
    }
    return saetze;
}

std::optional<Personenangabe> personensatzLesen(const Einstellungssatz& satz, std::string& fehler) {
    if (satzfelder::feld(satz, 1, 2) != "pe") {
        fehler = "Der Satz beginnt nicht mit \u201Epe\u201C.";
        return std::nullopt;
    }
    const char buchstabe = static_cast<char>(satz[stelleFeld - 1]);
    const auto feld =
        std::find_if(personenfelder.begin(), personenfelder.end(),
                     [&](const Personenfeld& f) { return f.kennbuchstabe == buchstabe; });
    if (feld == personenfelder.end()) {
        fehler = "Die Angabe zur Person \u201E" + satzfelder::zeichenText(buchstabe) +
                 "\u201C kennt diese Version von Korvalt nicht.";
        return std::nullopt;
    }
    const std::string text = angabeBereinigt(
        satzfelder::feld(satz, stelleText, static_cast<int>(groessteAngabenlaenge)));
    if (text.empty() || !personenangabePruefen(feld->bezeichnung, text).empty()) {
        fehler = "Der Personensatz ist beschädigt (" + std::string(feld->bezeichnung) + ").";
        return std::nullopt;
    }
    return Personenangabe{&*feld, text};
}

}  // namespace korvalt
