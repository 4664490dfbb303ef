// The first months of the month table on the rest of a page (the result page): as many as the
// space holds, in blocks side by side, each with its column heads.
#pragma once

#include <QRectF>

#include "falltabellen.h"
#include "tarifdaten.h"

class QPainter;

namespace korvalt {

// Draws months 1, 2, … of the case as the last comparison left them into `rahmen`, in the
// painter's font, filling `bloecke` blocks from left to right, each from top to bottom. Returns
// how many months it drew: none when not even the heads and one month fit.
int monatsausschnittZeichnen(QPainter& maler, const QRectF& rahmen, const TarifDaten& daten,
                             const Falltabellen& t, int bloecke = 2);

}  // namespace korvalt
