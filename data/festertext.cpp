// Fixed-length texts of the shared state.
#include "festertext.h"

#include <utility>

namespace korvalt {

namespace {

// The first `zeichen` characters of a UTF-8 text, and how many there were.
std::pair<std::string_view, std::size_t> anfang(std::string_view text, std::size_t zeichen) {
    std::size_t gezaehlt = 0;
    std::size_t i = 0;
    while (i < text.size() && gezaehlt < zeichen) {
        // A character is its lead byte plus the continuation bytes (10xxxxxx) behind it.
        std::size_t laenge = 1;
        while (i + laenge < text.size() &&
               (static_cast<unsigned char>(text[i + laenge]) & 0xC0) == 0x80)
            ++laenge;
        ++gezaehlt;
        i += laenge;
    }
    return {text.substr(0, i), gezaehlt};
}

}  // namespace

std::string aufLaengeGebracht(std::string_view text, std::size_t zeichen) {
    const auto [teil, gezaehlt] = anfang(text, zeichen);
    return std::string(teil) + std::string(zeichen - gezaehlt, ' ');
}

std::string zitat(std::string_view text) {
    const std::string_view teil = anfang(text, zitatLaenge).first;
    return "\u201E" + std::string(teil) + (teil.size() < text.size() ? "\u2026" : "") + "\u201C";
}

std::string_view getrimmt(std::string_view text) {
    const auto anfang = text.find_first_not_of(' ');
    if (anfang == std::string_view::npos) return {};
    const auto ende = text.find_last_not_of(' ');
    return text.substr(anfang, ende - anfang + 1);
}

}  // namespace korvalt
