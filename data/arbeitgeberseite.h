// The side of the collective agreement that pays: the municipalities (VKA) or the Federation. One
// enum from the list of tables to every table of rates that differs by side.
#pragma once

#include <optional>
#include <string_view>

namespace korvalt {

enum class Arbeitgeberseite {
    vka,   // the municipalities
    bund,  // the Federation
};

// The side's key in the list of tables and the bonus rates: "vka", "bund".
constexpr std::string_view seitenschluessel(Arbeitgeberseite seite) {
    return seite == Arbeitgeberseite::bund ? "bund" : "vka";
}

constexpr std::optional<Arbeitgeberseite> seiteLesen(std::string_view schluessel) {
    if (schluessel == "vka") return Arbeitgeberseite::vka;
    if (schluessel == "bund") return Arbeitgeberseite::bund;
    return std::nullopt;
}

}  // namespace korvalt
