// The file writer: a failure at any step leaves the old file byte for byte and no temporary file
// behind, and says why in German; files the user protected are not replaced.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "dateien.h"
#include "sicheredatei.h"
#include "tariftabelle.h"

using namespace korvalt;

namespace {

mode_t modus(const std::filesystem::path& pfad) {
    struct stat info {};
    ::stat(pfad.c_str(), &info);
    return info.st_mode & 07777;
}

enum class Schritt { mkstemp, fchmod, write, fsync, close, rename };

// The real system calls, except that one step fails with the given errno. Writes go in pieces of
// ten bytes, so a failing write comes after part of the content is already in the file.
class EinAufrufScheitert : public Systemaufrufe {
  public:
    EinAufrufScheitert(Schritt schritt, int nummer) : schritt_(schritt), nummer_(nummer) {}

    int mkstemp(char* muster) override {
        return scheitert(Schritt::mkstemp) ? -1 : Systemaufrufe::mkstemp(muster);
    }
    int fchmod(int fd, mode_t m) override {
        return scheitert(Schritt::fchmod) ? -1 : Systemaufrufe::fchmod(fd, m);
    }
    ssize_t write(int fd, const void* daten, std::size_t anzahl) override {
        if (geschrieben_ > 0 && scheitert(Schritt::write)) return -1;
        const ssize_t n = Systemaufrufe::write(fd, daten, std::min<std::size_t>(anzahl, 10));
        if (n > 0) geschrieben_ += n;
        return n;
    }
    int fsync(int fd) override { return scheitert(Schritt::fsync) ? -1 : Systemaufrufe::fsync(fd); }
    // Linux frees the descriptor even when close reports an error.
    int close(int fd) override {
        const int ergebnis = Systemaufrufe::close(fd);
        return scheitert(Schritt::close) ? -1 : ergebnis;
    }
    int rename(const char* alt, const char* neu) override {
        return scheitert(Schritt::rename) ? -1 : Systemaufrufe::rename(alt, neu);
    }

