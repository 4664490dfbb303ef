// Runs the generated wage-tax programs: a fresh program per payment, its inputs set, MAIN run.
#include "lohnsteuer.h"

#include <stdexcept>
#include <string>

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

// Every program built, under the name of its XML, as the year's law names it.
constexpr struct {
    std::string_view name;
    PapErgebnis (*rechnen)(const PapEingaben&);
} programme[] = {
    {"Lohnsteuer2024", &rechnen<pap::Lohnsteuer2024>},
    {"Lohnsteuer2024Dezember", &rechnen<pap::Lohnsteuer2024Dezember>},
    {"Lohnsteuer2025", &rechnen<pap::Lohnsteuer2025>},
    {"Lohnsteuer2026", &rechnen<pap::Lohnsteuer2026>},
};

}  // namespace

PapErgebnis lohnsteuerBerechnen(std::string_view programm, const PapEingaben& eingaben) {
    for (const auto& p : programme)
        if (p.name == programm) return p.rechnen(eingaben);
    throw std::out_of_range("kein Lohnsteuerprogramm \u201E" + std::string(programm) + "\u201C");
}

}  // namespace korvalt
