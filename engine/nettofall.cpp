// Both cases' month pays through the wage tax and the social insurance.
#include "nettofall.h"

#include <algorithm>

#include <optional>

#include "jahresrecht.h"

namespace korvalt {

const Nettomonat* Nettofall::monat(Seite seite, int m) const {
    const auto& monate = reihe(seite).monate;
    if (m < 1 || m > static_cast<int>(monate.size())) return nullptr;
    return &monate[std::size_t(m - 1)];
}

Nettofall nettofallRechnen(const Falltabellen& t, const Steuerangaben& angaben,
                           Arbeitgeberseite seite, std::span<const Sonderzahlung> sonderzahlungenN,
                           std::span<const Sonderzahlung> sonderzahlungenI,
                           Nettojahrspeicher* speicher) {
    Nettofall netto;
    netto.angaben = angaben;
    netto.beginn = *t.kalender.beginn;
    const bool imDienst = t.kalender.aktuelleStufe.has_value();
    for (Seite fall : {Seite::normal, Seite::individuell}) {
        std::vector<Long> cent;
        std::vector<Zahlung> zahlung;
        for (int m = 1; m <= t.letztermonat(static_cast<int>(fall)); ++m) {
            cent.push_back(t.monatscent(fall)(m));
            zahlung.push_back(t.monatszahlung(fall)(m));
        }
        const auto sonderzahlungen = fall == Seite::normal ? sonderzahlungenN : sonderzahlungenI;
        netto.reihen[fall == Seite::normal ? 0 : 1] = nettoreiheRechnen(
            netto.beginn, cent, sonderzahlungen, imDienst, angaben, seite, speicher, zahlung);
    }
    netto.mitSonderzahlung = !sonderzahlungenN.empty() || !sonderzahlungenI.empty();
    netto.mitElternzeit = std::any_of(t.zeitraeume.begin(), t.zeitraeume.end(), [](const auto& z) {
        return z.art == Zeitraumart::elternzeit;
    });
    return netto;
}

std::vector<std::string> nettohinweise(const Nettofall& netto) {
    const Steuerangaben& a = netto.angaben;
    std::vector<std::string> zeilen{"Lohnsteuer: " + lohnsteuerangabenText(a),
                                    "Sozialversicherung: " + versicherungsangabenText(a)};
    if (a.ohneZusatzversorgung()) {
        zeilen.push_back("Zusatzversorgung: keine.");
    } else {
        const Jahresrecht& recht = jahresrecht(netto.beginn.jahr());
        const bool vbl = a.versorgungskasse == Versorgungskasse::vblWest;
        zeilen.push_back(std::string("Zusatzversorgung: ") + (vbl ? "VBL West" : "eigene Sätze") +
                         ", Umlage des Arbeitgebers " +
                         prozentText(vbl ? recht.vblWestUmlage : a.umlage) +
                         ", Anteil des Beschäftigten " +
                         prozentText(vbl ? recht.vblWestAnteil : a.zusatzversorgung) + ".");
        zeilen.push_back(
            "Nicht nachgebildet: Beiträge des Arbeitgebers zur kapitalgedeckten Versorgung "
            "(§ 3 Nr. 63 EStG), Sanierungsgeld, die zusätzliche Umlage über der Entgeltgrenze und "
            "die VBL Ost.");
    }
    if (netto.mitElternzeit)
        zeilen.push_back("Monate ohne Entgelt netto 0,00; Elterngeld ist nicht berücksichtigt.");
    if (netto.mitSonderzahlung)
        zeilen.push_back(
            "Netto im Monat der Jahressonderzahlung mit ihr, versteuert als sonstiger Bezug.");
    if (netto.nachLetztemStand()) zeilen.push_back(standHinweis() + ".");
    // A negative amount alone would look like a fault of the program.
    std::optional<KalenderMonat> unterNull;
    for (const Nettoreihe& reihe : netto.reihen)
        for (const Nettomonat& m : reihe.monate)
            if (m.netto < 0 && (!unterNull || m.monat < *unterNull)) unterNull = m.monat;
    if (unterNull)
        zeilen.push_back("Nettolohn unter 0 ab " + unterNull->text() + ": " + nettoUnterNullGrund +
                         ".");
    return zeilen;
}

}  // namespace korvalt
