// The plain store, filled with the initial look of every field.
#include "feldspeicher.h"

#include <cassert>

namespace korvalt {

Feldspeicher::Feldspeicher() {
    for (const auto& b : feldtabelle()) {
        for (int i = b.von; i <= b.bis; ++i) {
            if (!b.hatIndex(i)) continue;
            const FeldId feld{b.name, static_cast<std::int8_t>(i)};
            auto& z = felder_[static_cast<std::size_t>(b.name)][static_cast<std::size_t>(i)];
            z.vorhanden = true;
            z.text = anfangstext(feld);
            z.deckend = b.hintergrund.has_value();
            if (b.hintergrund) z.hintergrund = *b.hintergrund;
            z.sichtbar = b.sichtbar;
        }
    }
}

const Feldzustand& Feldspeicher::zustand(FeldId feld) const {
    assert(feld.index >= 0 && feld.index <= groessterIndex);
    const auto& z =
        felder_[static_cast<std::size_t>(feld.name)][static_cast<std::size_t>(feld.index)];
    assert((z.vorhanden || !beschreibung(feld.name).istArray()) && "Feld ohne diesen Index");
    return z;
}

Feldzustand& Feldspeicher::veraenderbar(FeldId feld) {
    return const_cast<Feldzustand&>(static_cast<const Feldspeicher*>(this)->zustand(feld));
}

}  // namespace korvalt
