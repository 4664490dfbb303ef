// The one way Korvalt writes a file: whole or not at all, and a German reason when not.
#pragma once

#include <sys/stat.h>
#include <sys/types.h>
#include <cstddef>
#include <ctime>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace korvalt {

// The system calls the writer makes, so that a test can let a single one fail (set errno and
// return -1) while the others do their real work.
class Systemaufrufe {
  public:
    virtual ~Systemaufrufe() = default;
    virtual int mkstemp(char* muster);
    virtual int fchmod(int fd, mode_t modus);
    virtual ssize_t write(int fd, const void* daten, std::size_t anzahl);
    virtual int fsync(int fd);
    virtual int close(int fd);
    virtual int rename(const char* alt, const char* neu);
    virtual int unlink(const char* pfad);
};

Systemaufrufe& echteSystemaufrufe();

// One replacement of a file. A temporary file beside the target (".NAME.korvalt-tmp-" and six
// characters) receives the new content and takes the target's place only once it has reached the
// disk; until then the target is untouched. A replacement that is not completed removes its
// temporary file; those a killed run left behind hold what was being saved
// (`unfertigeSpeicherungen`) and are removed by the next write into their folder once they are a
// day old. The new file keeps the mode of the file it replaces (a new one gets 0666 less the
// umask). A link, even one to a file not there yet, is written through.
class SichereDatei {
  public:
    explicit SichereDatei(std::filesystem::path ziel, Systemaufrufe& system = echteSystemaufrufe());
    ~SichereDatei();
    SichereDatei(const SichereDatei&) = delete;
    SichereDatei& operator=(const SichereDatei&) = delete;

    // Checks the target as `anlegen` does, without creating anything: false with the German
    // reason for a target the writer refuses (a folder, anything but a plain file such as a FIFO,
    // a file the user made read-only, a loop of links). A dialog that opens the target itself
    // asks here first.
    bool pruefen(std::string& fehler);
    // The file a write lands in, once checked: the target, or the file its link points to.
    const std::filesystem::path& ziel() const { return ziel_; }
    // Checks the target, then creates the temporary file.
    bool anlegen(std::string& fehler);
    // The temporary file, for a producer that writes it by name itself (Qt's PDF printer).
    const std::filesystem::path& temporaer() const { return temporaer_; }
    // A name of the temporary file in plain ASCII, for a producer that cannot spell every name
    // (Qt knows file names only as UTF-8): the file's open descriptor under /proc, where there is
    // one, else `temporaer()`.
    std::filesystem::path erzeugername() const;
    // Appends bytes to the temporary file, every byte checked.
    bool schreiben(std::string_view bytes, std::string& fehler);
    // Brings the temporary file to the disk and renames it over the target.
    bool uebernehmen(std::string& fehler);
    // The message for a failure with the given reason ("Auf dem Datenträger ist ..."), also for
    // one the caller found in what a producer wrote.
    std::string fehlertext(std::string_view grund) const;

    // Whether the target's file system has no free block left: the likely reason when a producer
    // failed without saying why.
    bool datentraegerVoll() const;

  private:
    bool scheitern(int nummer, std::string& fehler);
    void aufraeumen();

    std::filesystem::path name_;  // as the caller gave it, for the messages
    std::filesystem::path ziel_;  // the file replaced, a link followed
    Systemaufrufe& system_;
    std::filesystem::path temporaer_;
    int fd_ = -1;
    bool zielVorhanden_ = false;
    struct stat alt_ {};  // the file replaced, when there is one
};

// A temporary file a killed run left behind while it replaced a file.
struct UnfertigeSpeicherung {
    std::filesystem::path datei;
    std::time_t geaendert = 0;  // when the content was written
};

// The temporary files of `ziel` (a link followed) that are newer than `ziel` itself, or all of
// them when `ziel` is not there: the content of a save that did not end, newest first.
std::vector<UnfertigeSpeicherung> unfertigeSpeicherungen(const std::filesystem::path& ziel);

// The full name of a file, for messages and for a place to save to whatever the working
// directory becomes; the name as given when it cannot be made full.
std::filesystem::path vollerPfad(const std::filesystem::path& pfad);

// Replaces `ziel` with `inhalt` through a SichereDatei.
bool dateiSchreiben(const std::filesystem::path& ziel, std::string_view inhalt, std::string& fehler,
                    Systemaufrufe& system = echteSystemaufrufe());

}  // namespace korvalt
