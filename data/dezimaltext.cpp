// Reading and writing decimal numbers with a decimal comma.
#include "dezimaltext.h"

#include "festertext.h"

namespace korvalt {

std::optional<long long> dezimalLesen(std::string_view text, int stellen,
                                      std::string_view einheit) {
    text = getrimmt(text);
    if (!einheit.empty() && text.ends_with(einheit))
        text = getrimmt(text.substr(0, text.size() - einheit.size()));
    long long wert = 0;
    int ganzeZiffern = 0;
    int nachkomma = -1;  // -1 before the decimal separator
    for (char c : text) {
        if (c == ',' || c == '.') {
            if (nachkomma >= 0 || ganzeZiffern == 0) return std::nullopt;
            nachkomma = 0;
            continue;
        }
        if (c < '0' || c > '9') return std::nullopt;
        if (nachkomma >= 0 && ++nachkomma > stellen) return std::nullopt;
        if (nachkomma < 0 && ++ganzeZiffern > 6) return std::nullopt;
        wert = wert * 10 + (c - '0');
    }
    if (ganzeZiffern == 0 || nachkomma == 0) return std::nullopt;
    for (int k = std::max(nachkomma, 0); k < stellen; ++k) wert *= 10;
    return wert;
}

std::string dezimalText(long long wert, int stellen) {
    long long teiler = 1;
    for (int k = 0; k < stellen; ++k) teiler *= 10;
    std::string nachkomma = std::to_string(wert % teiler + teiler).substr(1);
    return std::to_string(wert / teiler) + "," + nachkomma;
}

std::string ohneNullenAmEnde(std::string text) {
    while (text.back() == '0') text.pop_back();
    if (text.back() == ',') text.pop_back();
    return text;
}

}  // namespace korvalt
