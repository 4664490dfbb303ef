// Exact decimal numbers for the wage-tax program: the operations of Java's BigDecimal that the
// official program uses, under the same names, so that the code generated from it reads like it.
#pragma once

#include <concepts>
#include <cstdint>
#include <string>

namespace korvalt {

// The two roundings the program names: towards zero and away from zero.
enum class Rundung { ROUND_DOWN, ROUND_UP };

// mantisse × 10^-skala, exact. Sums, differences and products are exact as in BigDecimal; a
// division is exact, or rounded to the scale it names. The scale a result carries may differ from
// BigDecimal's, its value never does: the program only compares values and rounds to scales it
// names. Intermediate values are 128 bits wide; a result that does not fit 64 bits, even without
// its trailing zeros, throws std::overflow_error. The widest value the program forms is the
// product of two step values of the tariff formula, about 2·10^17 at scale 13.
class Dezimal {
  public:
    constexpr Dezimal() = default;
    constexpr Dezimal(std::int64_t mantisse, int skala) : mantisse_(mantisse), skala_(skala) {}

    static const Dezimal ZERO;
    static const Dezimal ONE;
    static const Dezimal TEN;

    template <std::integral Ganz>
    static constexpr Dezimal valueOf(Ganz wert) {
        return Dezimal(static_cast<std::int64_t>(wert), 0);
    }
    // The shortest decimal that reads back as `wert`, as BigDecimal.valueOf(double) takes it.
    static Dezimal valueOf(double wert);

    Dezimal add(Dezimal b) const;
    Dezimal subtract(Dezimal b) const;
    Dezimal multiply(Dezimal b) const;
    // The exact quotient; std::domain_error when it has no end, as BigDecimal throws.
    Dezimal divide(Dezimal b) const;
    Dezimal divide(Dezimal b, int skala, Rundung rundung) const;
    Dezimal setScale(int skala, Rundung rundung) const;
    // -1, 0 or 1.
    int compareTo(Dezimal b) const;
    // The whole part, the fraction cut off.
    std::int64_t longValue() const;

    constexpr std::int64_t mantisse() const { return mantisse_; }
    constexpr int skala() const { return skala_; }
    // "-12.345", for test messages.
    std::string text() const;

  private:
    std::int64_t mantisse_ = 0;
    int skala_ = 0;
};

inline constexpr Dezimal Dezimal::ZERO{0, 0};
inline constexpr Dezimal Dezimal::ONE{1, 0};
inline constexpr Dezimal Dezimal::TEN{10, 0};

}  // namespace korvalt
