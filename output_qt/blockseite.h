// The block every printout carries, on a page drawn with a QPainter (the result page, the year
// view): a heading with the block's lines under it in two columns, and at the foot the space to
// sign, the print date and the page number.
#pragma once

#include <QFont>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QRectF>
#include <QSizeF>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "druckblock.h"

class QPainter;

namespace korvalt {

// The pages drawn with a painter (the year view's, the file note) are laid out in tenths of a
// millimetre.
inline constexpr int einheitenProMm = 10;

// The printouts' proportional font at a size in millimetres.
QFont seitenschrift(double mm, bool fett = false);

// Begins painting `printer`'s page in `ausrichtung`, scaled to tenths of a millimetre: the page's
// width and height in those units; nothing when the painter cannot begin.
std::optional<QSizeF> seiteBeginnen(QPainter& p, QPrinter& printer,
                                    QPageLayout::Orientation ausrichtung);

class Blockseite {
  public:
    // `seite` is the printable area in the painter's coordinates; `schrift` the font of the block's
    // lines, sized for the painter (the heading is its bold version).
    Blockseite(QPainter& maler, const QRectF& seite, QFont schrift, const Druckblock& block);

    // The heading "<titel> – <art>", a rule, then the person and the tables on the left, the
    // calendar settings and the notes on the right, each wrapped where it is too long. Returns
    // where the page's own content may begin.
    double kopfZeichnen(std::string_view art);
    // Where the foot begins: the page's own content ends above it.
    double fussOben() const;
    // The space to sign with its line and the block's last line, a rule, the print date and
    // "Seite n von m".
    void fussZeichnen(int seite = 1, int seiten = 1);

    // The height of one line of the block's font.
    double zeile() const { return zeile_; }

  private:
    // Draws the lines one below the other from (x, y) in `breite`; returns the height they took.
    double zeilenZeichnen(double x, double y, double breite,
                          const std::vector<std::string>& zeilen);

    QPainter& maler_;
    QRectF seite_;
    QFont schrift_;
    const Druckblock& block_;
    double zeile_;
};

}  // namespace korvalt
