// The net pay of a year: per month the program of that month, the contributions of that year.
#include "nettolohn.h"

#include <algorithm>
#include <cassert>

#include "bruchrundung.h"
#include "lohnsteuer.h"
#include "nettojahrspeicher.h"
#include "sozialversicherung.h"

namespace korvalt {

namespace {

// The care insurance lowers the employee's rate for the second to the fifth child under 25.
constexpr int hoechsteKinderabschlaege = 4;

// A contribution: the base times a rate in thousandths of a percent, rounded once to the cent,
// a half up.
std::int64_t beitrag(std::int64_t basis, std::int64_t satz) {
    return geteiltGerundet(basis * satz, satzNenner);
}

// Half of a full rate in hundredths of a percent, in thousandths of a percent: 290 -> 1450.
int halberSatz(int hundertstelProzent) {
    return hundertstelProzent * 5;
}

int kinderabschlaege(const Steuerangaben& a) {
    return std::clamp(a.kinder - 1, 0, hoechsteKinderabschlaege);
}

int pflegesatz(const Sozialversicherungsjahr& sv, const Steuerangaben& a) {
    const int satz = a.sachsen ? sv.pflegeANSachsen : sv.pflegeAN;
    if (a.kinder == 0) return satz + sv.pflegeKinderlosZuschlag;
    return satz - kinderabschlaege(a) * sv.pflegeAbschlagJeKind;
}

// The employer's subsidy to a private premium: half of it, at most what he would pay for a
// statutory member at the average additional rate on the month's pay up to the ceiling, health
// and care together, rounded once.
std::int64_t arbeitgeberzuschuss(const Sozialversicherungsjahr& sv, const Steuerangaben& a,
                                 std::int64_t brutto) {
    const int pflegeAG = sv.pflegeGesamt - (a.sachsen ? sv.pflegeANSachsen : sv.pflegeAN);
    const std::int64_t hoechstens =
        beitrag(std::min(brutto, sv.bbgKrankenPflege),
                sv.krankenAN + halberSatz(sv.zusatzbeitragDurchschnitt) + pflegeAG);
    return std::min(geteiltGerundet(*a.privatbeitrag, 2), hoechstens);
}

// The bonus's base under one ceiling: what is left of the ceiling pro rata over the months that
// count up to the bonus month, at most the bonus.
std::int64_t sonderzahlungsbasis(const std::array<Lohnmonat, 12>& monate, int bonusmonat,
                                 std::int64_t bbg, std::int64_t sonderzahlung) {
    std::int64_t anteilig = 0;
    std::int64_t bisher = 0;
    for (int m = 0; m < bonusmonat; ++m) {
        if (monate[std::size_t(m)].art == Lohnmonat::Art::ohne) continue;
        anteilig += bbg;
        bisher += std::min(monate[std::size_t(m)].brutto, bbg);
    }
    return std::clamp(anteilig - bisher, std::int64_t{0}, sonderzahlung);
}

PapEingaben papEingaben(Lohnsteuerprogramm programm, const Sozialversicherungsjahr& sv,
                        const Steuerangaben& a, std::int64_t brutto, std::int64_t zuschuss) {
    PapEingaben e;
    e.LZZ = 2;
    e.RE4 = Dezimal(brutto, 0);
    e.STKL = a.steuerklasse;
    e.ZKF = Dezimal(a.kinderfreibetraegeZehntel, 1);
    e.R = a.kirchensteuerProzent > 0 ? 1 : 0;
    e.PVZ = a.kinder == 0 ? 1 : 0;
    e.PVS = a.sachsen ? 1 : 0;
    e.PVA = Dezimal::valueOf(kinderabschlaege(a));
    if (!a.privatVersichert()) {
        e.KVZ = Dezimal(a.zusatzbeitrag.value_or(sv.zusatzbeitragDurchschnitt), 2);
    } else if (programm == Lohnsteuerprogramm::jahr2026) {
        e.PKV = 1;
        e.PKPV = Dezimal(*a.privatbeitrag, 0);
        e.PKPVAGZ = Dezimal(zuschuss, 0);
    } else {
        // Up to 2025 the program reckons the employer's subsidy itself.
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
    const Sozialversicherungsjahr& sv = sozialversicherungsjahr(e.jahr);
    Nettojahr jahr{e.jahr, nachStand2026(e.jahr), {}};
    std::int64_t jahreslohn = 0;
    for (const Lohnmonat& m : e.monate)
        if (m.art != Lohnmonat::Art::ohne) jahreslohn += m.brutto;

    for (int index = 0; index < 12; ++index) {
        const Lohnmonat& lohn = e.monate[std::size_t(index)];
        if (lohn.art != Lohnmonat::Art::imFall) continue;
        Nettomonat n;
        n.monat = KalenderMonat(e.jahr, index + 1);
        n.brutto = lohn.brutto;
        const bool mitSonderzahlung = e.sonderzahlung > 0 && e.sonderzahlungsmonat == index + 1;
        if (mitSonderzahlung) n.sonderzahlung = e.sonderzahlung;

        std::int64_t basisKP = std::min(n.brutto, sv.bbgKrankenPflege);
        std::int64_t basisRA = std::min(n.brutto, sv.bbgRenteArbeitslosen);
        if (mitSonderzahlung) {
            basisKP +=
                sonderzahlungsbasis(e.monate, index + 1, sv.bbgKrankenPflege, n.sonderzahlung);
            basisRA +=
                sonderzahlungsbasis(e.monate, index + 1, sv.bbgRenteArbeitslosen, n.sonderzahlung);
        }
        if (a.privatVersichert()) {
            n.krankenversicherung = *a.privatbeitrag;
            n.arbeitgeberzuschuss = arbeitgeberzuschuss(sv, a, n.brutto);
        } else {
            const int zusatz = a.zusatzbeitrag.value_or(sv.zusatzbeitragDurchschnitt);
            n.krankenversicherung = beitrag(basisKP, sv.krankenAN + halberSatz(zusatz));
            n.pflegeversicherung = beitrag(basisKP, pflegesatz(sv, a));
        }
        n.rentenversicherung = beitrag(basisRA, sv.renteAN);
        n.arbeitslosenversicherung = beitrag(basisRA, sv.arbeitslosAN);
        // The share is in hundredths of a percent of the pay and the bonus together.
        n.zusatzversorgung =
            geteiltGerundet((n.brutto + n.sonderzahlung) * a.zusatzversorgung, 10000);

        const Lohnsteuerprogramm programm = lohnsteuerprogramm(n.monat);
        PapEingaben pap = papEingaben(programm, sv, a, n.brutto, n.arbeitgeberzuschuss);
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
                             const Steuerangaben& angaben, Nettojahrspeicher* speicher) {
    Nettoreihe reihe;
    reihe.monate.reserve(cent.size());
    for (std::size_t k = 0; k < cent.size();) {
        Nettojahreseingaben e;
        e.jahr = (beginn + int(k)).jahr();
        e.angaben = angaben;
        if (imDienstVorBeginn && e.jahr == beginn.jahr())
            for (int m = 1; m < beginn.monat(); ++m)
                e.monate[std::size_t(m - 1)] = {Lohnmonat::Art::vorBeginn, cent[0]};
        for (; k < cent.size() && (beginn + int(k)).jahr() == e.jahr; ++k)
            e.monate[std::size_t((beginn + int(k)).monat() - 1)] = {Lohnmonat::Art::imFall,
                                                                    cent[k]};
        for (const Sonderzahlung& s : sonderzahlungen) {
            if (s.gebucht.jahr() != e.jahr) continue;
            e.sonderzahlung = s.cent;
            e.sonderzahlungsmonat = s.gebucht.monat();
        }
        Nettojahr berechnet;
        const Nettojahr& jahr = speicher ? speicher->jahr(e) : (berechnet = nettojahrRechnen(e));
        reihe.nachStand2026 = reihe.nachStand2026 || jahr.nachStand2026;
        reihe.monate.insert(reihe.monate.end(), jahr.monate.begin(), jahr.monate.end());
    }
    return reihe;
}

}  // namespace korvalt
