// The limits of the calendar settings and what each needs of the others and of the table.
#include "kalenderpruefung.h"

#include "aktuellestufe.h"
#include "prozentzahlen.h"

namespace korvalt {

namespace {

// Whether the step, its month or the month it is counted to differ from the case's now.
bool stufeVerschoben(const Kalenderangaben& neu, const Kalenderangaben& bisher) {
    return neu.aktuelleStufe != bisher.aktuelleStufe || neu.beginn != bisher.beginn;
}

}  // namespace

std::string kalenderPruefen(const Kalenderangaben& neu, const Kalenderangaben& bisher,
                            const Falltabellen& t, const Tariftabelle& tabelle) {
    if (!tabelle.inCent) {
        Kalenderangaben ohne;
        ohne.mitSonderzahlung = neu.mitSonderzahlung;
        return neu == ohne ? "" : ohneKalenderGrund(tabelle);
    }
    if (neu.beginn) {
        if (std::string grund = beginnPruefen(*neu.beginn); !grund.empty()) return grund;
    }
    if (neu.ende) {
        if (!neu.beginn) return "Das Ende braucht einen Beginn.";
        if (*neu.ende < *neu.beginn)
            return "Das Ende " + neu.ende->text() + " liegt vor dem Beginn " + neu.beginn->text() +
                   ".";
        if (*neu.periode() > letzterMonat)
            return "Das Ende " + neu.ende->text() + " liegt mehr als " +
                   std::to_string(letzterMonat) + " Monate nach dem Beginn " + neu.beginn->text() +
                   "; spätestens geht es bis " + (*neu.beginn + (letzterMonat - 1)).text() + ".";
    }
    for (int anteil : {neu.anteilN, neu.anteilI})
        if (anteil < kleinsterAnteil || anteil > vollzeitAnteil)
            return "Der Arbeitszeitanteil " + anteilText(anteil) +
                   " liegt nicht zwischen 1 und 100 %.";
    if (neu.erhoehung &&
        (neu.erhoehung->zehntelProzent < 0 || neu.erhoehung->zehntelProzent > groessteErhoehung))
        return "Die angenommene Erhöhung von " +
               erhoehungsprozentText(neu.erhoehung->zehntelProzent) +
               " liegt nicht zwischen 0 und 10 %.";
    if (neu.aktuelleStufe) {
        if (!neu.beginn) return "Die aktuelle Stufe braucht einen Beginn.";
        if (stufeVerschoben(neu, bisher)) {
            if (std::string grund = aktuelleStufePruefen(t, *neu.aktuelleStufe, *neu.beginn);
                !grund.empty())
                return grund;
        }
    }
    return beginnFehlt(tabelle, neu.beginn.has_value());
}

}  // namespace korvalt
