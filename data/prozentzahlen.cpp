// Percent and hour texts of the calendar settings.
#include "prozentzahlen.h"

#include "bruchrundung.h"
#include "festertext.h"

namespace korvalt {

namespace {

// Digits with at most one decimal comma or point and at most `stellen` decimals, scaled by
// 10^stellen: "87,5" with 2 -> 8750. A "%" at the end is allowed.
std::optional<long long> dezimalLesen(std::string_view text, int stellen) {
    text = getrimmt(text);
    if (!text.empty() && text.back() == '%') text = getrimmt(text.substr(0, text.size() - 1));
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

// A scaled number with a decimal comma: (8750, 2) -> "87,50".
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

}  // namespace

std::optional<int> anteilLesen(std::string_view text, std::string& fehler) {
    const auto wert = dezimalLesen(text, 2);
    if (!wert) {
        fehler = zitat(getrimmt(text)) +
                 " ist kein Arbeitszeitanteil (Prozent mit höchstens zwei Nachkommastellen, "
                 "etwa 87,5).";
        return std::nullopt;
    }
    if (*wert < kleinsterAnteil || *wert > vollzeitAnteil) {
        fehler = "Der Arbeitszeitanteil " + anteilText(static_cast<int>(*wert)) +
                 " liegt nicht zwischen 1 und 100 %.";
        return std::nullopt;
    }
    return static_cast<int>(*wert);
}

std::string anteilText(int anteil) {
    return ohneNullenAmEnde(dezimalText(anteil, 2)) + " %";
}

std::string wochenstundenText(int anteil) {
    const long long hundertstel =
        geteiltGerundet(std::int64_t{anteil} * vollzeitWochenstunden, 100);
    return ohneNullenAmEnde(dezimalText(hundertstel, 2)) + " Std./Woche";
}

std::optional<int> erhoehungLesen(std::string_view text, std::string& fehler) {
    const auto wert = dezimalLesen(text, 1);
    if (!wert) {
        fehler = zitat(getrimmt(text)) +
                 " ist keine jährliche Erhöhung (Prozent mit höchstens einer "
                 "Nachkommastelle, etwa 2,5).";
        return std::nullopt;
    }
    if (*wert > groessteErhoehung) {
        fehler = "Die angenommene Erhöhung von " + erhoehungsprozentText(static_cast<int>(*wert)) +
                 " liegt nicht zwischen 0 und 10 %.";
        return std::nullopt;
    }
    return static_cast<int>(*wert);
}

std::string erhoehungsprozentText(int zehntelProzent) {
    return dezimalText(zehntelProzent, 1) + " %";
}

std::string erhoehungText(const AngenommeneErhoehung& erhoehung) {
    return "angenommene Erhöhung " + erhoehungsprozentText(erhoehung.zehntelProzent) +
           " jährlich ab " + erhoehung.ab.text();
}

}  // namespace korvalt
