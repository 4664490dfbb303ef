// The current step counted into the durations of column 1.
#include "aktuellestufe.h"

namespace korvalt {

namespace {

std::string monate(int anzahl) {
    return std::to_string(anzahl) + (anzahl == 1 ? " Monat" : " Monate");
}

std::string monaten(int anzahl) {
    return std::to_string(anzahl) + (anzahl == 1 ? " Monat" : " Monaten");
}

// Why the step or its month cannot be taken whatever the durations, or "".
std::string angabePruefen(const AktuelleStufe& aktuell, KalenderMonat beginn) {
    if (aktuell.stufe < 1 || aktuell.stufe > hoechsteAktuelleStufe)
        return "Die aktuelle Stufe muss zwischen 1 und 6 liegen.";
    if (aktuell.seit > beginn)
        return "Stufe " + std::to_string(aktuell.stufe) + " seit " + aktuell.seit.text() +
               ": dieser Monat liegt nach dem Beginn " + beginn.text() + ".";
    return "";
}

}  // namespace

std::optional<Stufendauern> aktuelleStufeAnrechnen(const Stufendauern& dauern,
                                                   const AktuelleStufe& aktuell,
                                                   KalenderMonat beginn, std::string& fehler) {
    fehler = angabePruefen(aktuell, beginn);
    if (!fehler.empty()) return std::nullopt;
    const int s = aktuell.stufe;
    const int gedient = beginn - aktuell.seit;
    const int dauer = dauern[std::size_t(s - 1)];
    if (gedient > dauer) {
        fehler = monate(gedient) + " in Stufe " + std::to_string(s) + " seit " +
                 aktuell.seit.text() + " überschreiten die Stufenlaufzeit von " + monaten(dauer) +
                 ".";
        return std::nullopt;
    }
    Stufendauern neu = dauern;
    for (int stufe = 1; stufe < s; ++stufe) neu[std::size_t(stufe - 1)] = 0;
    neu[std::size_t(s - 1)] = dauer - gedient;
    return neu;
}

bool aktuelleStufeSetzen(Falltabellen& t, const AktuelleStufe& aktuell, KalenderMonat beginn,
                         std::string& fehler) {
    fehler = angabePruefen(aktuell, beginn);
    if (!fehler.empty()) return false;
    std::array<Stufendauern, 2> neu;
    for (int seite = 1; seite <= 2; ++seite) {
        Stufendauern dauern;
        for (int stufe = 1; stufe <= 6; ++stufe)
            dauern[std::size_t(stufe - 1)] = t.stufendauer(seite, 1, stufe);
        std::string grund;
        const auto angerechnet = aktuelleStufeAnrechnen(dauern, aktuell, beginn, grund);
        if (!angerechnet) {
            fehler = (seite == 1 ? "Normalfall: " : "Individueller Fall: ") + grund +
                     " Es wurde nichts geändert.";
            return false;
        }
        neu[std::size_t(seite - 1)] = *angerechnet;
    }
    for (int seite = 1; seite <= 2; ++seite)
        for (int stufe = 1; stufe <= 6; ++stufe)
            t.stufendauer(seite, 1, stufe) =
                static_cast<Integer>(neu[std::size_t(seite - 1)][std::size_t(stufe - 1)]);
    return true;
}

}  // namespace korvalt
