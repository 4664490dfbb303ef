// The start-up of a case up to its first calculation.
#include "sitzung.h"

#include <tuple>

#include "einstellungssatz.h"
#include "sicheredatei.h"

namespace korvalt {

Eroeffnung Sitzung::oeffnen(const Startoptionen& optionen, Meldungen& meldungen) {
    Einstellungssatz fallsatz;
    fallsatz.fill(' ');
    Einstellungssatz tabellensatz = fallsatz;
    Einstellungssatz kalendersatz = fallsatz;
    if (!optionen.einstellungsdatei.empty()) {
        // A save goes to the file read here, and the window's messages name it in full; the
        // command line's name it as it was given.
        einstellungsdatei = vollerPfad(optionen.einstellungsdatei);
        const Einstellungslesung lesung = einstellungsdateiLesen(
            optionen.ohneFenster ? optionen.einstellungsdatei : einstellungsdatei);
        switch (lesung.ergebnis) {
            case Einstellungslesung::Ergebnis::gelesen:
                fallsatz = lesung.satz;
                tabellensatz = lesung.tabellensatz.value_or(tabellensatz);
                kalendersatz = lesung.kalendersatz.value_or(kalendersatz);
                if (!lesung.hinweis.empty())
                    meldungen.hinweisen("Einstellungsdatei", lesung.hinweis);
                break;
            case Einstellungslesung::Ergebnis::fehlt:
                if (optionen.ohneFenster && optionen.einstellungsdateiGenannt)
                    return {std::nullopt, lesung.fehler};
                break;
            case Einstellungslesung::Ergebnis::unbrauchbar:
                if (optionen.ohneFenster) return {std::nullopt, lesung.fehler};
                meldungen.warnen("Einstellungsdatei",
                                 lesung.fehler + "\nKorvalt öffnet den Beispielfall.");
                break;
        }
    }

    static constexpr const char* monate[] = {"JANUAR",    "FEBRUAR", "MÄRZ",     "APRIL",
                                             "MAI",       "JUNI",    "JULI",     "AUGUST",
                                             "SEPTEMBER", "OKTOBER", "NOVEMBER", "DEZEMBER"};
    for (int i = 0; i <= 11; ++i) daten.monatsname(i) = monate[i];
    tabellen.anfangsfokusSetzen();
    daten.gebiet = daten.ost == 0 ? " WEST" : " OST";
    tarifdateiöffnen(daten, tarifdatei, optionen.tarifdatei, meldungen);
    const Tabellenkatalog& katalog = daten.tabellenkatalog;
    const Tariftabelle* gewaehlt = nullptr;
    if (!optionen.tabelle.empty()) {
        gewaehlt = katalog.finden(optionen.tabelle);
        if (!gewaehlt)
            return {std::nullopt, "Die Tariftabelle \u201E" + optionen.tabelle +
                                      "\u201C gibt es nicht. Bekannte Tabellen: " +
                                      katalog.schluesselliste() + "."};
        // The case's own table only carries its start group across.
        daten.tabelle =
            katalog.tabelle(tabellensatzLesen(tabellensatz).value_or(katalog.standard().schluessel))
                .schluessel;
    } else {
        daten.tabelle = tabelleDesFalls(tabellensatz, katalog, meldungen);
    }
    titeltarif = daten.fall.tarif();

    auto startgruppe = einstellungssatzWiederherstellen(fallsatz, kalendersatz, tabellen,
                                                        rechner.tabelle().gruppenzahl());
    if (gewaehlt) {
        if (startgruppe)
            startgruppe =
                static_cast<Integer>(gruppeUebertragen(rechner.tabelle(), *startgruppe, *gewaehlt));
        daten.tabelle = gewaehlt->schluessel;
    }
    titel = fenstertitel(daten, titeltarif);
    if (startgruppe)
        tabellen.gruppe(1) = *startgruppe;
    else
        standardfallSetzen(tabellen);
    std::string fehler;
    if (!kalenderVorgeben(optionen.kalender, fehler)) return {std::nullopt, fehler};
    if (optionen.ohneFenster)
        fehler = beginnFehlt(rechner.tabelle(), tabellen.kalender.beginn.has_value());
    if (!fehler.empty()) return {std::nullopt, fehler};
    return {startgruppe, {}};
}

bool Sitzung::kalenderVorgeben(const Kalendervorgaben& vorgaben, std::string& fehler) {
    if (vorgaben.leer()) return true;
    Kalenderangaben angaben = tabellen.kalender;
    if (vorgaben.beginn) angaben.beginn = vorgaben.beginn;
    if (vorgaben.anteile) std::tie(angaben.anteilN, angaben.anteilI) = *vorgaben.anteile;
    if (vorgaben.erhoehung) angaben.erhoehung = vorgaben.erhoehung;
    if (!rechner.kalenderSetzen(angaben, fehler)) return false;
    return !vorgaben.aktuelleStufe || rechner.aktuelleStufeSetzen(*vorgaben.aktuelleStufe, fehler);
}

bool Sitzung::speichern(std::string_view startgruppentext, const std::filesystem::path& datei,
                        std::string& fehler) const {
    return einstellungsdateiSchreiben(
        datei, einstellungssaetzeBilden(startgruppentext, tabellen, rechner.tabelle()), fehler);
}

void Sitzung::tabelleSetzen(const std::string& schluessel) {
    daten.tabelle = schluessel;
    titel = fenstertitel(daten, titeltarif);
}

}  // namespace korvalt
