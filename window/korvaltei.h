// The main window Korvaltei: every field of the board on real widgets, scaled with the window.
//
// Map: tariff file -> pay table -> normal and individual progression -> comparison (engine/, on the
// Sitzung) -> display fields (board/) -> this window -> printouts (output/, output_qt/). The window
// shows a Sitzung it is handed and never owns calculation state: it is the Anzeigefelder the
// board's Fallanzeige writes into, and it passes keys and clicks to the board's rules. The output
// side (Speichern, Ergebnisdrucken, Liste) attaches its work to the buttons with setzeKlick.
#pragma once

#include <QWidget>
#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "anzeigefelder.h"
#include "fallanzeige.h"
#include "hilfefenster.h"
#include "meldungen.h"
#include "sitzung.h"

class QAction;
class QPainter;

namespace korvalt {

class Feldwidgets;

class Korvaltei : public QWidget, public Anzeigefelder {
  public:
    // The design's client area in twips; fields and fonts scale with the window against it.
    static constexpr int entwurfBreite = 11025;
    static constexpr int entwurfHoehe = 9030;

    // `sitzung` is the case the window shows; `meldungen` shows the warnings and questions of the
    // run (a QMessageBox one in the program, a recording one in tests). Both must outlive the
    // window.
    Korvaltei(Sitzung& sitzung, Meldungen& meldungen, QWidget* parent = nullptr);
    ~Korvaltei() override;

    // The start-up, once, before the window is shown: the session's start-up, caption, grid
    // headings, the saved or the default case, the durations into their fields and the first full
    // recalculation. Returns why the case could not be opened, empty when it is open.
    std::string laden(const Startoptionen& optionen);

    // The case shown, for the output side.
    Sitzung& sitzung() { return sitzung_; }
    Fallanzeige& anzeige() { return anzeige_; }
    Meldungen& meldungen() { return meldungen_; }

    // The click of a button whose work lives in output_qt/ (Speichern, Ergebnisdrucken, Liste);
    // replaces an earlier action. Until one is set the button does nothing.
    void setzeKlick(Feldname knopf, std::function<void()> aktion);

    // Confirms what was typed into the input field that has the cursor and not confirmed yet, as
    // leaving the field would; nothing when there is no such entry.
    void eingabeUebernehmen();

    // The height of the client area in twips at the screen's resolution.
    int hoeheTwips() const;
    // Sets the client area's height and runs the resize handling. With `felderSkalieren` false the
    // fields keep their place and size (only the grid follows the width), so that a field below the
    // design area, Unterschrift, comes into view for a printout; restore the height the same way.
    void setzeHoeheTwips(int twips, bool felderSkalieren = true);
    // The height of a field in twips as it is laid out now (Unterschrift for the printout).
    int feldhoeheTwips(FeldId feld) const;

    // The least height in pixels the fields are laid out for at a width of `breite` pixels: the
    // design's proportions, but never more than the design height. A frame lower than that shows
    // the client area at this height and scrolls it rather than squeeze the fields and fonts.
    int mindesthoehe(int breite) const;
    // The height of the part of the client area such a frame shows: the grid then ends within it
    // and shows fewer rows. Nothing: the whole client area is seen.
    void setzeSichtbareHoehe(std::optional<int> pixel);
    // How far such a frame has scrolled the client area up, in pixels: only the step panels move,
    // the buttons, the totals and the grid stay in view.
    void setzeRollversatz(int pixel);
    // Paints the client area, with every field that is visible now, at its size in pixels onto
    // `maler`, whose origin is the client area's top left corner.
    void clientbereichZeichnen(QPainter& maler);

    // The widget of a field, nullptr for the window itself and for indices that do not exist.
    QWidget* feldwidget(FeldId feld) const;

    // Anzeigefelder. Besides the fields, FeldId{Feldname::Korvaltei} is the window (its text is the
    // caption, its background the window's background) and setzeHintergrund on the month grid sets
    // the grid's background behind cells without a colour of their own.
    std::string text(FeldId feld) const override;
    void setzeText(FeldId feld, std::string_view text) override;
    void setzeHintergrund(FeldId feld, Farbe farbe) override;
    void setzeDeckend(FeldId feld, bool deckend) override;
    void setzeSichtbar(FeldId feld, bool sichtbar) override;
    void setzeHinweis(FeldId feld, std::string_view hinweis) override;
    Gitterspeicher& gitter() override;
    void gitterVerbergen() override;
    void gitterZeigen() override;

    // Opens the help at a section (hilfeabschnitte.h); Hilfe and F1 open it at the program as a
    // whole, the help context 135.
    void hilfeaufrufen(std::string_view abschnitt);
    // The same for the program's other windows (hilfeAnbinden), valid while this window lives.
    Hilfeaufruf hilfeaufruf() {
        return [this](std::string_view abschnitt) { hilfeaufrufen(abschnitt); };
    }
    // What the button Hilfe and F1 trigger; a menu may show it as its item.
    QAction* hilfeaktion() const { return hilfeaktion_; }

  protected:
    void resizeEvent(QResizeEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;
    void mousePressEvent(QMouseEvent* ereignis) override;

  private:
    void formResize();
    void imSichtHalten();
    void anordnen();
    void knopfGedrueckt(Feldname knopf);
    double pixelProTwipX() const;
    double pixelProTwipY() const;

    Sitzung& sitzung_;
    Meldungen& meldungen_;
    // What the grid view shows; written by the board between gitterVerbergen and gitterZeigen.
    Gitterspeicher gitterspeicher_;
    std::unique_ptr<Feldwidgets> felder_;
    Fallanzeige anzeige_{sitzung_, *this};
    std::array<std::function<void()>, feldnamenAnzahl> klicks_;
    std::unique_ptr<Hilfefenster> hilfe_;
    QAction* hilfeaktion_ = nullptr;
    // While a printout has made the window taller without scaling the fields: the height in pixels
    // the fields are laid out for.
    std::optional<int> skalierhoehe_;
    std::optional<int> sichtbareHoehe_;
    int rollversatz_ = 0;
};

}  // namespace korvalt
