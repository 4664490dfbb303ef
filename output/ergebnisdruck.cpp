// The steps of the result printout on the window's fields.
#include "ergebnisdruck.h"

#include "farbe.h"

namespace korvalt {

bool ergebnisDrucken(const TarifDaten& daten, Druckfenster& fenster, std::string& fehler) {
    Anzeigefelder& felder = fenster.felder();
    for (Feldname knopf :
         {Feldname::Speichern, Feldname::Ergebnisdrucken, Feldname::Liste, Feldname::Hilfe,
          Feldname::Schließen, Feldname::nachoben, Feldname::nachunten})
        felder.setzeSichtbar({knopf}, false);
    felder.setzeText({Feldname::fürwen},
                     "Berechnung für " + daten.fallname(daten.fall.nummer()).text());
    felder.setzeSichtbar({Feldname::fürwen}, true);
    for (Feldname feld :
         {Feldname::Korvaltei, Feldname::Monatsgitter, Feldname::plus, Feldname::Gleichzeichen})
        felder.setzeHintergrund({feld}, farben::weiss);

    // Held as a full int: a window taller than 32767 twips comes back to its height as well.
    const int hoehe = fenster.hoeheTwips();
    felder.setzeText({Feldname::Unterschrift}, "   " + felder.text({Feldname::Korvaltei}));
    fenster.setzeHoeheTwips(hoehe + fenster.feldhoeheTwips({Feldname::Unterschrift}));

    const bool gedruckt = fenster.clientbereichDrucken(fehler);

    // The working state comes back also after a failed print, so the window stays usable.
    fenster.setzeHoeheTwips(hoehe);
    for (Feldname knopf : {Feldname::Speichern, Feldname::Ergebnisdrucken, Feldname::Liste,
                           Feldname::Hilfe, Feldname::Schließen})
        felder.setzeSichtbar({knopf}, true);
    felder.setzeSichtbar({Feldname::fürwen}, false);
    felder.setzeSichtbar({Feldname::nachoben}, true);
    felder.setzeSichtbar({Feldname::nachunten}, true);
    felder.setzeHintergrund({Feldname::plus}, farben::hellgrau);
    felder.setzeHintergrund({Feldname::Gleichzeichen}, farben::hellgrau);
    felder.setzeHintergrund({Feldname::Korvaltei}, farben::hellgrau);
    felder.setzeHintergrund({Feldname::Monatsgitter}, farben::gitterGrund);
    return gedruckt;
}

}  // namespace korvalt
