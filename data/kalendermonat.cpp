// Calendar months as text and from text.
#include "kalendermonat.h"

#include "festertext.h"

namespace korvalt {

namespace {

std::string zweiZiffern(int wert) {
    return {static_cast<char>('0' + wert / 10 % 10), static_cast<char>('0' + wert % 10)};
}

// Digits only, `von` to `bis` of them.
std::optional<int> ziffern(std::string_view text, std::size_t von, std::size_t bis) {
    if (text.size() < von || text.size() > bis) return std::nullopt;
    int wert = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        wert = wert * 10 + (c - '0');
    }
    return wert;
}

}  // namespace

std::string KalenderMonat::text() const {
    return zweiZiffern(monat()) + "/" + std::to_string(jahr());
}

std::string KalenderMonat::kurztext() const {
    return zweiZiffern(monat()) + "/" + zweiZiffern(jahr() % 100);
}

std::string KalenderMonat::schluessel() const {
    return std::to_string(jahr()) + "-" + zweiZiffern(monat());
}

std::optional<KalenderMonat> kalenderMonatLesen(std::string_view text) {
    text = getrimmt(text);
    std::optional<int> jahr;
    std::optional<int> monat;
    if (const auto strich = text.find('-'); strich != std::string_view::npos) {
        jahr = ziffern(text.substr(0, strich), 4, 4);
        monat = ziffern(text.substr(strich + 1), 1, 2);
    } else if (const auto schraeg = text.find('/'); schraeg != std::string_view::npos) {
        monat = ziffern(text.substr(0, schraeg), 1, 2);
        jahr = ziffern(text.substr(schraeg + 1), 4, 4);
    }
    if (!jahr || !monat || *monat < 1 || *monat > 12) return std::nullopt;
    return KalenderMonat(*jahr, *monat);
}

std::optional<KalenderMonat> kalenderMonatLesen(std::string_view text, std::string& fehler) {
    const auto monat = kalenderMonatLesen(text);
    if (!monat)
        fehler = zitat(getrimmt(text)) +
                 " ist kein Monat (JJJJ-MM oder MM/JJJJ, etwa 2026-07 oder 07/2026).";
    return monat;
}

std::optional<KalenderMonat> beginnLesen(std::string_view text, std::string& fehler) {
    const auto monat = kalenderMonatLesen(text, fehler);
    if (!monat) return std::nullopt;
    fehler = beginnPruefen(*monat);
    if (!fehler.empty()) return std::nullopt;
    return monat;
}

std::string beginnPruefen(KalenderMonat beginn) {
    if (beginn < fruehesterBeginn)
        return "Der Beginn " + beginn.text() + " liegt vor " + fruehesterBeginn.text() +
               ", dem ersten Monat der aktuellen Tariftabellen.";
    if (beginn > spaetesterBeginn)
        return "Der Beginn " + beginn.text() + " liegt nach " + spaetesterBeginn.text() +
               ", dem spätesten möglichen Beginn.";
    return "";
}

}  // namespace korvalt
