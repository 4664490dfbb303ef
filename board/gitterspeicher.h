// The month grid's contents as plain data: cells with text and colour, row heights, column widths,
// font; the rows of a source built only when read, and the rows changed since a view last asked.
#pragma once

#include <array>
#include <cstdint>
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
    bool operator==(const Gitterzelle&) const = default;
};

using Gitterzeile = std::array<Gitterzelle, gitterSpalten>;

// Builds the cells of rows that are only built when someone reads them: the month rows, of which a
// view shows a few dozen out of 600.
class Zeilenquelle {
  public:
    virtual void zeileBauen(int zeile, Gitterzeile& zellen) const = 0;

  protected:
    ~Zeilenquelle() = default;
};

// Rows [von, bis).
struct Zeilenbereich {
    int von = 0;
    int bis = 0;
    bool operator==(const Zeilenbereich&) const = default;
};

class Gitterspeicher {
  public:
    static constexpr int standardZeilenhoehe = 240;  // twips

    explicit Gitterspeicher(int zeilen = 100) { setzeZeilenzahl(zeilen); }

    int zeilenzahl() const { return static_cast<int>(zeilen_.size()); }
    // Drops the rows beyond the new count and adds empty rows in the grid's default colours.
    void setzeZeilenzahl(int zeilen);

    // A row of the source is built when one of its cells is first read after it was renewed.
    const Gitterzelle& zelle(int zeile, int spalte) const;
    // Writes a row outside the source's rows.
    void setzeText(int zeile, int spalte, std::string text, std::string kurztext = {});
    void setzeFarbe(int zeile, int spalte, Farbe farbe);

    // From now on `quelle` builds the rows `bereich`; rows it built before that lie outside are
    // emptied. `quelle` must stay until another source replaces it.
    void zeilenBeziehen(const Zeilenquelle& quelle, Zeilenbereich bereich);
    // A row of the source shows something new: it is built again when next read.
    void zeileErneuern(int zeile);

    // The rows whose cells changed since the last call (written, emptied, added or renewed), in
    // ascending order, neighbours joined.
    std::vector<Zeilenbereich> geaenderteZeilenAbholen();

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
    // A row's state besides its cells.
    enum Zustand : std::uint8_t { geaendert = 1, ungebaut = 2 };

    std::size_t pruefe(int zeile, int spalte) const;
    bool vonDerQuelle(int zeile) const { return zeile >= quelle_.von && zeile < quelle_.bis; }
    Gitterzelle& beschreibbar(int zeile, int spalte);

    // Rows of the source are built into their cells when read, so that reading stays const.
    mutable std::vector<Gitterzeile> zeilen_;
    mutable std::vector<std::uint8_t> zustand_;
    std::vector<int> zeilenhoehen_;
    std::array<int, gitterSpalten> spaltenbreiten_{};
    const Zeilenquelle* zeilenquelle_ = nullptr;
    Zeilenbereich quelle_;
};

}  // namespace korvalt
