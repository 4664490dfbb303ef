// The year view on paper: the block of every printout, sentence, table and chart on one A4 page in
// landscape, printed or saved as PDF from the view's buttons and its menu item.
#pragma once

#include <memory>
#include <string>

#include "druckblock.h"
#include "kommandozeile.h"

class QPrinter;

namespace korvalt {

class Dialoge;
class Hauptfenster;
class Jahresansicht;

// Draws the view's content on one landscape page of `printer` with the block of every printout;
// false with a German reason when the page could not be drawn.
bool jahresansichtDrucken(Jahresansicht& ansicht, const Druckblock& block, QPrinter& printer,
                          std::string& fehler);

// Attaches the item Ansicht › Jahresübersicht: it opens the view, whose Drucken… asks for a
// printer and whose Als PDF… asks for a file.
void jahresansichtAnschliessen(Hauptfenster& fenster, std::shared_ptr<Dialoge> dialoge);

// `--jahresliste DATEI.pdf`: the same page, from a view that never appears on screen. Needs a
// QApplication; returns the exit status.
int jahreslistePdfExportieren(const Aufruf& aufruf,
                              const std::filesystem::path& programmverzeichnis,
                              std::ostream& fehlerausgabe);

}  // namespace korvalt
