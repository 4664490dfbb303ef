// The calendar settings as one line of text.
#include "kalenderangabentext.h"

#include "prozentzahlen.h"

namespace korvalt {

std::string kalenderangabenText(const Kalenderangaben& angaben) {
    std::string zeile;
    const auto anhaengen = [&zeile](const std::string& teil) {
        if (!zeile.empty()) zeile += " \u00B7 ";
        zeile += teil;
    };
    if (angaben.beginn)
        anhaengen("Beginn " + angaben.beginn->text() +
                  (angaben.ende ? " bis " + angaben.ende->text() : std::string()));
    if (angaben.aktuelleStufe)
        anhaengen("Stufe " + std::to_string(angaben.aktuelleStufe->stufe) + " seit " +
                  angaben.aktuelleStufe->seit.text());
    if (angaben.anteilN < vollzeitAnteil || angaben.anteilI < vollzeitAnteil)
        anhaengen("Teilzeit " + anteilText(angaben.anteilN) + " / " + anteilText(angaben.anteilI));
    if (angaben.erhoehung) anhaengen(erhoehungText(*angaben.erhoehung));
    return zeile;
}

}  // namespace korvalt
