// Runs the generated wage-tax programs: a fresh program per payment, its inputs set, MAIN run.
#include "lohnsteuer.h"

#include "Lohnsteuer2024.h"
#include "Lohnsteuer2024Dezember.h"
#include "Lohnsteuer2025.h"
#include "Lohnsteuer2026.h"

namespace korvalt {

namespace {

// The outputs are whole cents; the fraction the type could hold is always zero.
std::int64_t cent(const Dezimal& wert) {
    return wert.longValue();
}

template <class Programm>
PapErgebnis rechnen(const PapEingaben& e) {
    Programm p;
    p.LZZ = e.LZZ;
    p.RE4 = e.RE4;
    p.STKL = e.STKL;
    p.ZKF = e.ZKF;
    p.R = e.R;
    p.KVZ = e.KVZ;
    p.PVZ = e.PVZ;
    p.PVS = e.PVS;
    p.PVA = e.PVA;
    p.PKV = e.PKV;
    p.PKPV = e.PKPV;
    if constexpr (requires { p.PKPVAGZ; }) p.PKPVAGZ = e.PKPVAGZ;
    p.SONSTB = e.SONSTB;
    p.JRE4 = e.JRE4;
    p.MAIN();
    return {cent(p.LSTLZZ), cent(p.SOLZLZZ), cent(p.STS), cent(p.SOLZS), cent(p.BK), cent(p.BKS)};
}

}  // namespace

Lohnsteuerprogramm lohnsteuerprogramm(KalenderMonat monat) {
    if (monat.jahr() <= 2024)
        return monat.monat() == 12 ? Lohnsteuerprogramm::dezember2024
                                   : Lohnsteuerprogramm::jahr2024;
    if (monat.jahr() == 2025) return Lohnsteuerprogramm::jahr2025;
    return Lohnsteuerprogramm::jahr2026;
}

PapErgebnis lohnsteuerBerechnen(Lohnsteuerprogramm programm, const PapEingaben& eingaben) {
    switch (programm) {
        case Lohnsteuerprogramm::jahr2024:
            return rechnen<pap::Lohnsteuer2024>(eingaben);
        case Lohnsteuerprogramm::dezember2024:
            return rechnen<pap::Lohnsteuer2024Dezember>(eingaben);
        case Lohnsteuerprogramm::jahr2025:
            return rechnen<pap::Lohnsteuer2025>(eingaben);
        case Lohnsteuerprogramm::jahr2026:
            break;
    }
    return rechnen<pap::Lohnsteuer2026>(eingaben);
}

}  // namespace korvalt
