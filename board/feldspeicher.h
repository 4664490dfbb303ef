// The plain in-memory store of display fields: the calculation runs against it without any window.
#pragma once

#include <array>
#include <string>

#include "anzeigefelder.h"
#include "feldtabelle.h"

namespace korvalt {

struct Feldzustand {
    std::string text;
    Farbe hintergrund = farben::hellgrau;
    bool deckend = false;
    bool sichtbar = true;
    bool vorhanden = false;
    std::string hinweis;
};

class Feldspeicher : public Anzeigefelder {
  public:
    Feldspeicher();

    std::string text(FeldId feld) const override { return zustand(feld).text; }
    void setzeText(FeldId feld, std::string_view text) override { veraenderbar(feld).text = text; }
    void setzeHintergrund(FeldId feld, Farbe farbe) override {
        veraenderbar(feld).hintergrund = farbe;
    }
    void setzeDeckend(FeldId feld, bool deckend) override { veraenderbar(feld).deckend = deckend; }
    void setzeSichtbar(FeldId feld, bool sichtbar) override {
        veraenderbar(feld).sichtbar = sichtbar;
    }
    void setzeHinweis(FeldId feld, std::string_view hinweis) override {
        veraenderbar(feld).hinweis = hinweis;
    }

    Gitterspeicher& gitter() override { return gitter_; }
    void gitterVerbergen() override {
        gitterSichtbar_ = false;
        ++gitterVerborgen_;
    }
    void gitterZeigen() override { gitterSichtbar_ = true; }

    const Feldzustand& zustand(FeldId feld) const;
    const Gitterspeicher& gitter() const { return gitter_; }
    bool gitterSichtbar() const { return gitterSichtbar_; }
    int wieOftGitterVerborgen() const { return gitterVerborgen_; }

  private:
    Feldzustand& veraenderbar(FeldId feld);

    std::array<std::array<Feldzustand, groessterIndex + 1>, feldnamenAnzahl> felder_;
    Gitterspeicher gitter_;
    bool gitterSichtbar_ = true;
    int gitterVerborgen_ = 0;
};

}  // namespace korvalt
