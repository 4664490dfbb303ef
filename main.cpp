// Korvalt: step progression under the TVöD for a start pay group and the next three, normal and
// individual case.
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "ausgabeknoepfe.h"
#include "kommandozeile.h"
#include "pdf_export.h"
#include "programm.h"

namespace {

std::filesystem::path programmverzeichnis() {
    std::error_code fehler;
    const auto pfad = std::filesystem::read_symlink("/proc/self/exe", fehler);
    return fehler ? std::filesystem::path() : pfad.parent_path();
}

}  // namespace

int main(int argc, char** argv) {
    using namespace korvalt;
    std::string fehler;
    const auto aufruf = aufrufLesen(std::vector<std::string>(argv + 1, argv + argc), fehler);
    if (!aufruf) {
        std::cerr << "korvalt: " << fehler << "\n" << aufrufHilfe();
        return exitEingabefehler;
    }
    if (aufruf->hilfe) {
        std::cout << aufrufHilfe();
        return exitGut;
    }
    if (aufruf->version) {
        std::cout << versionsText();
        return exitGut;
    }
    if (aufruf->tabellenZeigen)
        return tabellenAuflisten(programmverzeichnis(), std::cout, std::cerr);
    if (aufruf->fensterOeffnen()) {
        const Startorte orte{tarifdateiSuchorte(programmverzeichnis()), einstellungsdateiName};
        const auto sitzung = std::make_unique<Sitzung>();
        return fensterAusfuehren(argc, argv, *sitzung, orte,
                                 [](Korvaltei& fenster) { ausgabeAnschliessen(fenster); });
    }
    if (aufruf->brauchtQt())
        return exportierenMitQt(argc, argv, *aufruf, programmverzeichnis(), std::cout, std::cerr);
    return monatslisteCsvExportieren(*aufruf, programmverzeichnis(), std::cout, std::cerr);
}
