// The help window: the program's own German help, shipped inside the program, opened at a section;
// and F1 in the program's other windows, each opening its own section.
#pragma once

#include <QWidget>
#include <functional>
#include <string_view>

class QTextBrowser;

namespace korvalt {

class Hilfefenster : public QWidget {
  public:
    // Without a parent: a dialog modal to the main window leaves it usable beside the dialog.
    Hilfefenster();

    // Shows the section of the help page whose heading carries the anchor `abschnitt`
    // (hilfeabschnitte.h) and brings the window to the front.
    void zeigen(std::string_view abschnitt);
    QTextBrowser& browser() { return *browser_; }

  private:
    QTextBrowser* browser_;
};

// What opens the help at a section: the main window's help window in the program, a recorder in
// tests.
using Hilfeaufruf = std::function<void(std::string_view abschnitt)>;

// F1 in `fenster` (a dialog, the year view) opens the help at `abschnitt` through `aufruf`. A modal
// dialog must be modal to its parent window only (Qt::WindowModal), or it blocks the help window.
void hilfeAnbinden(QWidget& fenster, std::string_view abschnitt, Hilfeaufruf aufruf);

}  // namespace korvalt
