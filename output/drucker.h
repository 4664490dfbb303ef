// The printer service the printouts talk to: fonts, a horizontal position in twips, text and number
// items line by line, and pages for printouts that lay out their own.
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
    // The width `text` takes in the current font, in twips: a printout right-aligns its amounts
    // and wraps its long lines with it.
    virtual double textbreite(std::string_view text) const = 0;
    // One blank or a minus sign, the digits, one blank: 9 prints as " 9 ".
    virtual void zahl(std::int16_t wert, Zeile zeile = Zeile::bleibt) = 0;
    virtual void leerzeile() = 0;

    // A printout that repeats headings or numbers its pages plans them with these: the printable
    // height of a page and the height of one line in the current font, both in twips.
    virtual double seitenhoehe() const = 0;
    virtual double zeilenhoehe() const = 0;
    // The next line is the first of a new page.
    virtual void neueSeite() = 0;
    // The next line is the last of the page in the current font, for a page footer; a line that is
    // already lower stays where it is.
    virtual void zurLetztenZeile() = 0;

    // Completes the job. False with a German reason when the printer could not take it; a failure
    // earlier in the job is reported here, and the items after it were not printed.
    virtual bool dokumentBeenden(std::string& fehler) = 0;
};

// The footer of a page: "Seite 2 von 5".
inline std::string seitenangabe(int seite, int seiten) {
    return "Seite " + std::to_string(seite) + " von " + std::to_string(seiten);
}

}  // namespace korvalt
