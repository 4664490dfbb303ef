// A calendar month such as 07/2026: the start month of a case, the month a table comes into force,
// the month of an assumed raise.
#pragma once

#include <cassert>
#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace korvalt {

class KalenderMonat {
  public:
    constexpr KalenderMonat(int jahr, int monat) : index_(jahr * 12 + monat - 1) {
        assert(jahr >= 0 && monat >= 1 && monat <= 12);
    }

    constexpr int jahr() const { return index_ / 12; }
    constexpr int monat() const { return index_ % 12 + 1; }

    constexpr KalenderMonat operator+(int monate) const { return KalenderMonat(index_ + monate); }
    constexpr KalenderMonat operator-(int monate) const { return KalenderMonat(index_ - monate); }
    // The months from `frueher` to this one: 07/2026 - 04/2024 = 27.
    constexpr int operator-(KalenderMonat frueher) const { return index_ - frueher.index_; }
    constexpr auto operator<=>(const KalenderMonat&) const = default;

    // "07/2026", as shown and in the CSV.
    std::string text() const;
    // "07/26", where columns are narrow.
    std::string kurztext() const;
    // "2026-07", as on the command line and as the tables' keys are written.
    std::string schluessel() const;

  private:
    // Months since January of year 0.
    explicit constexpr KalenderMonat(int index) : index_(index) {}
    int index_;
};

// The first month of the current tables and the last start month a case may have.
inline constexpr KalenderMonat fruehesterBeginn{2024, 3};
inline constexpr KalenderMonat spaetesterBeginn{2099, 12};

// "2026-07" or "07/2026" (a one-digit month too, blanks around it); nothing for any other text.
std::optional<KalenderMonat> kalenderMonatLesen(std::string_view text);
// The same with the German reason for a text that is no month.
std::optional<KalenderMonat> kalenderMonatLesen(std::string_view text, std::string& fehler);

// A start month as the user types it, within 03/2024..12/2099; otherwise nothing and a German
// reason.
std::optional<KalenderMonat> beginnLesen(std::string_view text, std::string& fehler);

// Why a start month is outside 03/2024..12/2099, or "" when it is inside.
std::string beginnPruefen(KalenderMonat beginn);

}  // namespace korvalt
