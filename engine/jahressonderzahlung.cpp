// The annual bonus of a case, year by year.
#include "jahressonderzahlung.h"

#include <algorithm>
#include <cassert>

#include "bruchrundung.h"
#include "jahresrecht.h"

namespace korvalt {

namespace {

// A base month without pay: the paid months' pay by calendar day, for 30,67 days.
constexpr std::int64_t tageJeMonatHundertstel = 3067;

}  // namespace

std::vector<Sonderzahlung> jahressonderzahlungen(const Fallmonate& fall,
                                                 const Tariftabelle& tabelle,
                                                 const Sonderzahlungssaetze& saetze,
                                                 Arbeitgeberseite seite) {
    assert(fall.cent.size() == fall.gruppe.size());
    std::vector<Sonderzahlung> zahlungen;
    if (fall.cent.empty()) return zahlungen;
    const KalenderMonat beginn = fall.beginn;
    const KalenderMonat ende = beginn + static_cast<int>(fall.cent.size()) - 1;
    const auto index = [&](KalenderMonat m) { return std::size_t(m - beginn); };
    const auto bezahlt = [&](KalenderMonat m) {
        return fall.zahlung.empty() || fall.zahlung[index(m)] == Zahlung::bezahlt;
    };
    // Each calendar month of the year without pay costs a twelfth, unless it is parental leave
    // in the child's birth year.
    const auto gekuerzt = [&](int jahr) {
        int monate = 0;
        for (KalenderMonat m = std::max(beginn, KalenderMonat(jahr, 1));
             m <= KalenderMonat(jahr, 12); m = m + 1)
            if (!fall.zahlung.empty() && fall.zahlung[index(m)] == Zahlung::unbezahlt) ++monate;
        return monate;
    };

    for (int jahr = beginn.jahr(); jahr <= ende.jahr(); ++jahr) {
        if (KalenderMonat(jahr, 12) < beginn || KalenderMonat(jahr, 12) > ende) continue;
        Sonderzahlung z;
        z.jahr = jahr;
        z.gebucht = std::max(KalenderMonat(jahr, jahresrecht(jahr).sonderzahlungsmonat), beginn);
        KalenderMonat gruppenmonat = KalenderMonat(jahr, 9);
        if (beginn >= KalenderMonat(jahr, 10)) {
            gruppenmonat = beginn;
            z.basissumme = fall.cent[0];
            z.basismonate = 1;
        } else {
            bool luecke = false;
            int tage = 0;
            for (int monat = 7; monat <= 9; ++monat) {
                const KalenderMonat m(jahr, monat);
                if (m < beginn) continue;
                if (!bezahlt(m)) {
                    luecke = true;
                    continue;
                }
                z.basissumme += fall.cent[index(m)];
                ++z.basismonate;
                tage += monat == 9 ? 30 : 31;
            }
            if (luecke) z.basistage = tage;
        }
        const auto band = entgeltband(tabelle.gruppenbezeichnung(fall.gruppe[index(gruppenmonat)]));
        const auto satz = saetze.satz(seite, jahr, band);
        if (!satz) continue;
        z.satz = *satz;
        z.zwoelftel = (beginn.jahr() < jahr || fall.imDienstVorBeginn ? 12 : 13 - beginn.monat()) -
                      gekuerzt(jahr);
        if (z.basismonate == 0)
            z.cent = 0;
        else if (z.basistage > 0)
            z.cent = geteiltGerundet(z.basissumme * tageJeMonatHundertstel * z.satz * z.zwoelftel,
                                     std::int64_t{z.basistage} * 100 * 10000 * 12);
        else
            z.cent = geteiltGerundet(z.basissumme * z.satz * z.zwoelftel,
                                     std::int64_t{z.basismonate} * 10000 * 12);
        zahlungen.push_back(z);
    }
    return zahlungen;
}

}  // namespace korvalt

namespace korvalt {

std::vector<Sonderzahlung> sonderzahlungenDesFalls(const Falltabellen& t, Seite seite,
                                                   const Tariftabelle& tabelle,
                                                   KalenderMonat beginn,
                                                   const Sonderzahlungssaetze& saetze,
                                                   bool imDienstVorBeginn) {
    std::vector<Long> cent;
    std::vector<Integer> gruppe;
    std::vector<Zahlung> zahlung;
    for (int m = 1; m <= t.letztermonat(static_cast<int>(seite)); ++m) {
        cent.push_back(t.monatscent(seite)(m));
        gruppe.push_back(t.monatsgruppe(seite)(m));
        zahlung.push_back(t.monatszahlung(seite)(m));
    }
    return jahressonderzahlungen({beginn, cent, gruppe, imDienstVorBeginn, zahlung}, tabelle,
                                 saetze, tabelle.seite);
}

std::string sonderzahlungFehltGrund(std::string_view fehler) {
    return "Die Jahressonderzahlung fehlt: " + std::string(fehler);
}

}  // namespace korvalt
