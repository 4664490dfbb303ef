// The month grid's contents as plain data: cells with text and colour, row heights, column widths,
// font.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "farbe.h"

namespace korvalt {

inline constexpr int gitterSpalten = 8;

struct Gitterzelle {
    std::string text;
    // Shown instead of `text` where the cell is too narrow for it ("07/26" for "07/2026"); empty:
    // the text is never shortened.
    std::string kurztext;
    std::optional<Farbe> hintergrund;  // none: the grid's background colour
};

class Gitterspeicher {
  public:
    static constexpr int standardZeilenhoehe = 240;  // twips

    explicit Gitterspeicher(int zeilen = 100) { setzeZeilenzahl(zeilen); }

    int zeilenzahl() const { return static_cast<int>(zeilen_.size()); }
    // Drops the rows beyond the new count and adds empty rows in the grid's default colours.
    void setzeZeilenzahl(int zeilen);

    const Gitterzelle& zelle(int zeile, int spalte) const {
        return zeilen_[pruefe(zeile, spalte)][spalte];
    }
    void setzeText(int zeile, int spalte, std::string text, std::string kurztext = {}) {
        Gitterzelle& z = zeilen_[pruefe(zeile, spalte)][spalte];
        z.text = std::move(text);
        z.kurztext = std::move(kurztext);
    }
    void setzeFarbe(int zeile, int spalte, Farbe farbe) {
        zeilen_[pruefe(zeile, spalte)][spalte].hintergrund = farbe;
    }

    int zeilenhoehe(int zeile) const;
    void setzeZeilenhoehe(int zeile, int twips);
    int spaltenbreite(int spalte) const {
        return spaltenbreiten_[static_cast<std::size_t>(spalte)];
    }
    void setzeSpaltenbreite(int spalte, int twips) {
        spaltenbreiten_[static_cast<std::size_t>(spalte)] = twips;
    }

    Farbe hintergrund = farben::gitterGrund;
    bool verbindenErlaubt = false;
    bool kopfzeileVerbinden = false;  // equal neighbouring cells of row 0 form one heading cell
    double schriftgroesse = 9;
    bool fett = false;
    int festeZeilen = 2;
    int festeSpalten = 1;

  private:
    std::size_t pruefe(int zeile, int spalte) const;

    std::vector<std::array<Gitterzelle, gitterSpalten>> zeilen_;
    std::vector<int> zeilenhoehen_;
    std::array<int, gitterSpalten> spaltenbreiten_{};
};

}  // namespace korvalt
