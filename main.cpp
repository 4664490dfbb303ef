// Korvalt: step progression under the TVöD for a start pay group and the next three, normal and
// individual case.
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "kommandozeile.h"

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
    Aufruf export_ = *aufruf;
    // Until the window exists, the program without arguments writes the month list of the case.
    if (export_.fensterOeffnen()) export_.monatsliste = "-";
    return monatslisteCsvExportieren(export_, programmverzeichnis(), std::cout, std::cerr);
}
