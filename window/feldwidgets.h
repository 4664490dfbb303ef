// The window's fields as widgets, built from the field table: the display-field operations on
// them and their proportional layout.
#pragma once

#include <QFont>
#include <QWidget>
#include <array>
#include <map>
#include <string>
#include <utility>

#include "anzeigefelder.h"
#include "feldtabelle.h"
#include "ziffernpruefer.h"

namespace korvalt {

class Eingabefeld;
class Monatsgitter;

class Feldwidgets {
  public:
    // Creates every field of the table (except the window itself) on `fenster`.
    Feldwidgets(QWidget& fenster, Gitterspeicher& gitter);

    QWidget* widget(FeldId feld) const;
    Eingabefeld* eingabefeld(FeldId feld) const;
    Monatsgitter& gitter() const { return *gitter_; }

    std::string text(FeldId feld) const;
    void setzeText(FeldId feld, std::string_view text);
    void setzeHintergrund(FeldId feld, Farbe farbe);
    void setzeDeckend(FeldId feld, bool deckend);
    void setzeSichtbar(FeldId feld, bool sichtbar);

    // Places every field and sizes its font for a client area of `pixelProTwipX` by
    // `pixelProTwipY` pixels per design twip; fonts scale by `schriftfaktor`.
    void anordnen(double pixelProTwipX, double pixelProTwipY, double schriftfaktor);

  private:
    struct Eintrag {
        QWidget* widget = nullptr;
        std::string text;  // what was last set, read back exactly
        Farbe hintergrund = farben::hellgrau;
        bool deckend = false;
    };
    Eintrag& eintrag(FeldId feld);
    const Eintrag& eintrag(FeldId feld) const;
    QWidget* erzeugen(const Feldbeschreibung& b, FeldId feld, QWidget* eltern);
    void farbeAnwenden(FeldId feld);
    // The font of a kind of field (its size and weight) at the scale of `faktor`, made once.
    const QFont& schrift(const Feldbeschreibung& b, double faktor);
    // Sets the window's font and that of every field of another kind than what holds it; the
    // others take theirs from the window or their step panel.
    void schriftenSetzen(double faktor);

    QWidget& fenster_;
    Gitterspeicher& gitterspeicher_;
    Monatsgitter* gitter_ = nullptr;
    std::array<std::array<Eintrag, groessterIndex + 1>, feldnamenAnzahl> felder_{};
    // The fonts as laid out now, by size and weight.
    std::map<std::pair<double, bool>, QFont> schriften_;
    double schriftfaktor_ = 1;
    // The last guards of the duration fields and of the start group field.
    Ziffernpruefer ziffern_{false};
    Ziffernpruefer gruppenbuchstaben_{true};
};

}  // namespace korvalt
