// Korvalt: step progression under the TVöD for a start pay group and the next three, normal and
// individual case.
#include <fcntl.h>
#include <signal.h>
#include <stdlib.h>
#include <unistd.h>
#include <cerrno>
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

// The pipe a signal to end writes its number into: the handler does nothing else, and the
// window's event loop reads it and ends as Beenden does, without writing the case.
int endeRohr[2] = {-1, -1};

extern "C" void endeMelden(int signal) {
    const int gesichert = errno;
    const auto nummer = static_cast<unsigned char>(signal);
    [[maybe_unused]] const ssize_t geschrieben = ::write(endeRohr[1], &nummer, 1);
    errno = gesichert;
}

// A logout (SIGHUP), a shutdown or kill (SIGTERM) and Ctrl+C in the terminal (SIGINT) end the
// window program through its event loop, so that the runtime folder goes as at every other end.
// Set before the folder is made, so that no signal finds it without its handler. The pipe's end
// to read, -1 when there is none (the signals then end the program as before).
int endeSignaleAbfangen() {
    if (::pipe2(endeRohr, O_CLOEXEC | O_NONBLOCK) != 0) return -1;
    struct sigaction aktion {};
    aktion.sa_handler = endeMelden;
    sigemptyset(&aktion.sa_mask);
    aktion.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) ::sigaction(signal, &aktion, nullptr);
    return endeRohr[0];
}

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
    const int endesignal = aufruf->fensterOeffnen() ? endeSignaleAbfangen() : -1;
    std::optional<Laufzeitordner> laufzeitordner;
    if (aufruf->fensterOeffnen() || aufruf->brauchtQt()) laufzeitordner.emplace();
    if (aufruf->fensterOeffnen()) {
        const Startoptionen orte{tarifdateiSuchorte(programmverzeichnis()), einstellungsdateiName};
        const auto sitzung = std::make_unique<Sitzung>();
        const std::filesystem::path falldatei = aufruf->falldatei;
        return fensterAusfuehren(
            argc, argv, *sitzung, orte, endesignal, [&falldatei](Hauptfenster& fenster) {
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
