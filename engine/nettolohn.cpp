// The net pay of a year: per month the program of that month, the contributions of that year.
#include "nettolohn.h"

#include <algorithm>
#include <cassert>
#include <utility>

#include "bruchrundung.h"
#include "jahresrecht.h"
#include "lohnsteuer.h"
#include "nettojahrspeicher.h"

namespace korvalt {

namespace {

// The reductions of the care rate: one for each child under 25 from the second on.
int kinderabschlaege(const Jahresrecht& recht, const Steuerangaben& a) {
    return std::clamp(a.kinder - 1, 0, recht.hoechsteKinderabschlaege);
}

Prozentsatz pflegesatz(const Jahresrecht& recht, const Steuerangaben& a) {
    const Prozentsatz satz = a.sachsen ? recht.pflegeANSachsen : recht.pflegeAN;
    if (a.kinder == 0) return satz + recht.pflegeKinderlosZuschlag;
    return satz - recht.pflegeAbschlagJeKind * kinderabschlaege(recht, a);
}

// The health rate of a statutory member: the employee's half and half of the fund's additional
// rate, or of the year's average where none is given.
Prozentsatz krankensatz(const Jahresrecht& recht, const Steuerangaben& a) {
    return recht.krankenAN + a.zusatzbeitrag.value_or(recht.zusatzbeitragDurchschnitt).haelfte();
}

// The employer's subsidy to a private premium: half of it, at most what he would pay for a
// statutory member at the average additional rate on the month's pay up to the ceiling, health
// and care together, rounded once.
std::int64_t arbeitgeberzuschuss(const Jahresrecht& recht, const Steuerangaben& a,
                                 std::int64_t brutto) {
    const Prozentsatz pflegeAG =
        recht.pflegeGesamt - (a.sachsen ? recht.pflegeANSachsen : recht.pflegeAN);
    const Prozentsatz satz = recht.krankenAN + recht.zusatzbeitragDurchschnitt.haelfte() + pflegeAG;
    const std::int64_t hoechstens = satz.von(std::min(brutto, recht.bbgKrankenPflege));
    return std::min(geteiltGerundet(*a.privatbeitrag, 2), hoechstens);
}

// The rates of the case's fund in a year: the employee's share and the employer's levy.
std::pair<Prozentsatz, Prozentsatz> versorgungssaetze(const Jahresrecht& recht,
                                                      const Steuerangaben& a) {
    if (a.versorgungskasse == Versorgungskasse::vblWest)
        return {recht.vblWestAnteil, recht.vblWestUmlage};
    return {a.zusatzversorgung, a.umlage};
}

// What the tax-free and flat-taxed part of the levy adds to the social-insurance base (§ 1 Abs. 1
// Sätze 3 and 4 SvEV): what lies above 100 €; of the part up to it, 2,5 % of the pay it stands
// for less 13,30 €, at most that part. Each step rounded to the cent.
std::int64_t beguenstigtHinzurechnung(const Jahresrecht& recht, std::int64_t beguenstigt,
                                      Prozentsatz umlagesatz) {
    const std::int64_t bis = std::min(beguenstigt, recht.svFreibetragZusatzversorgung);
    const std::int64_t darueber = beguenstigt - bis;
    if (bis == 0) return darueber;
    const std::int64_t anteil = recht.svHinzurechnungsanteil.von(umlagesatz.ganzesZu(bis));
    return darueber +
           std::max(std::int64_t{0}, std::min(bis, anteil) - recht.svHinzurechnungsabzug);
}

// One month's levy and its parts, as `Nettomonat` shows them.
struct Umlagemonat {
    std::int64_t umlage = 0;
    std::int64_t steuerfrei = 0;
    std::int64_t pauschal = 0;
    std::int64_t versteuert = 0;
    std::int64_t hinzurechnung = 0;
};

// The employer's levy of every month that counts, January at index 0: the year's tax-free amount
// used up from January, in tax class VI neither it nor the flat-taxed amount.
std::array<Umlagemonat, 12> umlagenRechnen(const Nettojahreseingaben& e, const Jahresrecht& recht,
                                           Prozentsatz umlagesatz) {
    std::array<Umlagemonat, 12> umlagen{};
    if (!umlagesatz.positiv()) return umlagen;
    const bool beguenstigt = e.angaben.steuerklasse != 6;
    std::int64_t steuerfreiRest = beguenstigt ? recht.steuerfreieZusatzversorgung() : 0;
    const std::int64_t pauschalHoechstens =
        beguenstigt ? recht.pauschalZusatzversorgung(e.seite) : 0;
    for (int m = 0; m < 12; ++m) {
        const Lohnmonat& lohn = e.monate[std::size_t(m)];
        if (lohn.art == Lohnmonat::Art::ohne) continue;
        const std::int64_t zve =
            lohn.brutto + (e.sonderzahlungsmonat == m + 1 ? e.sonderzahlung : 0);
        Umlagemonat& u = umlagen[std::size_t(m)];
        u.umlage = umlagesatz.von(zve);
        u.steuerfrei = std::min(u.umlage, steuerfreiRest);
        steuerfreiRest -= u.steuerfrei;
        u.pauschal = std::min(u.umlage - u.steuerfrei, pauschalHoechstens);
        u.versteuert = u.umlage - u.steuerfrei - u.pauschal;
        u.hinzurechnung =
            u.versteuert + beguenstigtHinzurechnung(recht, u.steuerfrei + u.pauschal, umlagesatz);
    }
    return umlagen;
}

// The bonus's base under one ceiling: what is left of the ceiling pro rata over the months that
// count up to the bonus month, at most the bonus. `regulaer` holds each month's base before the
// ceilings.
std::int64_t sonderzahlungsbasis(const std::array<Lohnmonat, 12>& monate,
                                 const std::array<std::int64_t, 12>& regulaer, int bonusmonat,
                                 std::int64_t bbg, std::int64_t sonderzahlung) {
    std::int64_t anteilig = 0;
    std::int64_t bisher = 0;
    for (int m = 0; m < bonusmonat; ++m) {
        if (!monate[std::size_t(m)].zaehlt()) continue;
        anteilig += bbg;
        bisher += std::min(regulaer[std::size_t(m)], bbg);
    }
    return std::clamp(anteilig - bisher, std::int64_t{0}, sonderzahlung);
}

PapEingaben papEingaben(const Jahresrecht& recht, const Steuerangaben& a, std::int64_t lohn,
                        std::int64_t zuschuss) {
    PapEingaben e;
    e.LZZ = 2;
    e.RE4 = Dezimal(lohn, 0);
    e.STKL = a.steuerklasse;
    e.ZKF = Dezimal(a.kinderfreibetraegeZehntel, 1);
    e.R = a.kirchensteuerProzent > 0 ? 1 : 0;
    e.PVZ = a.kinder == 0 ? 1 : 0;
    e.PVS = a.sachsen ? 1 : 0;
    e.PVA = Dezimal::valueOf(kinderabschlaege(recht, a));
    if (!a.privatVersichert()) {
        e.KVZ =
            Dezimal(a.zusatzbeitrag.value_or(recht.zusatzbeitragDurchschnitt).inHundertsteln(), 2);
    } else if (recht.privatzuschussVorgegeben) {
        e.PKV = 1;
        e.PKPV = Dezimal(*a.privatbeitrag, 0);
        e.PKPVAGZ = Dezimal(zuschuss, 0);
    } else {
        // The program reckons the employer's subsidy itself.
        e.PKV = 2;
        e.PKPV = Dezimal(*a.privatbeitrag, 0);
    }
    return e;
}

// Church tax on a base: the rate, rounded down to the cent.
std::int64_t kirchensteuer(std::int64_t basis, int prozent) {
    return basis * prozent / 100;
}

}  // namespace

Nettojahr nettojahrRechnen(const Nettojahreseingaben& e) {
    assert(steuerangabenPruefen(e.angaben).empty());
    const Steuerangaben& a = e.angaben;
    const Jahresrecht& recht = jahresrecht(e.jahr);
    Nettojahr jahr{e.jahr, nachLetztemStand(e.jahr), {}};
    const auto [anteilsatz, umlagesatz] = versorgungssaetze(recht, a);
    const std::array<Umlagemonat, 12> umlagen = umlagenRechnen(e, recht, umlagesatz);
    // The levy's taxed part is a regular payment: in the month's wage and in the year's.
    std::int64_t jahreslohn = 0;
    std::array<std::int64_t, 12> regulaer{};
    for (std::size_t m = 0; m < 12; ++m) {
        if (!e.monate[m].zaehlt()) continue;
        jahreslohn += e.monate[m].brutto + umlagen[m].versteuert;
        regulaer[m] = e.monate[m].brutto + umlagen[m].hinzurechnung;
    }

    for (int index = 0; index < 12; ++index) {
        const Lohnmonat& lohn = e.monate[std::size_t(index)];
        if (lohn.art != Lohnmonat::Art::imFall && lohn.art != Lohnmonat::Art::ohneEntgelt) continue;
        Nettomonat n;
        n.monat = KalenderMonat(e.jahr, index + 1);
        n.brutto = lohn.brutto;
        const bool mitSonderzahlung = e.sonderzahlung > 0 && e.sonderzahlungsmonat == index + 1;
        if (mitSonderzahlung) n.sonderzahlung = e.sonderzahlung;
        // A month of leave has no tax and no contributions, unless the bonus is paid in it.
        if (lohn.art == Lohnmonat::Art::ohneEntgelt && !mitSonderzahlung) {
            jahr.monate.push_back(n);
            continue;
        }
        const bool versichert = lohn.art == Lohnmonat::Art::imFall;
        const Umlagemonat& umlage = umlagen[std::size_t(index)];
        n.umlage = umlage.umlage;
        n.umlageSteuerfrei = umlage.steuerfrei;
        n.umlagePauschal = umlage.pauschal;
        n.umlageVersteuert = umlage.versteuert;
        n.svHinzurechnung = umlage.hinzurechnung;

        const std::int64_t basis = regulaer[std::size_t(index)];
        std::int64_t basisKP = std::min(basis, recht.bbgKrankenPflege);
        std::int64_t basisRA = std::min(basis, recht.bbgRenteArbeitslosen);
        if (mitSonderzahlung) {
            basisKP += sonderzahlungsbasis(e.monate, regulaer, index + 1, recht.bbgKrankenPflege,
                                           n.sonderzahlung);
            basisRA += sonderzahlungsbasis(e.monate, regulaer, index + 1,
                                           recht.bbgRenteArbeitslosen, n.sonderzahlung);
        }
        // Each contribution rounded once to the cent, a half up.
        if (a.privatVersichert()) {
            // In a month without pay the premium is not paid through the pay.
            if (versichert) {
                n.krankenversicherung = *a.privatbeitrag;
                n.arbeitgeberzuschuss = arbeitgeberzuschuss(recht, a, basis);
            }
        } else {
            n.krankenversicherung = krankensatz(recht, a).von(basisKP);
            n.pflegeversicherung = pflegesatz(recht, a).von(basisKP);
        }
        n.rentenversicherung = recht.renteAN.von(basisRA);
        n.arbeitslosenversicherung = recht.arbeitslosAN.von(basisRA);
        // Of the pay and the bonus together.
        n.zusatzversorgung = anteilsatz.von(n.brutto + n.sonderzahlung);

        const std::string_view programm = recht.lohnsteuerprogramm(index + 1);
        PapEingaben pap =
            papEingaben(recht, a, n.brutto + n.umlageVersteuert, n.arbeitgeberzuschuss);
        if (mitSonderzahlung) {
            pap.SONSTB = Dezimal(n.sonderzahlung, 0);
            pap.JRE4 = Dezimal(jahreslohn, 0);
        }
        const PapErgebnis steuer = lohnsteuerBerechnen(programm, pap);
        n.lohnsteuerSonderzahlung = steuer.STS;
        n.solidaritaetszuschlagSonderzahlung = steuer.SOLZS;
        n.kirchensteuerSonderzahlung = kirchensteuer(steuer.BKS, a.kirchensteuerProzent);
        n.lohnsteuer = steuer.LSTLZZ + steuer.STS;
        n.solidaritaetszuschlag = steuer.SOLZLZZ + steuer.SOLZS;
        n.kirchensteuer =
            kirchensteuer(steuer.BK, a.kirchensteuerProzent) + n.kirchensteuerSonderzahlung;

        n.netto = n.brutto + n.sonderzahlung + n.arbeitgeberzuschuss - n.lohnsteuer -
                  n.solidaritaetszuschlag - n.kirchensteuer - n.krankenversicherung -
                  n.pflegeversicherung - n.rentenversicherung - n.arbeitslosenversicherung -
                  n.zusatzversorgung;
        jahr.monate.push_back(n);
    }
    return jahr;
}

Nettoreihe nettoreiheRechnen(KalenderMonat beginn, std::span<const Long> cent,
                             std::span<const Sonderzahlung> sonderzahlungen, bool imDienstVorBeginn,
                             const Steuerangaben& angaben, Arbeitgeberseite seite,
                             Nettojahrspeicher* speicher, std::span<const Zahlung> zahlung) {
    Nettoreihe reihe;
    reihe.monate.reserve(cent.size());
    for (std::size_t k = 0; k < cent.size();) {
        Nettojahreseingaben e;
        e.jahr = (beginn + int(k)).jahr();
        e.angaben = angaben;
        e.seite = seite;
        if (imDienstVorBeginn && e.jahr == beginn.jahr())
            for (int m = 1; m < beginn.monat(); ++m)
                e.monate[std::size_t(m - 1)] = {Lohnmonat::Art::vorBeginn, cent[0]};
        for (; k < cent.size() && (beginn + int(k)).jahr() == e.jahr; ++k)
            e.monate[std::size_t((beginn + int(k)).monat() - 1)] = {
                zahlung.empty() || zahlung[k] == Zahlung::bezahlt ? Lohnmonat::Art::imFall
                                                                  : Lohnmonat::Art::ohneEntgelt,
                cent[k]};
        for (const Sonderzahlung& s : sonderzahlungen) {
            if (s.gebucht.jahr() != e.jahr) continue;
            e.sonderzahlung = s.cent;
            e.sonderzahlungsmonat = s.gebucht.monat();
        }
        Nettojahr berechnet;
        const Nettojahr& jahr = speicher ? speicher->jahr(e) : (berechnet = nettojahrRechnen(e));
        reihe.nachLetztemStand = reihe.nachLetztemStand || jahr.nachLetztemStand;
        reihe.monate.insert(reihe.monate.end(), jahr.monate.begin(), jahr.monate.end());
    }
    return reihe;
}

}  // namespace korvalt
