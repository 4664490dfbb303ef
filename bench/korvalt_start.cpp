// The program's start-up up to the first painted window, then the end: bench_fenster times it. The
// menus and buttons get their work as in the program. With --offen the window stays open, with
// --groesse BxH it opens at that size (for looking at it under a virtual screen).
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include "erstes_bild.h"
#include "menuebefehle.h"
#include "programm.h"

int main(int argc, char** argv) {
    bool offen = false;
    int breite = 0;
    int hoehe = 0;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--offen") == 0) offen = true;
        if (std::strcmp(argv[i], "--groesse") == 0 && i + 1 < argc)
            std::sscanf(argv[i + 1], "%dx%d", &breite, &hoehe);
    }
    std::error_code fehler;
    const auto programm = std::filesystem::read_symlink("/proc/self/exe", fehler);
    const korvalt::Startoptionen orte{
        korvalt::tarifdateiSuchorte(fehler ? std::filesystem::path() : programm.parent_path()),
        korvalt::einstellungsdateiName};
    korvalt::bench::ErstesBild erstesBild;
    const auto sitzung = std::make_unique<korvalt::Sitzung>();
    return korvalt::fensterAusfuehren(argc, argv, *sitzung, orte, -1,
                                      [&](korvalt::Hauptfenster& fenster) {
                                          korvalt::menueAnschliessen(fenster);
                                          if (breite > 0 && hoehe > 0)
                                              fenster.resize(breite, hoehe);
                                          if (!offen)
                                              fenster.korvaltei().installEventFilter(&erstesBild);
                                      });
}
