// Korvalt: step progression under the TVöD for a start pay group and the next three, normal and
// individual case.
#include <stdlib.h>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QTimer>

#include "jahresliste_csv.h"
#include "kommandozeile.h"
#include "menuebefehle.h"
#include "pdf_export.h"
#include "programm.h"
#include "unfertigesspeichern.h"

namespace {

std::filesystem::path programmverzeichnis() {
    std::error_code fehler;
    const auto pfad = std::filesystem::read_symlink("/proc/self/exe", fehler);
    return fehler ? std::filesystem::path() : pfad.parent_path();
}

// Without XDG_RUNTIME_DIR (root on a bare console or in a container) Qt prints an English warning
// at every start: a private runtime folder for the run keeps it quiet and is removed at the end.
class Laufzeitordner {
  public:
    Laufzeitordner() {
        const char* vorhanden = std::getenv("XDG_RUNTIME_DIR");
        if (vorhanden && *vorhanden) return;
        std::error_code fehler;
        auto basis = std::filesystem::temp_directory_path(fehler);
        if (fehler) basis = "/tmp";
        std::string muster = (basis / "korvalt-laufzeit-XXXXXX").string();
        // mkdtemp gives the folder mode 0700, as Qt demands of a runtime folder.
        if (!::mkdtemp(muster.data())) return;
        pfad_ = muster;
        ::setenv("XDG_RUNTIME_DIR", pfad_.c_str(), 1);
    }
    ~Laufzeitordner() {
        if (pfad_.empty()) return;
        std::error_code fehler;
        std::filesystem::remove_all(pfad_, fehler);
    }
    Laufzeitordner(const Laufzeitordner&) = delete;
    Laufzeitordner& operator=(const Laufzeitordner&) = delete;

  private:
    std::filesystem::path pfad_;
};

}  // namespace

int main(int argc, char** argv) {
    using namespace korvalt;
    // A write beyond the file size limit then fails with EFBIG and is reported, instead of ending
    // the program and leaving a temporary file behind.
    std::signal(SIGXFSZ, SIG_IGN);
    std::string fehler;
    const auto aufruf = aufrufLesen(std::vector<std::string>(argv + 1, argv + argc), fehler);
    if (!aufruf) {
        std::cerr << "korvalt: " << fehler << "\n" << aufrufHilfe();
        return exitEingabefehler;
    }
    if (aufruf->hilfe || aufruf->version) {
        if (standardausgabeSchreiben(std::cout, aufruf->hilfe ? aufrufHilfe() : versionsText(),
                                     fehler))
            return exitGut;
        std::cerr << "korvalt: " << fehler << "\n";
        return exitSchreibfehler;
    }
    if (aufruf->tabellenZeigen)
        return tabellenAuflisten(programmverzeichnis(), std::cout, std::cerr);
    std::optional<Laufzeitordner> laufzeitordner;
    if (aufruf->fensterOeffnen() || aufruf->brauchtQt()) laufzeitordner.emplace();
    if (aufruf->fensterOeffnen()) {
        const Startoptionen orte{tarifdateiSuchorte(programmverzeichnis()), einstellungsdateiName};
        const auto sitzung = std::make_unique<Sitzung>();
        const std::filesystem::path falldatei = aufruf->falldatei;
        return fensterAusfuehren(argc, argv, *sitzung, orte, [&falldatei](Hauptfenster& fenster) {
            menueAnschliessen(fenster);
            // Once the window is up, so that a bad file's message stands over it; the window
            // then keeps the case it started with.
            if (!falldatei.empty())
                QTimer::singleShot(0, &fenster,
                                   [&fenster, falldatei] { fallOeffnen(fenster, falldatei); });
            else
                unfertigesSpeichernAnbieten(fenster,
                                            fenster.korvaltei().sitzung().einstellungsdatei());
        });
    }
    if (aufruf->brauchtQt())
        return exportierenMitQt(argc, argv, *aufruf, programmverzeichnis(), std::cout, std::cerr);
    if (!aufruf->jahresliste.empty())
        return jahreslisteCsvExportieren(*aufruf, programmverzeichnis(), std::cout, std::cerr);
    return monatslisteCsvExportieren(*aufruf, programmverzeichnis(), std::cout, std::cerr);
}
