// Digits, and in the start group one letter a to c after them.
#include "ziffernpruefer.h"

namespace korvalt {

QValidator::State Ziffernpruefer::validate(QString& text, int&) const {
    qsizetype ziffern = 0;
    while (ziffern < text.size() && text.at(ziffern) >= u'0' && text.at(ziffern) <= u'9') ++ziffern;
    if (ziffern == text.size()) return Acceptable;
    const QChar letztes = text.at(ziffern);
    const bool buchstabe =
        (letztes >= u'a' && letztes <= u'c') || (letztes >= u'A' && letztes <= u'C');
    return gruppenbuchstabe_ && buchstabe && ziffern + 1 == text.size() ? Acceptable : Invalid;
}

}  // namespace korvalt
