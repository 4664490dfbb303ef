// The work of the main window's menu items: cases in files of their own, the exports, printing
// through the printer dialog, the preview, copying the month table and the About box.
#pragma once

#include <filesystem>
#include <memory>

#include "dialoge.h"

namespace korvalt {

class Hauptfenster;

// Attaches the buttons of the client area (ausgabeAnschliessen) and the menu items of `fenster`
// to their work; both use `dialoge`. Without it: Qt's dialogs over the window and the desktop's
// default printer. Fall speichern and the button Speichern write the open case file, or the
// settings file for the case without one; a changed case is asked about before it is closed or
// replaced.
void menueAnschliessen(Hauptfenster& fenster, std::shared_ptr<Dialoge> dialoge = nullptr);

// Opens a case file: reads and checks it, then recalculates and shows the case, and the window
// names the file; the case counts as unchanged, and nothing before it can be undone. A save of the
// file that did not end is offered. A bad file gets a German message and changes nothing; then
// false. Saving then writes that file.
bool fallOeffnen(Hauptfenster& fenster, const std::filesystem::path& datei);

}  // namespace korvalt
