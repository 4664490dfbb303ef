// The program as the user runs it: exports that meet a write the system refuses, a start without
// XDG_RUNTIME_DIR that prints nothing, and an end by a signal that leaves nothing behind.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "dateien.h"
#include "pdftext.h"
#include "tariftabelle.h"

namespace {

struct Lauf {
    int status = -1;      // the exit status, -1 when a signal ended the program
    std::string ausgabe;  // standard output and standard error together
};

struct Bedingungen {
    std::filesystem::path arbeitsverzeichnis;
    rlim_t dateigrenze = RLIM_INFINITY;     // RLIMIT_FSIZE in bytes
    bool ohneLaufzeitordner = false;        // XDG_RUNTIME_DIR unset
    std::filesystem::path temporaerordner;  // TMPDIR, when given
};

struct Gestartet {
    pid_t kind = -1;
    int ausgabe = -1;  // the end of the pipe its output can be read from
};

// Starts the built program, found in the build directory where the tests run.
Gestartet starten(const std::vector<std::string>& argumente, const Bedingungen& b) {
    const std::string programm = (std::filesystem::current_path() / "korvalt").string();
    int rohr[2];
    if (::pipe(rohr) != 0) return {};
    const pid_t kind = ::fork();
    if (kind == 0) {
        ::dup2(rohr[1], STDOUT_FILENO);
        ::dup2(rohr[1], STDERR_FILENO);
        ::close(rohr[0]);
        ::close(rohr[1]);
        if (::chdir(b.arbeitsverzeichnis.c_str()) != 0) ::_exit(127);
        const rlimit grenze{b.dateigrenze, b.dateigrenze};
        ::setrlimit(RLIMIT_FSIZE, &grenze);
        if (b.ohneLaufzeitordner) ::unsetenv("XDG_RUNTIME_DIR");
        if (!b.temporaerordner.empty()) ::setenv("TMPDIR", b.temporaerordner.c_str(), 1);
        std::vector<char*> argv{const_cast<char*>(programm.c_str())};
        for (const auto& a : argumente) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execv(programm.c_str(), argv.data());
        ::_exit(127);
    }
    ::close(rohr[1]);
    return {kind, rohr[0]};
}

// Waits until the program has ended.
Lauf abwarten(const Gestartet& g) {
    Lauf lauf;
    char puffer[4096];
    ssize_t n;
    while ((n = ::read(g.ausgabe, puffer, sizeof puffer)) > 0)
        lauf.ausgabe.append(puffer, static_cast<std::size_t>(n));
    ::close(g.ausgabe);
    int status = 0;
    ::waitpid(g.kind, &status, 0);
    if (WIFEXITED(status)) lauf.status = WEXITSTATUS(status);
    return lauf;
}

Lauf korvalt(const std::vector<std::string>& argumente, const Bedingungen& b) {
    return abwarten(starten(argumente, b));
}

// A file size limit of 4 KB makes every export fail partway, as a full disk does; the old file
// must survive byte for byte and the program must say so and end with status 1.
TEST(Korvalt, ExportDerMittendrinScheitertLaesstDieAlteDatei) {
    const std::vector<std::vector<std::string>> aufrufe = {
        {"--monatsliste", "liste.csv"},
        {"--monatsliste", "liste.pdf"},
        {"--ergebnis", "ergebnis.pdf"},
    };
    for (const auto& aufruf : aufrufe) {
        SCOPED_TRACE(aufruf[1]);
        korvalt::test::TemporaeresVerzeichnis verzeichnis;
        const auto ziel = verzeichnis.pfad() / aufruf[1];
        std::string alt;
        for (int i = 0; alt.size() < 20000; ++i) alt += "alte Zeile " + std::to_string(i) + "\n";
        std::ofstream(ziel, std::ios::binary) << alt;

        const Lauf lauf = korvalt(aufruf, {verzeichnis.pfad(), 4096, false, {}});
        EXPECT_EQ(lauf.status, 1) << lauf.ausgabe;
        EXPECT_EQ(lauf.ausgabe.rfind("korvalt: Die Datei \u201E" + aufruf[1] +
                                         "\u201C kann nicht geschrieben werden: ",
                                     0),
                  0u)
            << lauf.ausgabe;
        EXPECT_NE(lauf.ausgabe.find(". Die vorhandene Datei bleibt unverändert.\n"),
                  std::string::npos)
            << lauf.ausgabe;
        EXPECT_TRUE(korvalt::test::dateiinhalt(ziel) == alt);
        EXPECT_EQ(korvalt::test::dateinamen(verzeichnis.pfad()),
                  std::vector<std::string>{aufruf[1]});
    }
}

TEST(Korvalt, OhneXdgRuntimeDirBleibtEsStill) {
    korvalt::test::TemporaeresVerzeichnis verzeichnis;
    const auto temporaer = verzeichnis.pfad() / "tmp";
    std::filesystem::create_directory(temporaer);
    const Lauf lauf = korvalt({"--monatsliste", "liste.pdf"},
                              {verzeichnis.pfad(), RLIM_INFINITY, true, temporaer});
    EXPECT_EQ(lauf.status, 0);
    EXPECT_EQ(lauf.ausgabe, "");
    EXPECT_GT(korvalt::test::pdfSeiten(verzeichnis.pfad() / "liste.pdf"), 0);
    // The private runtime folder is gone again.
    EXPECT_TRUE(korvalt::test::dateinamen(temporaer).empty());
}

// A logout, a shutdown or kill ends the window: its private runtime folder goes with it, and the
// case is not written unasked.
TEST(Korvalt, EinSignalZumEndeNimmtDenLaufzeitordnerMit) {
    for (const int signal : {SIGTERM, SIGHUP}) {
        SCOPED_TRACE(signal);
        korvalt::test::TemporaeresVerzeichnis verzeichnis;
        const auto arbeit = verzeichnis.pfad() / "arbeit";
        const auto temporaer = verzeichnis.pfad() / "tmp";
        std::filesystem::create_directory(arbeit);
        std::filesystem::create_directory(temporaer);
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        const Gestartet g = starten({}, {arbeit, RLIM_INFINITY, true, temporaer});
        ASSERT_GT(g.kind, 0);
        // Once the folder is there the handler is too; the window may still be starting.
        for (int i = 0; i < 200 && korvalt::test::dateinamen(temporaer).empty(); ++i)
            ::usleep(50000);
        ASSERT_FALSE(korvalt::test::dateinamen(temporaer).empty());
        ::kill(g.kind, signal);
        const Lauf lauf = abwarten(g);
        EXPECT_EQ(lauf.status, 128 + signal) << lauf.ausgabe;
        EXPECT_TRUE(korvalt::test::dateinamen(temporaer).empty());
        EXPECT_TRUE(korvalt::test::dateinamen(arbeit).empty());
    }
}

}  // namespace
