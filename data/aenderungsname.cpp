// Naming a change of a case by the part of it that changed.
#include "aenderungsname.h"

namespace korvalt {

namespace {

// The year view's switch changes nothing but whether the bonus counts.
std::string kalenderaenderung(const Kalenderangaben& vorher, const Kalenderangaben& nachher) {
    Kalenderangaben umgeschaltet = vorher;
    umgeschaltet.mitSonderzahlung = nachher.mitSonderzahlung;
    if (umgeschaltet == nachher)
        return nachher.mitSonderzahlung ? "mit Jahressonderzahlung" : "ohne Jahressonderzahlung";
    return "Beginn, Stufe und Teilzeit ändern";
}

}  // namespace

std::string aenderungsname(const Fallangaben& vorher, const Fallangaben& nachher) {
    // A case waiting for a start month is saved in the table by date it names.
    const auto tabelle = [](const Fallangaben& f) {
        return f.nachDatum.empty() ? f.tabelle : f.nachDatum;
    };
    if (tabelle(vorher) != tabelle(nachher)) return "Tabelle wählen";
    if (vorher.kalender != nachher.kalender || vorher.ruhenderKalender != nachher.ruhenderKalender)
        return kalenderaenderung(vorher.kalender, nachher.kalender);
    if (vorher.startgruppe != nachher.startgruppe) return "Startgruppe ändern";
    if (vorher.stufendauer != nachher.stufendauer || vorher.grdauerN != nachher.grdauerN ||
        vorher.grdauerI != nachher.grdauerI)
        return "Dauer ändern";
    if (vorher.namen != nachher.namen) return "Namen der Fälle ändern";
    if (vorher.steuer != nachher.steuer) return "Steuer und Sozialversicherung ändern";
    if (vorher.person != nachher.person) return "Angaben zur Person ändern";
    return "Fall ändern";
}

}  // namespace korvalt
