// Layout of the records of the cases' names. Positions count from 1, as in the other settings
// records.
#include "fallnamensatz.h"

#include <algorithm>

#include "personenangaben.h"
#include "satzfelder.h"

namespace korvalt {

namespace {

constexpr int stelleFall = 3;  // the case's letter
constexpr int stelleName = 4;  // its name, up to position 75

static_assert(einstellungssatzLaenge - stelleName + 1 == groessteFallnamenlaenge);

}  // namespace

std::vector<Einstellungssatz> fallnamensaetzeBilden(const Fallnamen& namen) {
    std::vector<Einstellungssatz> saetze;
    const Fallnamen standard;
    for (const Fallnamenfeld& feld : fallnamenfelder) {
        const std::string& name = namen.*feld.text;
        if (name == standard.*feld.text) continue;
        Einstellungssatz satz;
        satz.fill(' ');
        satz[0] = 'f';
        satz[1] = 'n';
        satz[stelleFall - 1] = static_cast<unsigned char>(feld.kennbuchstabe);
        // The name was checked when it was set; a longer one would not be read back whole.
        std::copy_n(name.begin(), std::min(name.size(), groessteFallnamenlaenge),
                    satz.begin() + (stelleName - 1));
        saetze.push_back(satz);
    }
    return saetze;
}

std::optional<Fallnamenangabe> fallnamensatzLesen(const Einstellungssatz& satz,
                                                  std::string& fehler) {
    if (satzfelder::feld(satz, 1, 2) != "fn") {
        fehler = "Der Satz beginnt nicht mit \u201Efn\u201C.";
        return std::nullopt;
    }
    const char buchstabe = static_cast<char>(satz[stelleFall - 1]);
    const auto feld =
        std::find_if(fallnamenfelder.begin(), fallnamenfelder.end(),
                     [&](const Fallnamenfeld& f) { return f.kennbuchstabe == buchstabe; });
    if (feld == fallnamenfelder.end()) {
        fehler = "Den Fall \u201E" + satzfelder::zeichenText(buchstabe) +
                 "\u201C eines Namenssatzes kennt diese Version von Korvalt nicht.";
        return std::nullopt;
    }
    const std::string name = angabeBereinigt(
        satzfelder::feld(satz, stelleName, static_cast<int>(groessteFallnamenlaenge)));
    if (!fallnamePruefen(feld->bezeichnung, name).empty()) {
        fehler = "Der Namenssatz ist beschädigt (" + std::string(feld->bezeichnung) + ").";
        return std::nullopt;
    }
    return Fallnamenangabe{&*feld, name};
}

}  // namespace korvalt
