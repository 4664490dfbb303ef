// Naming a change of a case by the records it changed.
#include "aenderungsname.h"

#include <algorithm>

#include "kalendersatz.h"

namespace korvalt {

namespace {

// The start group's byte in the case record.
constexpr std::size_t stelleStartgruppe = 2;

std::vector<Einstellungssatz> saetzeDerArt(const std::vector<Einstellungssatz>& saetze,
                                           Satzart art) {
    std::vector<Einstellungssatz> auswahl;
    std::copy_if(saetze.begin(), saetze.end(), std::back_inserter(auswahl),
                 [art](const Einstellungssatz& satz) { return satzartVon(satz) == art; });
    return auswahl;
}

// The year view's switch changes nothing but whether the bonus counts.
std::string kalenderaenderung(const std::vector<Einstellungssatz>& vorher,
                              const std::vector<Einstellungssatz>& nachher) {
    std::string fehler;
    const auto alt = vorher.empty() ? std::nullopt : kalendersatzLesen(vorher.front(), fehler);
    const auto neu = nachher.empty() ? std::nullopt : kalendersatzLesen(nachher.front(), fehler);
    if (alt && neu) {
        Kalenderangaben umgeschaltet = *alt;
        umgeschaltet.mitSonderzahlung = neu->mitSonderzahlung;
        if (umgeschaltet == *neu)
            return neu->mitSonderzahlung ? "mit Jahressonderzahlung" : "ohne Jahressonderzahlung";
    }
    return "Beginn, Stufe und Teilzeit ändern";
}

std::string fallaenderung(const std::vector<Einstellungssatz>& vorher,
                          const std::vector<Einstellungssatz>& nachher) {
    if (!vorher.empty() && !nachher.empty() &&
        vorher.front()[stelleStartgruppe] != nachher.front()[stelleStartgruppe])
        return "Startgruppe ändern";
    return "Dauer ändern";
}

}  // namespace

std::string aenderungsname(const std::vector<Einstellungssatz>& vorher,
                           const std::vector<Einstellungssatz>& nachher) {
    for (const Satzart art : {Satzart::tabelle, Satzart::kalender, Satzart::fall,
                              Satzart::fallnamen, Satzart::steuer, Satzart::person}) {
        const auto alt = saetzeDerArt(vorher, art);
        const auto neu = saetzeDerArt(nachher, art);
        if (alt == neu) continue;
        switch (art) {
            case Satzart::tabelle:
                return "Tabelle wählen";
            case Satzart::kalender:
                return kalenderaenderung(alt, neu);
            case Satzart::fall:
                return fallaenderung(alt, neu);
            case Satzart::fallnamen:
                return "Namen der Fälle ändern";
            case Satzart::steuer:
                return "Steuer und Sozialversicherung ändern";
            case Satzart::person:
                return "Angaben zur Person ändern";
            default:
                break;
        }
    }
    return "Fall ändern";
}

}  // namespace korvalt
