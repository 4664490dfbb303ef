// The periods of a working life as text.
#include "zeitraeume.h"

#include "prozentzahlen.h"

namespace korvalt {

std::string zeitraumartText(Zeitraumart art) {
    switch (art) {
        case Zeitraumart::teilzeit:
            return "Teilzeit";
        case Zeitraumart::elternzeit:
            return "Elternzeit";
        case Zeitraumart::sonderurlaub:
            return "Sonderurlaub ohne Entgelt";
        case Zeitraumart::sonderurlaubAngerechnet:
            return "Sonderurlaub, auf die Stufenlaufzeit angerechnet";
    }
    return "";
}

std::string zeitraumText(const Zeitraum& z, const std::string& fallname) {
    std::string text = zeitraumartText(z.art);
    if (z.art == Zeitraumart::teilzeit)
        text += " ab " + z.von.text() + ": " + anteilText(z.anteil);
    else
        text += " " + z.von.text() + " bis " + (z.bis ? z.bis->text() : z.von.text());
    if (z.art == Zeitraumart::elternzeit && z.geburt && *z.geburt != z.von)
        text += ", Geburt des Kindes " + z.geburt->text();
    if (z.haeltUhrAn()) text += " (Stufenlaufzeit ruht)";
    if (!fallname.empty()) text += ", nur " + fallname;
    return text;
}

std::vector<std::string> zeitraumzeilen(const Zeitraeume& zeitraeume, const Fallnamen& namen) {
    std::vector<std::string> zeilen;
    for (const Zeitraum& z : zeitraeume)
        zeilen.push_back(zeitraumText(z, z.fuer == Zeitraumfall::normal        ? namen.normal
                                         : z.fuer == Zeitraumfall::individuell ? namen.individuell
                                                                               : std::string()));
    return zeilen;
}

}  // namespace korvalt
