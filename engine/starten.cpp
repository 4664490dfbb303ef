// The recalculation driver and the start-up up to the first complete result.
#include "einstellungssatz.h"
#include "rechner.h"
#include "zahlen.h"

namespace korvalt {

void Rechner::starten() {
    t_.gruppe(1) = alsInteger(zahlAmAnfang(felder_.text({Feldname::Startgruppe})));
    for (int k = 2; k <= 4; ++k) {
        const int gruppe = t_.gruppe(1) + k - 1;
        t_.gruppe(k) = static_cast<Integer>(gruppe > 15 ? 0 : gruppe);
    }
    for (int k = 2; k <= 4; ++k) {
        const FeldId titel{Feldname::Gruppetit, static_cast<std::int8_t>(k)};
        felder_.setzeText(titel, t_.gruppe(k) < 1 ? std::string("entfällt")
                                                  : "EGr. " + ganzzahlText(t_.gruppe(k)));
    }
    tabellefüllen();
    vonbisdurchschnitt();
    vonbisindividuell();
    vergleichen();
}

void Rechner::laden(const std::vector<std::filesystem::path>& suchorte, Meldungen& meldungen) {
    static constexpr const char* monate[] = {"JANUAR",    "FEBRUAR", "MÄRZ",     "APRIL",
                                             "MAI",       "JUNI",    "JULI",     "AUGUST",
                                             "SEPTEMBER", "OKTOBER", "NOVEMBER", "DEZEMBER"};
    for (int i = 0; i <= 11; ++i) daten_.monatsname(i) = monate[i];
    t_.fokusspalte = 1;
    t_.fokusart = 2;
    t_.fokusseite = 2;
    t_.fokusstufe = 3;
    daten_.gebiet = daten_.ost == 0 ? " WEST" : " OST";
    tarifdateiöffnen(daten_, datei_, suchorte, meldungen);
    felder_.setzeText({Feldname::Korvaltei}, fenstertitel(daten_));
    gitterVorbereiten();

    if (const auto startgruppe = einstellungssatzWiederherstellen(daten_.einstellungssatz, t_)) {
        felder_.setzeText({Feldname::Startgruppe}, ganzzahlText(*startgruppe));
        t_.gruppe(1) = *startgruppe;
    } else {
        standardfallSetzen(t_);
    }
    dauernZeigen();
    starten();
}

void Rechner::gitterVorbereiten() {
    Gitterspeicher& gitter = felder_.gitter();
    gitter.setzeZeilenhoehe(0, static_cast<int>(rundeGerade(gitter.zeilenhoehe(0) * 1.5)));
    gitter.verbindenErlaubt = true;
    gitter.kopfzeileVerbinden = true;
    gitter.schriftgroesse = 10;
    gitter.fett = true;
    const std::string fall(daten_.fallname(daten_.fall.nummer()).getrimmt());
    const std::string kopf[gitterSpalten] = {"Monat",
                                             "D u r c h s c h n i t t",
                                             "D u r c h s c h n i t t",
                                             "D u r c h s c h n i t t",
                                             fall,
                                             fall,
                                             fall,
                                             "Differenz"};
    for (int spalte = 0; spalte < gitterSpalten; ++spalte)
        gitter.setzeText(0, spalte, kopf[spalte]);
    const char* unterkopf[] = {"EGr.", "Stufe", "Entgelt"};
    for (int i = 0; i < 3; ++i) {
        gitter.setzeText(1, 1 + i, unterkopf[i]);
        gitter.setzeText(1, 4 + i, unterkopf[i]);
    }
}

void Rechner::dauernZeigen() {
    for (int i = 1; i <= 4; ++i) {
        felder_.setzeText({Feldname::GrDauer, static_cast<std::int8_t>(i)},
                          ganzzahlText(t_.grdauerN(i)));
        felder_.setzeText({Feldname::GrDauer1, static_cast<std::int8_t>(i)},
                          ganzzahlText(t_.grdauerI(i)));
    }
    for (int j = 1; j <= 6; ++j) {
        for (int i = 1; i <= 4; ++i) {
            felder_.setzeText(spaltenfeld(Feldname::normal1, 1, i, j),
                              ganzzahlText(t_.stufendauer(1, i, j)));
            felder_.setzeText(spaltenfeld(Feldname::indi1, 1, i, j),
                              ganzzahlText(t_.stufendauer(2, i, j)));
        }
    }
}

}  // namespace korvalt
