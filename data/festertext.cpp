// Fixed-length texts of the shared state.
#include "festertext.h"

namespace korvalt {

std::string aufLaengeGebracht(std::string_view text, std::size_t zeichen) {
    std::string ergebnis;
    std::size_t gezaehlt = 0;
    for (std::size_t i = 0; i < text.size();) {
        // A character is its lead byte plus the continuation bytes (10xxxxxx) behind it.
        std::size_t laenge = 1;
        while (i + laenge < text.size() &&
               (static_cast<unsigned char>(text[i + laenge]) & 0xC0) == 0x80)
            ++laenge;
        if (gezaehlt == zeichen) break;
        ergebnis.append(text.substr(i, laenge));
        ++gezaehlt;
        i += laenge;
    }
    ergebnis.append(zeichen - gezaehlt, ' ');
    return ergebnis;
}

std::string_view getrimmt(std::string_view text) {
    const auto anfang = text.find_first_not_of(' ');
    if (anfang == std::string_view::npos) return {};
    const auto ende = text.find_last_not_of(' ');
    return text.substr(anfang, ende - anfang + 1);
}

}  // namespace korvalt
