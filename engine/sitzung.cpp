// The start-up of a case up to its first calculation.
#include "sitzung.h"

#include "einstellungssatz.h"
#include "sicheredatei.h"

namespace korvalt {

void Sitzung::einstellungsdateiLesen(const std::filesystem::path& datei, Meldungen& meldungen) {
    // Messages about the file name it in full, and a save goes to the file read here.
    einstellungsdatei = vollerPfad(datei);
    const Einstellungslesung lesung = korvalt::einstellungsdateiLesen(einstellungsdatei);
    if (lesung.ergebnis == Einstellungslesung::Ergebnis::gelesen) {
        daten.einstellungssatz = lesung.satz;
        if (lesung.tabellensatz) daten.einstellungssatz2 = *lesung.tabellensatz;
        if (lesung.kalendersatz) daten.einstellungssatz3 = *lesung.kalendersatz;
        if (!lesung.hinweis.empty()) meldungen.warnen("Einstellungsdatei", lesung.hinweis);
    } else if (lesung.ergebnis == Einstellungslesung::Ergebnis::unbrauchbar) {
        meldungen.warnen("Einstellungsdatei", lesung.fehler + "\nKorvalt öffnet den Beispielfall.");
    }
}

void Sitzung::tabelleSetzen(const std::string& schluessel) {
    daten.tabelle = schluessel;
    titel = fenstertitel(daten, titeltarif);
}

std::optional<Integer> Sitzung::laden(const std::vector<std::filesystem::path>& suchorte,
                                      Meldungen& meldungen) {
    static constexpr const char* monate[] = {"JANUAR",    "FEBRUAR", "MÄRZ",     "APRIL",
                                             "MAI",       "JUNI",    "JULI",     "AUGUST",
                                             "SEPTEMBER", "OKTOBER", "NOVEMBER", "DEZEMBER"};
    for (int i = 0; i <= 11; ++i) daten.monatsname(i) = monate[i];
    tabellen.anfangsfokusSetzen();
    daten.gebiet = daten.ost == 0 ? " WEST" : " OST";
    tarifdateiöffnen(daten, tarifdatei, suchorte, meldungen);
    titeltarif = daten.fall.tarif();
    titel = fenstertitel(daten, titeltarif);

    const auto startgruppe = einstellungssatzWiederherstellen(
        daten.einstellungssatz, daten.einstellungssatz3, tabellen, rechner.tabelle().gruppenzahl());
    if (startgruppe)
        tabellen.gruppe(1) = *startgruppe;
    else
        standardfallSetzen(tabellen);
    return startgruppe;
}

}  // namespace korvalt
