// A percentage of the law or of the tax settings, held exactly in ten-thousandths of a percent, so
// that every rate of the year's law and every rate a user types share one unit.
#pragma once

#include <cassert>
#include <compare>
#include <cstdint>

#include "bruchrundung.h"

namespace korvalt {

class Prozentsatz {
  public:
    // Ten-thousandths in one percent: 7,3 % is 73000.
    static constexpr std::int64_t teileJeProzent = 10000;

    constexpr Prozentsatz() = default;
    // 730 -> 7,3 %: as the settings and the sv record write a rate.
    static constexpr Prozentsatz hundertstel(std::int64_t wert) {
        return Prozentsatz(wert * (teileJeProzent / 100));
    }
    static constexpr Prozentsatz zehntausendstel(std::int64_t wert) { return Prozentsatz(wert); }

    constexpr std::int64_t inZehntausendsteln() const { return teile_; }
    // Only for a rate that has no finer digits, as every rate typed or recorded has.
    constexpr std::int64_t inHundertsteln() const {
        assert(teile_ % (teileJeProzent / 100) == 0);
        return teile_ / (teileJeProzent / 100);
    }
    constexpr bool positiv() const { return teile_ > 0; }

    constexpr Prozentsatz operator+(Prozentsatz b) const { return Prozentsatz(teile_ + b.teile_); }
    constexpr Prozentsatz operator-(Prozentsatz b) const { return Prozentsatz(teile_ - b.teile_); }
    constexpr Prozentsatz operator*(std::int64_t n) const { return Prozentsatz(teile_ * n); }
    // Half of a full rate, the employee's share of a health fund's additional rate. Exact for the
    // rates in hundredths of a percent that are typed.
    constexpr Prozentsatz haelfte() const { return Prozentsatz(teile_ / 2); }

    // This share of `cent`, rounded once to the cent, a half up.
    constexpr std::int64_t von(std::int64_t cent) const {
        return geteiltGerundet(cent * teile_, 100 * teileJeProzent);
    }
    // The amount of which `cent` is this share, rounded once to the cent, a half up; only for a
    // positive rate.
    constexpr std::int64_t ganzesZu(std::int64_t cent) const {
        assert(teile_ > 0);
        return geteiltGerundet(cent * 100 * teileJeProzent, teile_);
    }

    constexpr auto operator<=>(const Prozentsatz&) const = default;

  private:
    constexpr explicit Prozentsatz(std::int64_t teile) : teile_(teile) {}
    std::int64_t teile_ = 0;
};

}  // namespace korvalt
