// The display fields: every calculation talks to the window only through these operations on named
// fields.
#pragma once

#include <string>
#include <string_view>

#include "farbe.h"
#include "feldname.h"
#include "gitterspeicher.h"

namespace korvalt {

class Anzeigefelder {
  public:
    virtual ~Anzeigefelder() = default;

    // Text of a text field, caption of a label, panel, button or (Korvaltei) the window.
    virtual std::string text(FeldId feld) const = 0;
    virtual void setzeText(FeldId feld, std::string_view text) = 0;
    virtual void setzeHintergrund(FeldId feld, Farbe farbe) = 0;
    // A transparent label shows the panel beneath it; its colour stays stored for the next time it
    // is opaque.
    virtual void setzeDeckend(FeldId feld, bool deckend) = 0;
    virtual void setzeSichtbar(FeldId feld, bool sichtbar) = 0;
    // The note a label shows when the pointer rests on it (the full date of a month label); ""
    // for none.
    virtual void setzeHinweis(FeldId feld, std::string_view hinweis) = 0;

    // The month grid: its cells are written while it is hidden and shown once, complete.
    virtual Gitterspeicher& gitter() = 0;
    virtual void gitterVerbergen() = 0;
    virtual void gitterZeigen() = 0;
};

}  // namespace korvalt
