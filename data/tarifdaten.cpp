// The module procedures of TarifDaten.
#include "tarifdaten.h"

#include "fallnamen.h"
#include "tarifdatei.h"

namespace korvalt {

void tarifdateiöffnen(TarifDaten& daten, Tarifdatei& datei,
                      const std::vector<std::filesystem::path>& suchorte, Meldungen& meldungen) {
    daten.tabellenkatalog = datei.aufsuchen(suchorte, meldungen);
    daten.fallname(daten.fall.nummer()) = standardnameIndividuell;
    // The tariff index is still 0 here, so the area's name lands in entry 0, where the caption
    // reads it.
    daten.tarifname(daten.fall.tarif()) = "TVöD-Gemeinden (VKA)";
    daten.tarifjahr = 2006;
    daten.tarifdatei = 14;
}

std::string fenstertitel(const TarifDaten& daten, Integer tarif, const Tariftabelle& tabelle) {
    // The case's tariff area is the municipal employers'; a table of the Federation is not theirs.
    const std::string bereich = tabelle.seite == Arbeitgeberseite::bund
                                    ? "TVöD-Bund"
                                    : std::string(daten.tarifname(tarif).getrimmt());
    return "Korvalt für " + bereich + ", " + tabelle.ueberschrift;
}

}  // namespace korvalt
