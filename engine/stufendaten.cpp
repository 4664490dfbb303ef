// The step dates of a case and their delays.
#include "stufendaten.h"

#include <algorithm>

#include "sitzung.h"

namespace korvalt {

namespace {

// The first month of each run of one group and step after the case's first month.
std::vector<Stufendatum> wechsel(const Falltabellen& t, Seite seite) {
    std::vector<Stufendatum> daten;
    const int letzter = t.letztermonat(static_cast<int>(seite));
    if (!t.kalender.beginn) return daten;
    for (int m = 2; m <= letzter; ++m) {
        const int gruppe = t.monatsgruppe(seite)(m);
        const int stufe = t.monatsstufe(seite)(m);
        if (gruppe == t.monatsgruppe(seite)(m - 1) && stufe == t.monatsstufe(seite)(m - 1))
            continue;
        daten.push_back({gruppe, stufe, *t.kalender.kalendermonat(m), 0});
    }
    return daten;
}

}  // namespace

std::vector<Stufendatum> stufendaten(const Falltabellen& mit, const Falltabellen* ohne,
                                     Seite seite) {
    std::vector<Stufendatum> daten = wechsel(mit, seite);
    if (!ohne) return daten;
    // Matched in order: the n-th time a group and step is entered with and without.
    std::vector<Stufendatum> vorher = wechsel(*ohne, seite);
    for (Stufendatum& d : daten) {
        const auto gleich = std::find_if(vorher.begin(), vorher.end(), [&](const Stufendatum& v) {
            return v.gruppe == d.gruppe && v.stufe == d.stufe;
        });
        if (gleich == vorher.end()) continue;
        d.spaeter = d.ab - gleich->ab;
        vorher.erase(vorher.begin(), gleich + 1);
    }
    return daten;
}

std::vector<std::string> stufendatenZeilen(const std::vector<Stufendatum>& daten,
                                           const Fallangaben& fall, Seite seite,
                                           const Tariftabelle& tabelle) {
    std::vector<std::string> zeilen;
    int gruppe = 0;
    for (const Stufendatum& d : daten) {
        std::string zeile;
        if (d.gruppe != gruppe) zeile = "EGr. " + tabelle.gruppenbezeichnung(d.gruppe) + " ";
        gruppe = d.gruppe;
        zeile += "Stufe " + std::to_string(d.stufe) + " ab " + d.ab.text();
        if (d.spaeter > 0) {
            std::string art;
            for (const Zeitraum& z : fall.zeitraeume) {
                if (!z.unterbricht() || z.von >= d.ab) continue;
                if (z.fuer != Zeitraumfall::beide &&
                    (z.fuer == Zeitraumfall::normal) != (seite == Seite::normal))
                    continue;
                const std::string name = zeitraumartText(z.art);
                art = art.empty() || art == name ? name : "Unterbrechungen";
            }
            zeile += " (" + (art.empty() ? std::string("Unterbrechungen") : art) + ": " +
                     std::to_string(d.spaeter) + (d.spaeter == 1 ? " Monat" : " Monate") +
                     " später)";
        }
        zeilen.push_back(zeile);
    }
    return zeilen;
}

std::vector<std::string> stufendatenDesFalls(const Sitzung& sitzung) {
    const Falltabellen* ohne = sitzung.ohneUnterbrechungen();
    if (!ohne) return {};
    std::vector<std::string> zeilen;
    for (Seite seite : {Seite::normal, Seite::individuell}) {
        zeilen.push_back("Stufen " + sitzung.fall().name(seite) + ":");
        for (const std::string& zeile :
             stufendatenZeilen(stufendaten(sitzung.tabellen(), ohne, seite), sitzung.fall(), seite,
                               sitzung.tabelle()))
            zeilen.push_back("  " + zeile);
    }
    return zeilen;
}

}  // namespace korvalt
