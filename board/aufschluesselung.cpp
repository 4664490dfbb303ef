// Lays out a month's taxes and contributions line by line.
#include "aufschluesselung.h"

namespace korvalt {

namespace {

using Art = Aufschluesselungszeile::Art;

struct Posten {
    const char* bezeichnung;
    Art art;
    std::int64_t Nettomonat::*betrag;
    bool immer;  // shown even when 0 in both cases
};

// In the order of a pay slip.
constexpr Posten posten[] = {
    {"Bruttoentgelt", Art::zahlung, &Nettomonat::brutto, true},
    {"Jahressonderzahlung", Art::zahlung, &Nettomonat::sonderzahlung, false},
    {"Zuschuss des Arbeitgebers zur privaten Versicherung", Art::zahlung,
     &Nettomonat::arbeitgeberzuschuss, false},
    {"Lohnsteuer", Art::abzug, &Nettomonat::lohnsteuer, true},
    {"davon auf die Jahressonderzahlung", Art::davon, &Nettomonat::lohnsteuerSonderzahlung, false},
    {"Solidaritätszuschlag", Art::abzug, &Nettomonat::solidaritaetszuschlag, true},
    {"davon auf die Jahressonderzahlung", Art::davon,
     &Nettomonat::solidaritaetszuschlagSonderzahlung, false},
    {"Kirchensteuer", Art::abzug, &Nettomonat::kirchensteuer, true},
    {"davon auf die Jahressonderzahlung", Art::davon, &Nettomonat::kirchensteuerSonderzahlung,
     false},
    {"Krankenversicherung", Art::abzug, &Nettomonat::krankenversicherung, true},
    {"Pflegeversicherung", Art::abzug, &Nettomonat::pflegeversicherung, false},
    {"Rentenversicherung", Art::abzug, &Nettomonat::rentenversicherung, true},
    {"Arbeitslosenversicherung", Art::abzug, &Nettomonat::arbeitslosenversicherung, true},
    {"Zusatzversorgung", Art::abzug, &Nettomonat::zusatzversorgung, false},
    {"Nettolohn", Art::netto, &Nettomonat::netto, true},
    {"Umlage des Arbeitgebers zur Zusatzversorgung", Art::angabe, &Nettomonat::umlage, false},
    {"Umlage als Arbeitslohn versteuert", Art::angabe, &Nettomonat::umlageVersteuert, false},
    {"Hinzurechnung zur Sozialversicherung", Art::angabe, &Nettomonat::svHinzurechnung, false},
};

}  // namespace

std::optional<Aufschluesselung> aufschluesselungBilden(const Nettofall& netto, int monat) {
    const Nettomonat* n = netto.monat(Seite::normal, monat);
    const Nettomonat* i = netto.monat(Seite::individuell, monat);
    if (!n && !i) return std::nullopt;
    const Nettomonat leer;
    Aufschluesselung a;
    a.monat = monat;
    a.datum = netto.beginn + (monat - 1);
    for (const Posten& p : posten) {
        Aufschluesselungszeile zeile{
            p.bezeichnung,
            p.art,
            {n ? (*n).*p.betrag : leer.*p.betrag, i ? (*i).*p.betrag : leer.*p.betrag}};
        if (!p.immer && zeile.cent[0] == 0 && zeile.cent[1] == 0) continue;
        // Under private insurance the premium covers health and care together.
        if (p.betrag == &Nettomonat::krankenversicherung && netto.angaben.privatVersichert())
            zeile.bezeichnung = "Private Kranken- und Pflegeversicherung";
        a.zeilen.push_back(std::move(zeile));
    }
    if ((n && n->netto < 0) || (i && i->netto < 0))
        a.hinweis = std::string("Nettolohn unter 0: ") + nettoUnterNullGrund + ".";
    return a;
}

std::string aufschluesselungTitel(const Aufschluesselung& a) {
    return a.datum.text() + " (Monat " + std::to_string(a.monat) + ")";
}

}  // namespace korvalt
