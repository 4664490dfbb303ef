// The program's colours and UTF-8 texts as Qt's QColor and QString.
#pragma once

#include <QColor>
#include <QString>
#include <string_view>

#include "farbe.h"

namespace korvalt {

inline QColor alsQColor(Farbe f) {
    return QColor(rotAnteil(f), gruenAnteil(f), blauAnteil(f));
}

inline QString alsQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace korvalt
