// The printer service the printouts talk to: fonts, a horizontal position in twips, text and number
// items line by line.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace korvalt {

// Whether an item stays on the line (the position moves behind it) or ends it (the next line starts
// at the left edge, one line height of the current font lower).
enum class Zeile : std::uint8_t { bleibt, endet };

// A fresh printer prints in this font until the printout sets another.
inline constexpr std::string_view standardSchrift = "Arial";
inline constexpr double standardSchriftgroesse = 10;

class Drucker {
  public:
    virtual ~Drucker() = default;

    // Font settings apply to everything printed after them until they change.
    virtual void schriftname(std::string_view name) = 0;
    virtual void schriftgroesse(double punkte) = 0;
    virtual void fett(bool an) = 0;

    // Twips from the left edge of the printable area.
    virtual void position(int twips) = 0;

    virtual void text(std::string_view text, Zeile zeile = Zeile::bleibt) = 0;
    // One blank or a minus sign, the digits, one blank: 9 prints as " 9 ".
    virtual void zahl(std::int16_t wert, Zeile zeile = Zeile::bleibt) = 0;
    virtual void leerzeile() = 0;

    // Completes the job. False with a German reason when the printer could not take it; a failure
    // earlier in the job is reported here, and the items after it were not printed.
    virtual bool dokumentBeenden(std::string& fehler) = 0;
};

}  // namespace korvalt
