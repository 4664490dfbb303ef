// The arithmetic of the exact decimal numbers: 128-bit intermediates, results checked to fit.
#include "dezimal.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <numeric>
#include <stdexcept>

namespace korvalt {

namespace {

__extension__ typedef __int128 Breit;

// 10^0 .. 10^38, the powers a 128-bit number holds.
constexpr int groessteZehnerpotenz = 38;
constexpr auto zehnerpotenzen = [] {
    std::array<Breit, groessteZehnerpotenz + 1> p{};
    p[0] = 1;
    for (std::size_t k = 1; k < p.size(); ++k) p[k] = p[k - 1] * 10;
    return p;
}();

[[noreturn]] void ueberlauf() {
    throw std::overflow_error("Dezimalzahl ausserhalb des Rechenbereichs");
}

Breit zehnHoch(int exponent) {
    if (exponent < 0 || exponent > groessteZehnerpotenz) ueberlauf();
    return zehnerpotenzen[std::size_t(exponent)];
}

Breit mal(Breit a, Breit b) {
    Breit produkt;
    if (__builtin_mul_overflow(a, b, &produkt)) ueberlauf();
    return produkt;
}

// a × 10^exponent, exponent >= 0.
Breit verschieben(Breit a, int exponent) {
    return a == 0 ? 0 : mal(a, zehnHoch(exponent));
}

// A result as mantissa and scale: trailing zeros go while it does not fit 64 bits.
Dezimal schmal(Breit mantisse, int skala) {
    // Symmetric, so that every mantissa can change its sign.
    constexpr Breit groesste = std::numeric_limits<std::int64_t>::max();
    constexpr Breit kleinste = -groesste;
    while ((mantisse > groesste || mantisse < kleinste) && skala > 0 && mantisse % 10 == 0) {
        mantisse /= 10;
        --skala;
    }
    if (mantisse > groesste || mantisse < kleinste) ueberlauf();
    return Dezimal(static_cast<std::int64_t>(mantisse), skala);
}

// zaehler / nenner rounded to a whole number; the 64-bit division where both fit, as they almost
// always do.
Breit teilen(Breit zaehler, Breit nenner, Rundung rundung) {
    if (nenner == 0) throw std::domain_error("Division durch null");
    Breit quotient;
    Breit rest;
    constexpr Breit groesste = std::numeric_limits<std::int64_t>::max();
    if (zaehler <= groesste && zaehler > -groesste && nenner <= groesste && nenner > -groesste) {
        const auto z = static_cast<std::int64_t>(zaehler);
        const auto n = static_cast<std::int64_t>(nenner);
        quotient = z / n;
        rest = z % n;
    } else {
        quotient = zaehler / nenner;
        rest = zaehler % nenner;
    }
    if (rest != 0 && rundung == Rundung::ROUND_UP)
        quotient += (zaehler < 0) == (nenner < 0) ? 1 : -1;
    return quotient;
}

// Both mantissas at the larger of the two scales.
struct Ausgerichtet {
    Breit a;
    Breit b;
    int skala;
};

Ausgerichtet ausrichten(Dezimal a, Dezimal b) {
    const int skala = std::max(a.skala(), b.skala());
    return {verschieben(a.mantisse(), skala - a.skala()),
            verschieben(b.mantisse(), skala - b.skala()), skala};
}

}  // namespace

Dezimal Dezimal::valueOf(double wert) {
    if (!std::isfinite(wert)) throw std::domain_error("keine Zahl");
    std::array<char, 400> text{};
    const auto [ende, fehler] =
        std::to_chars(text.data(), text.data() + text.size(), wert, std::chars_format::fixed);
    if (fehler != std::errc{}) ueberlauf();
    Breit mantisse = 0;
    int skala = -1;
    bool negativ = false;
    for (const char* c = text.data(); c != ende; ++c) {
        if (*c == '-') {
            negativ = true;
        } else if (*c == '.') {
            skala = 0;
        } else {
            mantisse = mal(mantisse, 10) + (*c - '0');
            if (skala >= 0) ++skala;
        }
    }
    return schmal(negativ ? -mantisse : mantisse, std::max(skala, 0));
}

Dezimal Dezimal::add(Dezimal b) const {
    const auto x = ausrichten(*this, b);
    return schmal(x.a + x.b, x.skala);
}

Dezimal Dezimal::subtract(Dezimal b) const {
    const auto x = ausrichten(*this, b);
    return schmal(x.a - x.b, x.skala);
}

Dezimal Dezimal::multiply(Dezimal b) const {
    return schmal(mal(mantisse_, b.mantisse_), skala_ + b.skala_);
}

Dezimal Dezimal::divide(Dezimal b) const {
    if (b.mantisse_ == 0) throw std::domain_error("Division durch null");
    // The quotient ends exactly when the reduced divisor has no prime factor but 2 and 5; then
    // as many further digits as the larger of their powers make it whole.
    const std::int64_t teiler = std::gcd(mantisse_, b.mantisse_);
    const Breit zaehler = mantisse_ / teiler;
    Breit nenner = b.mantisse_ / teiler;
    if (nenner < 0) nenner = -nenner;
    Breit rest = nenner;
    int zweien = 0;
    int fuenfen = 0;
    while (rest % 2 == 0) rest /= 2, ++zweien;
    while (rest % 5 == 0) rest /= 5, ++fuenfen;
    if (rest != 1) throw std::domain_error("Division ohne endliches Ergebnis");
    const int stellen = std::max(zweien, fuenfen);
    const Breit quotient = mal(zaehler, zehnHoch(stellen)) / nenner;
    int skala = skala_ - b.skala_ + stellen;
    Breit mantisse = b.mantisse_ < 0 ? -quotient : quotient;
    if (skala < 0) {
        mantisse = verschieben(mantisse, -skala);
        skala = 0;
    }
    return schmal(mantisse, skala);
}

Dezimal Dezimal::divide(Dezimal b, int skala, Rundung rundung) const {
    // this / b = mantisse_ / b.mantisse_ × 10^(b.skala_ - skala_); at `skala` decimals the
    // mantissa is that times 10^skala.
    const int exponent = skala - skala_ + b.skala_;
    const Breit zaehler = exponent >= 0 ? verschieben(mantisse_, exponent) : Breit(mantisse_);
    const Breit nenner = exponent >= 0 ? Breit(b.mantisse_) : verschieben(b.mantisse_, -exponent);
    return schmal(teilen(zaehler, nenner, rundung), skala);
}

Dezimal Dezimal::setScale(int skala, Rundung rundung) const {
    if (skala >= skala_) return schmal(verschieben(mantisse_, skala - skala_), skala);
    return schmal(teilen(mantisse_, zehnHoch(skala_ - skala), rundung), skala);
}

int Dezimal::compareTo(Dezimal b) const {
    const auto x = ausrichten(*this, b);
    return x.a < x.b ? -1 : (x.a > x.b ? 1 : 0);
}

std::int64_t Dezimal::longValue() const {
    return static_cast<std::int64_t>(teilen(mantisse_, zehnHoch(skala_), Rundung::ROUND_DOWN));
}

std::string Dezimal::text() const {
    const bool negativ = mantisse_ < 0;
    std::string ziffern = std::to_string(negativ ? -mantisse_ : mantisse_);
    if (skala_ > 0) {
        if (ziffern.size() <= std::size_t(skala_))
            ziffern.insert(0, std::size_t(skala_) + 1 - ziffern.size(), '0');
        ziffern.insert(ziffern.size() - std::size_t(skala_), ".");
    }
    return negativ ? "-" + ziffern : ziffern;
}

}  // namespace korvalt
