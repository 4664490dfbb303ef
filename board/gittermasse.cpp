// Grid width and column widths from the window width.
#include "gittermasse.h"

#include "zahlen.h"

namespace korvalt {

Gittermasse gittermasse(int fensterbreiteTwips) {
    constexpr double anteile[gitterSpalten] = {0.09, 0.09, 0.1, 0.16, 0.09, 0.1, 0.16, 0.16};
    Gittermasse m;
    m.breite = static_cast<int>(rundeGerade(fensterbreiteTwips * 0.55));
    for (int s = 0; s < gitterSpalten; ++s)
        m.spalten[static_cast<std::size_t>(s)] =
            static_cast<int>(rundeGerade(m.breite * anteile[s]));
    return m;
}

}  // namespace korvalt
