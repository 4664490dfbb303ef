// A colour of the program (red in the low byte) as Qt's QColor.
#pragma once

#include <QColor>

#include "farbe.h"

namespace korvalt {

inline QColor alsQColor(Farbe f) {
    return QColor(rotAnteil(f), gruenAnteil(f), blauAnteil(f));
}

}  // namespace korvalt