  private:
    bool scheitert(Schritt schritt) {
        if (schritt != schritt_ || gescheitert_) return false;
        gescheitert_ = true;
        errno = nummer_;
        return true;
    }
    Schritt schritt_;
    int nummer_;
    bool gescheitert_ = false;
    ssize_t geschrieben_ = 0;
};

struct Fehlerfall {
    const char* name;
    Schritt schritt;
    int nummer;
    const char* grund;
};

class Schreibfehler : public ::testing::TestWithParam<Fehlerfall> {};

TEST_P(Schreibfehler, AlteDateiBleibtUndKeineTemporaereDatei) {
    const Fehlerfall& f = GetParam();
    test::TemporaeresVerzeichnis verzeichnis;
    const auto ziel = verzeichnis.pfad() / "liste.csv";
    const std::string alt = "Monat;EGr.\n1;9\n";
    std::ofstream(ziel, std::ios::binary) << alt;
    EinAufrufScheitert system(f.schritt, f.nummer);
    std::string fehler;

    EXPECT_FALSE(dateiSchreiben(ziel, std::string(100, 'n'), fehler, system));
    EXPECT_EQ(test::dateiinhalt(ziel), alt);
    EXPECT_EQ(test::dateinamen(verzeichnis.pfad()), std::vector<std::string>{"liste.csv"});
    EXPECT_EQ(fehler, "Die Datei \u201E" + ziel.string() +
                          "\u201C kann nicht geschrieben werden: " + f.grund +
                          ". Die vorhandene Datei bleibt unverändert.");
}

INSTANTIATE_TEST_SUITE_P(
    JederSchritt, Schreibfehler,
    ::testing::Values(
        Fehlerfall{"mkstemp", Schritt::mkstemp, EACCES, "Keine Berechtigung"},
        Fehlerfall{"fchmod", Schritt::fchmod, EPERM, "Keine Berechtigung"},
        Fehlerfall{"write", Schritt::write, ENOSPC, "Auf dem Datenträger ist kein Platz mehr frei"},
        Fehlerfall{"fsync", Schritt::fsync, EIO, "Ein- oder Ausgabefehler des Datenträgers"},
        Fehlerfall{"close", Schritt::close, EDQUOT,
                   "Der zugeteilte Speicherplatz (Quota) ist aufgebraucht"},
        Fehlerfall{"rename", Schritt::rename, EROFS, "Der Datenträger ist schreibgeschützt"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SichereDatei, GeschuetzteUndFremdeZieleWerdenNichtErsetzt) {
    test::TemporaeresVerzeichnis verzeichnis;
    const auto schreibgeschuetzt = verzeichnis.pfad() / "alt.csv";
    std::ofstream(schreibgeschuetzt) << "alt";
    ::chmod(schreibgeschuetzt.c_str(), 0444);
    const auto ordner = verzeichnis.pfad() / "ordner.csv";
    std::filesystem::create_directory(ordner);
    const auto rohr = verzeichnis.pfad() / "rohr.csv";
    ASSERT_EQ(::mkfifo(rohr.c_str(), 0644), 0);
    struct Fall {
        std::filesystem::path ziel;
        std::string meldung;
    };
    const Fall faelle[] = {
        {schreibgeschuetzt, "Die Datei \u201E" + schreibgeschuetzt.string() +
                                "\u201C ist schreibgeschützt und wird nicht ersetzt."},
        {ordner, "Die Datei \u201E" + ordner.string() +
                     "\u201C kann nicht geschrieben werden: Unter diesem Namen gibt es einen "
                     "Ordner."},
        {rohr, "\u201E" + rohr.string() +
                   "\u201C ist keine gewöhnliche Datei und wird nicht "
                   "ersetzt."},
    };
    for (const Fall& f : faelle) {
        std::string fehler;
        EXPECT_FALSE(dateiSchreiben(f.ziel, "neu", fehler));
        EXPECT_EQ(fehler, f.meldung);
    }
    EXPECT_EQ(test::dateiinhalt(schreibgeschuetzt), "alt");
    EXPECT_EQ(modus(schreibgeschuetzt), 0444u);
    EXPECT_TRUE(std::filesystem::is_directory(ordner));
    EXPECT_TRUE(std::filesystem::is_fifo(rohr));
    EXPECT_EQ(test::dateinamen(verzeichnis.pfad()),
              (std::vector<std::string>{"alt.csv", "ordner.csv", "rohr.csv"}));
}

TEST(SichereDatei, NeueDateiBehaeltDenModusDerAlten) {
    test::TemporaeresVerzeichnis verzeichnis;
    const auto alt = verzeichnis.pfad() / "alt.dat";
    std::ofstream(alt) << "alt";
    ::chmod(alt.c_str(), 0640);
    const mode_t maske = ::umask(022);
    std::string fehler;
    EXPECT_TRUE(dateiSchreiben(alt, "neu", fehler)) << fehler;
    // Not mkstemp's 0600: a new file is made as any other program makes it.
    EXPECT_TRUE(dateiSchreiben(verzeichnis.pfad() / "neu.dat", "neu", fehler)) << fehler;
    ::umask(maske);
    EXPECT_EQ(test::dateiinhalt(alt), "neu");
    EXPECT_EQ(modus(alt), 0640u);
    EXPECT_EQ(modus(verzeichnis.pfad() / "neu.dat"), 0644u);
}

// A producer that opens the file by name (Qt's PDF printer) writes the temporary file; the target
// changes only when the writer takes the file over, and an abandoned file disappears.
TEST(SichereDatei, ErzeugerSchreibtDieTemporaereDateiSelbst) {
    test::TemporaeresVerzeichnis verzeichnis;
    const auto ziel = verzeichnis.pfad() / "Monatsliste.pdf";
    std::ofstream(ziel) << "alt";
    std::string fehler;
    {
        SichereDatei verworfen(ziel);
        ASSERT_TRUE(verworfen.anlegen(fehler)) << fehler;
        std::ofstream(verworfen.temporaer(), std::ios::binary | std::ios::trunc) << "halb";
    }
    EXPECT_EQ(test::dateinamen(verzeichnis.pfad()), std::vector<std::string>{"Monatsliste.pdf"});

    SichereDatei datei(ziel);
    ASSERT_TRUE(datei.anlegen(fehler)) << fehler;
    EXPECT_EQ(datei.temporaer().parent_path(), verzeichnis.pfad());
    std::ofstream(datei.temporaer(), std::ios::binary | std::ios::trunc) << "neu";
    EXPECT_EQ(test::dateiinhalt(ziel), "alt");
    EXPECT_TRUE(datei.uebernehmen(fehler)) << fehler;
    EXPECT_EQ(test::dateiinhalt(ziel), "neu");
    EXPECT_EQ(test::dateinamen(verzeichnis.pfad()), std::vector<std::string>{"Monatsliste.pdf"});
}

TEST(SichereDatei, VerweisBleibtUndSeinZielWirdErsetzt) {
    test::TemporaeresVerzeichnis verzeichnis;
    const auto echt = verzeichnis.pfad() / "echt.csv";
    const auto verweis = verzeichnis.pfad() / "verweis.csv";
    std::ofstream(echt) << "alt";
    std::filesystem::create_symlink("echt.csv", verweis);
    std::string fehler;
    EXPECT_TRUE(dateiSchreiben(verweis, "neu", fehler)) << fehler;
    EXPECT_TRUE(std::filesystem::is_symlink(verweis));
    EXPECT_EQ(test::dateiinhalt(echt), "neu");
}

TEST(SichereDatei, VerweisOhneZielWirdDurchgeschrieben) {
    test::TemporaeresVerzeichnis verzeichnis;
    const auto verweis = verzeichnis.pfad() / "verweis.csv";
    std::filesystem::create_symlink("spaeter.csv", verweis);
    std::string fehler;
    EXPECT_TRUE(dateiSchreiben(verweis, "neu", fehler)) << fehler;
    EXPECT_TRUE(std::filesystem::is_symlink(verweis));
    EXPECT_EQ(test::dateiinhalt(verzeichnis.pfad() / "spaeter.csv"), "neu");
}

// What killed runs left in the folder a file is written to goes once it is a day old, whichever
// file it was to replace; younger ones and other names stay.
TEST(SichereDatei, VerwaisteTemporaereDateienVerschwindenNachEinemTag) {
    test::TemporaeresVerzeichnis verzeichnis;
    const auto jetzt = std::filesystem::file_time_type::clock::now();
    const auto anlegen = [&](const char* name, std::chrono::hours alter) {
        std::ofstream(verzeichnis.pfad() / name) << "halb";
        std::filesystem::last_write_time(verzeichnis.pfad() / name, jetzt - alter);
    };
    anlegen(".ziel.csv.korvalt-tmp-a1b2c3", std::chrono::hours(25));
    anlegen(".ziel.csv.korvalt-tmp-d4e5f6", std::chrono::hours(23));
    anlegen(".andere.csv.korvalt-tmp-a1b2c3", std::chrono::hours(25));
    anlegen(".ziel.csv.korvalt-tmp-a1b2c3.bak", std::chrono::hours(25));
    anlegen("ziel.csv.korvalt-tmp-a1b2c3", std::chrono::hours(25));
    std::string fehler;
    EXPECT_TRUE(dateiSchreiben(verzeichnis.pfad() / "ziel.csv", "neu", fehler)) << fehler;
    EXPECT_EQ(test::dateinamen(verzeichnis.pfad()),
              (std::vector<std::string>{".ziel.csv.korvalt-tmp-a1b2c3.bak",
                                        ".ziel.csv.korvalt-tmp-d4e5f6", "ziel.csv",
                                        "ziel.csv.korvalt-tmp-a1b2c3"}));
}

// A save killed before its rename leaves the case's newest content: the temporary files of this
// file that are newer than it, newest first; older ones were followed by a save that ended.
TEST(SichereDatei, UnfertigeSpeicherungenSindDieNeuerenDesZiels) {
    test::TemporaeresVerzeichnis verzeichnis;
    const auto jetzt = std::filesystem::file_time_type::clock::now();
    const auto anlegen = [&](const std::string& name, std::chrono::minutes alter) {
        std::ofstream(verzeichnis.pfad() / name) << name;
        std::filesystem::last_write_time(verzeichnis.pfad() / name, jetzt - alter);
    };
    const std::string fall = "Fall.korvalt";
    EXPECT_TRUE(unfertigeSpeicherungen(verzeichnis.pfad() / fall).empty());
    anlegen(".Fall.korvalt.korvalt-tmp-aaaaaa", std::chrono::minutes(30));
    anlegen(".Fall.korvalt.korvalt-tmp-bbbbbb", std::chrono::minutes(10));
    anlegen(".Fall.korvalt.korvalt-tmp-cccccc", std::chrono::minutes(90));
    anlegen(".Anders.korvalt.korvalt-tmp-dddddd", std::chrono::minutes(5));
    anlegen(".Fall.korvalt.korvalt-tmp-eeeeee.alt", std::chrono::minutes(5));
    std::filesystem::create_symlink(".Fall.korvalt.korvalt-tmp-bbbbbb",
                                    verzeichnis.pfad() / ".Fall.korvalt.korvalt-tmp-ffffff");
    const auto namen = [&] {
        std::vector<std::string> liste;
        for (const auto& u : unfertigeSpeicherungen(verzeichnis.pfad() / fall))
            liste.push_back(u.datei.filename().string());
        return liste;
    };
    // Without the case file every one of its temporary files counts.
    EXPECT_EQ(namen(), (std::vector<std::string>{".Fall.korvalt.korvalt-tmp-bbbbbb",
                                                 ".Fall.korvalt.korvalt-tmp-aaaaaa",
                                                 ".Fall.korvalt.korvalt-tmp-cccccc"}));
    anlegen(fall, std::chrono::minutes(60));
    EXPECT_EQ(namen(), (std::vector<std::string>{".Fall.korvalt.korvalt-tmp-bbbbbb",
                                                 ".Fall.korvalt.korvalt-tmp-aaaaaa"}));
}

}  // namespace
