// The published law of 2024 to 2026, one row a year, each value with where it is laid down.
#include "jahresrecht.h"

#include <array>

namespace korvalt {

namespace {

constexpr Prozentsatz prozent(std::int64_t hundertstel) {
    return Prozentsatz::hundertstel(hundertstel);
}

// Alike in every year:
// - health 14,6 %, the employee half (§§ 241, 249 Abs. 1 SGB V);
// - care: childless 0,6 % more (§ 55 Abs. 3 Satz 1 SGB XI), 0,25 % less for each child under 25
//   from the second to the fifth (§ 55 Abs. 3 Satz 4 SGB XI); in Saxony the employee pays 0,5 %
//   more, the employer as much less (§ 58 Abs. 3 SGB XI);
// - pension 18,6 % (Beitragssatzverordnung), unemployment 2,6 % (§ 341 Abs. 2 SGB III), each half;
// - the annual bonus is paid with the pay of November (§ 20 Abs. 5 TVöD);
// - § 40b EStG flat-taxed a month: 92,03 € under the Federation's pension agreement (ATV), 89,48 €
//   under the municipal one (ATV-K) (Haufe TVöD-Office, Zusatzversorgung 4.3.2);
// - the levy in the social-insurance base: what is tax-free or flat-taxed counts above 100 € a
//   month, and of the part up to 100 € 2,5 % of the pay it stands for, less 13,30 € (§ 1 Abs. 1
//   Satz 1 Nr. 4a, Sätze 3 and 4 SvEV);
// - VBL West: the employer's levy 5,49 % of the pensionable pay, the employee's share 1,81 % (a
//   levy of 1,41 % and 0,40 % to the capital-funded part) (VBL-Satzung, Abrechnungsverband West;
//   ATV § 16 and § 37a).
// By year: the ceilings by the Sozialversicherungsrechengrößen-Verordnung of the year; the average
// additional rate as the health ministry announced it (§ 242a SGB V); the care rate 3,4 % from
// 07/2023 (Pflegeunterstützungs- und -entlastungsgesetz), 3,6 % from 2025
// (Beitragssatzanpassungsverordnung 2025); § 3 Nr. 56 EStG 3 % of the yearly pension ceiling
// (West), 4 % from 2025; the programs in the BMF's letters of 2024-02-23, 2025-01-22 and 2025-11-12
// (tarif/lohnsteuer/README.md).
constexpr std::array<Jahresrecht, 3> zeilen{{
    {.jahr = 2024,
     .lohnsteuer = "Lohnsteuer2024",
     // December 2024 with the basic allowance raised for the whole year.
     .lohnsteuerDezember = "Lohnsteuer2024Dezember",
     .privatzuschussVorgegeben = false,
     .krankenAN = prozent(730),
     .zusatzbeitragDurchschnitt = prozent(170),
     .pflegeGesamt = prozent(340),
     .pflegeAN = prozent(170),
     .pflegeANSachsen = prozent(220),
     .pflegeKinderlosZuschlag = prozent(60),
     .pflegeAbschlagJeKind = prozent(25),
     .hoechsteKinderabschlaege = 4,
     .renteAN = prozent(930),
     .arbeitslosAN = prozent(130),
     .bbgKrankenPflege = 517500,
     .bbgRenteArbeitslosen = 755000,
     .sonderzahlungsmonat = 11,
     .steuerfreiZusatzversorgungAnteil = prozent(300),
     .pauschalZusatzversorgungBund = 9203,
     .pauschalZusatzversorgungVka = 8948,
     .svFreibetragZusatzversorgung = 10000,
     .svHinzurechnungsanteil = prozent(250),
     .svHinzurechnungsabzug = 1330,
     .vblWestUmlage = prozent(549),
     .vblWestAnteil = prozent(181)},
    {.jahr = 2025,
     .lohnsteuer = "Lohnsteuer2025",
     .lohnsteuerDezember = {},
     .privatzuschussVorgegeben = false,
     .krankenAN = prozent(730),
     .zusatzbeitragDurchschnitt = prozent(250),
     .pflegeGesamt = prozent(360),
     .pflegeAN = prozent(180),
     .pflegeANSachsen = prozent(230),
     .pflegeKinderlosZuschlag = prozent(60),
     .pflegeAbschlagJeKind = prozent(25),
     .hoechsteKinderabschlaege = 4,
     .renteAN = prozent(930),
     .arbeitslosAN = prozent(130),
     .bbgKrankenPflege = 551250,
     .bbgRenteArbeitslosen = 805000,
     .sonderzahlungsmonat = 11,
     .steuerfreiZusatzversorgungAnteil = prozent(400),
     .pauschalZusatzversorgungBund = 9203,
     .pauschalZusatzversorgungVka = 8948,
     .svFreibetragZusatzversorgung = 10000,
     .svHinzurechnungsanteil = prozent(250),
     .svHinzurechnungsabzug = 1330,
     .vblWestUmlage = prozent(549),
     .vblWestAnteil = prozent(181)},
    {.jahr = 2026,
     .lohnsteuer = "Lohnsteuer2026",
     .lohnsteuerDezember = {},
     // The program of 2026 takes the subsidy as PKPVAGZ.
     .privatzuschussVorgegeben = true,
     .krankenAN = prozent(730),
     .zusatzbeitragDurchschnitt = prozent(290),
     .pflegeGesamt = prozent(360),
     .pflegeAN = prozent(180),
     .pflegeANSachsen = prozent(230),
     .pflegeKinderlosZuschlag = prozent(60),
     .pflegeAbschlagJeKind = prozent(25),
     .hoechsteKinderabschlaege = 4,
     .renteAN = prozent(930),
     .arbeitslosAN = prozent(130),
     .bbgKrankenPflege = 581250,
     .bbgRenteArbeitslosen = 845000,
     .sonderzahlungsmonat = 11,
     .steuerfreiZusatzversorgungAnteil = prozent(400),
     .pauschalZusatzversorgungBund = 9203,
     .pauschalZusatzversorgungVka = 8948,
     .svFreibetragZusatzversorgung = 10000,
     .svHinzurechnungsanteil = prozent(250),
     .svHinzurechnungsabzug = 1330,
     .vblWestUmlage = prozent(549),
     .vblWestAnteil = prozent(181)},
}};

}  // namespace

std::string_view Jahresrecht::lohnsteuerprogramm(int monat) const {
    return monat == 12 && !lohnsteuerDezember.empty() ? lohnsteuerDezember : lohnsteuer;
}

std::int64_t Jahresrecht::steuerfreieZusatzversorgung() const {
    return steuerfreiZusatzversorgungAnteil.von(12 * bbgRenteArbeitslosen);
}

std::int64_t Jahresrecht::pauschalZusatzversorgung(Arbeitgeberseite seite) const {
    return seite == Arbeitgeberseite::bund ? pauschalZusatzversorgungBund
                                           : pauschalZusatzversorgungVka;
}

std::span<const Jahresrecht> jahresrechtZeilen() {
    return zeilen;
}

const Jahresrecht& jahresrecht(int jahr) {
    for (const auto& z : zeilen)
        if (z.jahr == jahr) return z;
    return jahr < zeilen.front().jahr ? zeilen.front() : zeilen.back();
}

std::string_view lohnsteuerprogramm(KalenderMonat monat) {
    return jahresrecht(monat.jahr()).lohnsteuerprogramm(monat.monat());
}

bool nachLetztemStand(int jahr) {
    return jahr > zeilen.back().jahr;
}

std::string standHinweis() {
    const int letztes = zeilen.back().jahr;
    return "Lohnsteuer und Sozialversicherung ab " + std::to_string(letztes + 1) +
           " nach dem Stand " + std::to_string(letztes);
}

}  // namespace korvalt
