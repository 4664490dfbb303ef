// The current step of column 1 at the start month.
#include "aktuellestufe.h"

#include <algorithm>

namespace korvalt {

namespace {

std::string monate(int anzahl) {
    return std::to_string(anzahl) + (anzahl == 1 ? " Monat" : " Monate");
}

std::string monaten(int anzahl) {
    return std::to_string(anzahl) + (anzahl == 1 ? " Monat" : " Monaten");
}

}  // namespace

Stufendauern spalteEins(const Fallangaben& t, Seite seite) {
    Stufendauern dauern;
    for (int stufe = 1; stufe <= 6; ++stufe)
        dauern[std::size_t(stufe - 1)] = t.stufendauer(static_cast<int>(seite), 1, stufe);
    return dauern;
}

std::string aktuelleStufePruefen(const Fallangaben& t, const AktuelleStufe& aktuell,
                                 KalenderMonat beginn) {
    const int s = aktuell.stufe;
    if (s < 1 || s > hoechsteAktuelleStufe)
        return "Die aktuelle Stufe muss zwischen 1 und 6 liegen.";
    if (aktuell.seit > beginn)
        return "Stufe " + std::to_string(s) + " seit " + aktuell.seit.text() +
               ": dieser Monat liegt nach dem Beginn " + beginn.text() + ".";
    const int gedient = gedienteMonate(aktuell, beginn);
    for (Seite seite : {Seite::normal, Seite::individuell}) {
        const int dauer = spalteEins(t, seite)[std::size_t(s - 1)];
        if (gedient <= dauer) continue;
        return (seite == Seite::normal ? "Normalfall: " : "Individueller Fall: ") +
               monate(gedient) + " in Stufe " + std::to_string(s) + " seit " + aktuell.seit.text() +
               " überschreiten die Stufenlaufzeit von " + monaten(dauer) + ".";
    }
    return "";
}

Stufendauern aktuelleStufeAnrechnen(const Stufendauern& dauern, const AktuelleStufe& aktuell,
                                    KalenderMonat beginn) {
    Stufendauern angerechnet = dauern;
    const std::size_t s = std::size_t(std::clamp(aktuell.stufe, 1, hoechsteAktuelleStufe));
    for (std::size_t i = 0; i + 1 < s; ++i) angerechnet[i] = 0;
    int gedient = std::max(gedienteMonate(aktuell, beginn), 0);
    for (std::size_t i = s - 1; i < angerechnet.size() && gedient > 0; ++i) {
        const int genommen = std::min(gedient, angerechnet[i]);
        angerechnet[i] -= genommen;
        gedient -= genommen;
    }
    return angerechnet;
}

int stufeAmBeginn(const Stufendauern& angerechnet, int s) {
    for (int stufe = s; stufe <= hoechsteAktuelleStufe; ++stufe)
        if (angerechnet[std::size_t(stufe - 1)] > 0) return stufe;
    return hoechsteAktuelleStufe;
}

}  // namespace korvalt
