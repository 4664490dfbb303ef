// Number conversions and number texts.
#include "zahlen.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace korvalt {

namespace {

bool istZiffer(char c) {
    return c >= '0' && c <= '9';
}

template <typename Ganz>
Ganz begrenzt(double wert) {
    constexpr double kleinst = std::numeric_limits<Ganz>::min();
    constexpr double groesst = std::numeric_limits<Ganz>::max();
    const double gerundet = rundeGerade(wert);
    if (!(gerundet >= kleinst)) return std::numeric_limits<Ganz>::min();
    if (gerundet > groesst) return std::numeric_limits<Ganz>::max();
    return static_cast<Ganz>(gerundet);
}

std::string gruppiert(std::uint64_t betrag, bool negativ) {
    std::string ziffern = std::to_string(betrag);
    std::string text;
    text.reserve(ziffern.size() + ziffern.size() / 3 + 1);
    if (negativ && betrag != 0) text.push_back('-');
    for (std::size_t i = 0; i < ziffern.size(); ++i) {
        if (i > 0 && (ziffern.size() - i) % 3 == 0) text.push_back('.');
        text.push_back(ziffern[i]);
    }
    return text;
}

}  // namespace

double zahlAmAnfang(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    double vorzeichen = 1.0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        if (text[i] == '-') vorzeichen = -1.0;
        ++i;
    }
    double wert = 0.0;
    for (; i < text.size() && istZiffer(text[i]); ++i) wert = wert * 10.0 + (text[i] - '0');
    if (i < text.size() && text[i] == '.') {
        double stelle = 0.1;
        for (++i; i < text.size() && istZiffer(text[i]); ++i, stelle /= 10.0)
            wert += (text[i] - '0') * stelle;
    }
    return vorzeichen * wert;
}

double rundeGerade(double wert) {
    if (!std::isfinite(wert)) return wert;
    const double unten = std::floor(wert);
    const double rest = wert - unten;
    if (rest > 0.5) return unten + 1.0;
    if (rest < 0.5) return unten;
    return std::fmod(unten, 2.0) == 0.0 ? unten : unten + 1.0;
}

std::int16_t alsInteger(double wert) {
    return begrenzt<std::int16_t>(wert);
}
std::int32_t alsLong(double wert) {
    return begrenzt<std::int32_t>(wert);
}

std::int64_t alsGanz64(double wert) {
    // 2^63 itself is one above the largest value, so the upper test is >=.
    constexpr double grenze = 9223372036854775808.0;
    const double gerundet = rundeGerade(wert);
    if (!(gerundet >= -grenze)) return std::numeric_limits<std::int64_t>::min();
    if (gerundet >= grenze) return std::numeric_limits<std::int64_t>::max();
    return static_cast<std::int64_t>(gerundet);
}

std::string ganzzahlText(std::int64_t wert) {
    return std::to_string(wert);
}

std::string zahlpostenText(std::int64_t wert) {
    std::string text(wert < 0 ? "" : " ");
    text += std::to_string(wert);
    text += ' ';
    return text;
}

std::string tausenderText(double wert) {
    const double gerundet = std::round(wert);  // a half away from zero
    const bool negativ = gerundet < 0;
    return gruppiert(static_cast<std::uint64_t>(std::fabs(gerundet)), negativ);
}

std::string allgemeinText(float wert) {
    char puffer[40];
    std::snprintf(puffer, sizeof puffer, "%.7G", static_cast<double>(wert));
    std::string text = puffer;
    const auto exponent = text.find('E');
    std::string mantisse = text.substr(0, exponent);
    if (mantisse.find('.') != std::string::npos) {
        while (mantisse.back() == '0') mantisse.pop_back();
        if (mantisse.back() == '.') mantisse.pop_back();
    }
    for (char& c : mantisse)
        if (c == '.') c = ',';
    if (exponent == std::string::npos) return mantisse;
    return mantisse + text.substr(exponent);
}

std::string zweiStellenText(double wert) {
    char puffer[48];
    std::snprintf(puffer, sizeof puffer, "%.2f", wert);
    std::string text = puffer;
    for (char& c : text)
        if (c == '.') c = ',';
    if (text == "-0,00") text = "0,00";
    return text;
}

std::string centTausenderText(std::int64_t cent) {
    std::string text = centText(cent);
    // Before the comma and the two decimals, a full stop every three digits.
    const std::size_t anfang = cent < 0 ? 1 : 0;
    for (std::size_t stelle = text.size() - 3; stelle > anfang + 3; stelle -= 3)
        text.insert(stelle - 3, 1, '.');
    return text;
}

std::string centText(std::int64_t cent) {
    // Unsigned, so that the most negative amount has a magnitude too.
    const std::uint64_t betrag =
        cent < 0 ? 0 - static_cast<std::uint64_t>(cent) : static_cast<std::uint64_t>(cent);
    const std::uint64_t rest = betrag % 100;
    std::string text = cent < 0 ? "-" : "";
    text += std::to_string(betrag / 100);
    text += ',';
    text += static_cast<char>('0' + rest / 10);
    text += static_cast<char>('0' + rest % 10);
    return text;
}

std::int64_t euroGerundet(std::int64_t cent) {
    const std::int64_t ganz = cent / 100;  // toward zero
    const std::int64_t rest = cent % 100;  // carries the sign of `cent`
    if (rest >= 50) return ganz + 1;
    if (rest <= -50) return ganz - 1;
    return ganz;
}

std::string betragsanzeige(std::int32_t cent) {
    const std::int64_t euro = cent / 100;  // C++ division truncates toward zero
    return gruppiert(static_cast<std::uint64_t>(euro < 0 ? -euro : euro), euro < 0);
}

double angezeigtenBetragLesen(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    double vorzeichen = 1.0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        if (text[i] == '-') vorzeichen = -1.0;
        ++i;
    }
    double wert = 0.0;
    for (; i < text.size() && (istZiffer(text[i]) || text[i] == '.'); ++i)
        if (text[i] != '.') wert = wert * 10.0 + (text[i] - '0');
    if (i < text.size() && text[i] == ',') {
        double stelle = 0.1;
        for (++i; i < text.size() && istZiffer(text[i]); ++i, stelle /= 10.0)
            wert += (text[i] - '0') * stelle;
    }
    return vorzeichen * wert;
}

}  // namespace korvalt
