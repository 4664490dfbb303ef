// The digit fields of a settings record: positions count from 1, a value is zero-padded ASCII
// digits, a setting that is not set is blanks.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "tarifdaten.h"

namespace korvalt::satzfelder {

inline std::string_view feld(const Einstellungssatz& satz, int position, int laenge) {
    return {reinterpret_cast<const char*>(satz.data()) + position - 1, std::size_t(laenge)};
}

inline bool leer(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

// A letter as it can be shown in a message: itself, or "\x01" for a byte that is no letter.
inline std::string zeichenText(char zeichen) {
    const auto byte = static_cast<unsigned char>(zeichen);
    if (byte > 0x20 && byte < 0x7F) return std::string(1, zeichen);
    constexpr const char* hex = "0123456789ABCDEF";
    return std::string("\\x") + hex[byte >> 4] + hex[byte & 15];
}

inline void ziffernSchreiben(Einstellungssatz& satz, int position, int laenge, std::int64_t wert) {
    for (int k = laenge - 1; k >= 0; --k, wert /= 10)
        satz[std::size_t(position - 1 + k)] = static_cast<unsigned char>('0' + wert % 10);
}

// What a field holds: nothing when blank, a value, or damage (anything but digits or blanks).
struct Feld {
    bool gesetzt = false;
    bool beschaedigt = false;
    std::int64_t wert = 0;
};

inline Feld zahlfeld(const Einstellungssatz& satz, int position, int laenge) {
    const auto text = feld(satz, position, laenge);
    if (leer(text)) return {};
    Feld f{true, false, 0};
    for (char c : text) {
        if (c < '0' || c > '9') return {true, true, 0};
        f.wert = f.wert * 10 + (c - '0');
    }
    return f;
}

}  // namespace korvalt::satzfelder
