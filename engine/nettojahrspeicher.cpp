// Years of net pay kept by their inputs.
#include "nettojahrspeicher.h"

#include <functional>

namespace korvalt {

namespace {

// Both cases of the longest case and a few earlier states of them; the store starts anew beyond.
constexpr std::size_t hoechstensJahre = 512;

void mischen(std::size_t& streuung, std::int64_t wert) {
    streuung = streuung * 1000003u ^ std::hash<std::int64_t>{}(wert);
}

}  // namespace

// Only the amounts and the year are mixed in: the settings are the same for every year of a case,
// and equality compares them all.
std::size_t Nettojahrspeicher::Streuung::operator()(const Nettojahreseingaben& e) const {
    std::size_t streuung = std::size_t(e.jahr);
    for (const Lohnmonat& m : e.monate) mischen(streuung, m.brutto * 4 + int(m.art));
    mischen(streuung, e.sonderzahlung * 16 + e.sonderzahlungsmonat);
    return streuung;
}

const Nettojahr& Nettojahrspeicher::jahr(const Nettojahreseingaben& eingaben) {
    if (const auto gefunden = jahre_.find(eingaben); gefunden != jahre_.end())
        return gefunden->second;
    if (jahre_.size() >= hoechstensJahre) jahre_.clear();
    return jahre_.emplace(eingaben, nettojahrRechnen(eingaben)).first->second;
}

}  // namespace korvalt
