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

// The raise applies to a table by date after its side's last table, from a start month on.
std::string erhoehungPruefen(const AngenommeneErhoehung& erhoehung, bool hatBeginn,
                             const Tariftabelle& tabelle, const Tabellenkatalog& katalog) {
    if (erhoehung.zehntelProzent < 0 || erhoehung.zehntelProzent > groessteErhoehung)
        return "Die angenommene Erhöhung von " + erhoehungsprozentText(erhoehung.zehntelProzent) +
               " liegt nicht zwischen 0 und 10 %.";
    if (!tabelle.nachDatum) {
        std::string namen;
        for (const Tariftabelle& t : katalog.tabellenNachDatum())
            namen += (namen.empty() ? "\u201E" : ", \u201E") + t.menuetitel() + "\u201C";
        return "Eine angenommene Erhöhung gibt es nur in einer Tabelle nach Datum (" + namen +
               "), nicht in \u201E" + tabelle.ueberschrift + "\u201C.";
    }
    if (!hatBeginn) return "Die angenommene Erhöhung braucht einen Beginn.";
    const auto tabellen = katalog.datierteTabellen(tabelle.seite);
    const auto letzte =
        tabellen.empty() ? std::nullopt : kalenderMonatLesen(tabellen.back()->inKraft);
    if (letzte && erhoehung.ab <= *letzte)
        return "Die angenommene Erhöhung ab " + erhoehung.ab.text() +
               " muss nach der letzten Tariftabelle beginnen, die ab " + letzte->text() + " gilt.";
    if (erhoehung.ab > spaetesterBeginn)
        return "Die angenommene Erhöhung ab " + erhoehung.ab.text() + " liegt nach " +
               spaetesterBeginn.text() + ".";
    return "";
}

}  // namespace

std::string kalenderPruefen(const Kalenderangaben& neu, const Kalenderangaben& bisher,
                            const Fallangaben& t, const Tariftabelle& tabelle,
                            const Tabellenkatalog& katalog) {
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
    if (neu.erhoehung) {
        if (std::string grund =
                erhoehungPruefen(*neu.erhoehung, neu.beginn.has_value(), tabelle, katalog);
            !grund.empty())
            return grund;
    }
    if (neu.aktuelleStufe) {
        if (!neu.beginn) return "Die aktuelle Stufe braucht einen Beginn.";
        if (stufeVerschoben(neu, bisher)) {
            if (std::string grund = aktuelleStufePruefen(t, *neu.aktuelleStufe, *neu.beginn);
                !grund.empty())
                return grund;
        }
    }
    if (neu.beginn && !t.zeitraeume.empty()) {
        if (std::string grund = zeitraeumePruefen(t.zeitraeume, neu); !grund.empty()) return grund;
    }
    return beginnFehlt(tabelle, neu.beginn.has_value());
}

std::string zeitraeumePruefen(const Zeitraeume& zeitraeume, const Kalenderangaben& kalender) {
    if (!kalender.beginn) return "Teilzeit und Unterbrechungen brauchen einen Beginn.";
    const KalenderMonat beginn = *kalender.beginn;
    const KalenderMonat ende = *kalender.kalendermonat(kalender.periode().value_or(letzterMonat));
    const auto gemeinsam = [](const Zeitraum& a, const Zeitraum& b) {
        return a.fuer == Zeitraumfall::beide || b.fuer == Zeitraumfall::beide || a.fuer == b.fuer;
    };
    for (std::size_t i = 0; i < zeitraeume.size(); ++i) {
        const Zeitraum& z = zeitraeume[i];
        const std::string name = zeitraumartText(z.art) + " ab " + z.von.text();
        const KalenderMonat bis = z.bis.value_or(z.von);
        if (z.unterbricht() && !z.bis) return name + ": Das Ende fehlt.";
        if (bis < z.von)
            return name + ": Das Ende " + bis.text() + " liegt vor dem Anfang " + z.von.text() +
                   ".";
        if (z.von < beginn || bis > ende)
            return name + " liegt nicht im Fall (" + beginn.text() + " bis " + ende.text() + ").";
        if (z.art == Zeitraumart::teilzeit &&
            (z.anteil < kleinsterAnteil || z.anteil > vollzeitAnteil))
            return name + ": Der Arbeitszeitanteil " + anteilText(z.anteil) +
                   " liegt nicht zwischen 1 und 100 %.";
        if (z.geburt && *z.geburt > bis)
            return name + ": Die Geburt des Kindes " + z.geburt->text() +
                   " liegt nach dem Ende der Elternzeit.";
        for (std::size_t j = 0; j < i; ++j) {
            const Zeitraum& w = zeitraeume[j];
            if (!gemeinsam(z, w) || z.unterbricht() != w.unterbricht()) continue;
            if (z.von <= w.bis.value_or(w.von) && w.von <= bis)
                return name + " überschneidet sich mit " + zeitraumartText(w.art) + " ab " +
                       w.von.text() + ".";
        }
    }
    return "";
}

std::string nettolohnGrund(const Tariftabelle& tabelle, const Kalenderangaben& kalender) {
    if (!tabelle.inCent)
        return "Die Tariftabelle " + tabelle.schluessel +
               " rechnet ohne Kalender; den Nettolohn gibt es nur in den Tabellen ab 2024 mit "
               "einem Beginn.";
    if (!kalender.beginn) return "Der Nettolohn braucht einen Beginn.";
    return "";
}

}  // namespace korvalt
