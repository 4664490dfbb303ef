// Both cases summed by year, month by month.
#include "jahresuebersicht.h"

#include <algorithm>

namespace korvalt {

namespace {

// The bonuses of one case in the order of their months, as the walk meets them.
class Sonderzahlungsgang {
  public:
    Sonderzahlungsgang(std::span<const Sonderzahlung> zahlungen,
                       std::optional<KalenderMonat> beginn)
        : zahlungen_(zahlungen), beginn_(beginn) {}

    // The bonus booked in month `index` (0 = month 1); called for ascending months.
    std::int64_t im(int index) {
        std::int64_t summe = 0;
        while (beginn_ && naechste_ < zahlungen_.size() &&
               zahlungen_[naechste_].gebucht - *beginn_ <= index)
            summe += zahlungen_[naechste_++].cent;
        return summe;
    }

  private:
    std::span<const Sonderzahlung> zahlungen_;
    std::optional<KalenderMonat> beginn_;
    std::size_t naechste_ = 0;
};

}  // namespace

Jahresuebersicht jahresuebersichtBilden(const Fallreihe& normal, const Fallreihe& individuell,
                                        std::optional<KalenderMonat> beginn) {
    Jahresuebersicht uebersicht;
    uebersicht.beginn = beginn;
    const int laengeN = static_cast<int>(normal.cent.size());
    const int laengeI = static_cast<int>(individuell.cent.size());
    const int monate = std::max(laengeN, laengeI);
    Sonderzahlungsgang sonderN(normal.sonderzahlungen, beginn);
    Sonderzahlungsgang sonderI(individuell.sonderzahlungen, beginn);
    uebersicht.kumuliert.reserve(std::size_t(monate));

    // The month within its year: from the start month's, or from January of year 1.
    int monatImJahr = beginn ? beginn->monat() : 1;
    int jahr = beginn ? beginn->jahr() : 1;
    std::int64_t kumuliert = 0;
    for (int index = 0; index < monate; ++index, ++monatImJahr) {
        if (monatImJahr > 12) {
            monatImJahr = 1;
            ++jahr;
        }
        if (index == 0 || monatImJahr == 1) {
            uebersicht.jahre.emplace_back();
            uebersicht.jahre.back().jahr = jahr;
        }
        Jahreszeile& zeile = uebersicht.jahre.back();
        const std::size_t i = std::size_t(index);
        const std::int64_t centN = index < laengeN ? normal.cent[i] : 0;
        const std::int64_t centI = index < laengeI ? individuell.cent[i] : 0;
        const std::int64_t bonusN = sonderN.im(index);
        const std::int64_t bonusI = sonderI.im(index);
        zeile.monateN += index < laengeN;
        zeile.monateI += index < laengeI;
        zeile.centN += centN;
        zeile.centI += centI;
        zeile.sonderzahlungN += bonusN;
        zeile.sonderzahlungI += bonusI;
        kumuliert += (centI + bonusI) - (centN + bonusN);
        zeile.kumuliert = kumuliert;
        uebersicht.kumuliert.push_back(kumuliert);
    }

    std::int64_t vorjahr = 0;
    Jahreszeile& gesamt = uebersicht.gesamt;
    for (Jahreszeile& zeile : uebersicht.jahre) {
        zeile.bezeichnung = (beginn ? "" : "Jahr ") + std::to_string(zeile.jahr);
        zeile.monate = std::max(zeile.monateN, zeile.monateI);
        zeile.differenz = zeile.kumuliert - vorjahr;
        vorjahr = zeile.kumuliert;
        gesamt.monate += zeile.monate;
        gesamt.monateN += zeile.monateN;
        gesamt.monateI += zeile.monateI;
        gesamt.centN += zeile.centN;
        gesamt.centI += zeile.centI;
        gesamt.sonderzahlungN += zeile.sonderzahlungN;
        gesamt.sonderzahlungI += zeile.sonderzahlungI;
    }
    gesamt.bezeichnung = "Summe";
    gesamt.differenz = kumuliert;
    gesamt.kumuliert = kumuliert;

    // Pays off from the first month above 0 after the last one below 0.
    int letzterNegativer = 0;  // month number; 0 when none
    for (int monat = 1; monat <= monate; ++monat) {
        const std::int64_t k = uebersicht.kumuliert[std::size_t(monat - 1)];
        if (k >= 0) continue;
        letzterNegativer = monat;
        if (!uebersicht.groessterRueckstand || k < uebersicht.groessterRueckstand->cent)
            uebersicht.groessterRueckstand = Rueckstand{k, monat};
    }
    for (int monat = letzterNegativer + 1; monat <= monate; ++monat)
        if (uebersicht.kumuliert[std::size_t(monat - 1)] > 0) {
            uebersicht.ausgleichsmonat = monat;
            break;
        }

    // Month by month: each month's difference is the step of the cumulated one.
    int letzterWeniger = 0;  // month number; 0 when none
    int ersterMehrDanach = 0;
    std::int64_t vorher = 0;
    for (int monat = 1; monat <= monate; ++monat) {
        const std::int64_t k = uebersicht.kumuliert[std::size_t(monat - 1)];
        const std::int64_t differenz = k - vorher;
        vorher = k;
        if (differenz < 0) {
            letzterWeniger = monat;
            ersterMehrDanach = 0;
        } else if (differenz > 0) {
            uebersicht.jemalsMehr = true;
            if (!ersterMehrDanach) ersterMehrDanach = monat;
        }
    }
    if (ersterMehrDanach)
        uebersicht.monatlichMehrAb = letzterWeniger ? letzterWeniger + 1 : ersterMehrDanach;
    return uebersicht;
}

}  // namespace korvalt
