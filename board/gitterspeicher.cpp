// The month grid's store.
#include "gitterspeicher.h"

#include <cassert>

namespace korvalt {

void Gitterspeicher::setzeZeilenzahl(int zeilen) {
    assert(zeilen >= 0);
    zeilen_.resize(static_cast<std::size_t>(zeilen));
    zeilenhoehen_.resize(static_cast<std::size_t>(zeilen), standardZeilenhoehe);
}

int Gitterspeicher::zeilenhoehe(int zeile) const {
    return zeilenhoehen_[pruefe(zeile, 0)];
}

void Gitterspeicher::setzeZeilenhoehe(int zeile, int twips) {
    zeilenhoehen_[pruefe(zeile, 0)] = twips;
}

std::size_t Gitterspeicher::pruefe(int zeile, int spalte) const {
    assert(zeile >= 0 && zeile < zeilenzahl() && spalte >= 0 && spalte < gitterSpalten &&
           "Gitterzelle außerhalb des Gitters");
    (void)spalte;
    return static_cast<std::size_t>(zeile);
}

}  // namespace korvalt
