// Replacing a file through a temporary file beside it.
#include "sicheredatei.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <functional>
#include <string_view>

#include "systemfehler.h"

namespace korvalt {

std::filesystem::path vollerPfad(const std::filesystem::path& pfad) {
    std::error_code fehler;
    const auto voll = std::filesystem::absolute(pfad, fehler);
    return fehler ? pfad : voll.lexically_normal();
}

namespace {

// Longer names would not leave room for the six characters that make the temporary name unique.
constexpr std::size_t namensgrenze = 200;

std::filesystem::path ordnerVon(const std::filesystem::path& datei) {
    return datei.parent_path().empty() ? std::filesystem::path(".") : datei.parent_path();
}

// How many links in a row are followed before the name counts as a loop, as the system does.
constexpr int groessteVerknuepfungskette = 40;

// Replaces a link's name by the name of the file it points to, through any chain of links, whether
// that file exists or not. False for a loop.
bool verknuepfungFolgen(std::filesystem::path& pfad) {
    for (int schritt = 0; schritt < groessteVerknuepfungskette; ++schritt) {
        std::error_code fehlercode;
        if (!std::filesystem::is_symlink(pfad, fehlercode)) return true;
        const auto ziel = std::filesystem::read_symlink(pfad, fehlercode);
        if (fehlercode) return true;
        pfad = ziel.is_absolute() ? ziel : ordnerVon(pfad) / ziel;
    }
    return false;
}

// The temporary files of a target are hidden and say whose they are: ".NAME.korvalt-tmp-" and six
// characters. Left behind only when the program was killed while writing.
constexpr std::string_view temporaerKennung = ".korvalt-tmp-";
constexpr std::size_t temporaerZufall = 6;

std::string temporaerPraefix(const std::filesystem::path& ziel) {
    return "." + ziel.filename().string().substr(0, namensgrenze) + std::string(temporaerKennung);
}

// Temporary files older than this belong to no write still running, and the user has had a day
// to take up what a killed save left.
constexpr auto verwaistNach = std::chrono::hours(24);

// Whether `name` is the name of a temporary file: ".NAME.korvalt-tmp-" and six characters.
bool istTemporaer(const std::string& name) {
    const std::size_t ende = temporaerKennung.size() + temporaerZufall;
    return name.size() > ende + 1 && name[0] == '.' &&
           name.compare(name.size() - ende, temporaerKennung.size(), temporaerKennung) == 0;
}

// The temporary files in the folder of `ziel` whose names `passt` takes, plain files and not
// links, each with its time.
template <typename Passt, typename Arbeit>
void temporaereDateien(const std::filesystem::path& ziel, Passt passt, Arbeit arbeit) {
    std::error_code fehlercode;
    std::filesystem::directory_iterator ordner(ordnerVon(ziel), fehlercode);
    if (fehlercode) return;
    for (const auto& eintrag : ordner) {
        if (!passt(eintrag.path().filename().string())) continue;
        if (!eintrag.is_regular_file(fehlercode) || eintrag.is_symlink(fehlercode)) continue;
        const auto zeit = eintrag.last_write_time(fehlercode);
        if (!fehlercode) arbeit(eintrag.path(), zeit);
    }
}

// Removes what killed runs left beside the target, a day later: only temporary files, only plain
// files, whichever file they were to replace.
void altesAufraeumen(const std::filesystem::path& ziel) {
    const auto jetzt = std::filesystem::file_time_type::clock::now();
    temporaereDateien(ziel, istTemporaer, [jetzt](const std::filesystem::path& datei, auto zeit) {
        std::error_code fehlercode;
        if (jetzt - zeit >= verwaistNach) std::filesystem::remove(datei, fehlercode);
    });
}

mode_t neuerModus() {
    const mode_t maske = ::umask(0);
    ::umask(maske);
    return 0666 & ~maske;
}

}  // namespace

int Systemaufrufe::mkstemp(char* muster) {
    return ::mkostemp(muster, O_CLOEXEC);
}
int Systemaufrufe::fchmod(int fd, mode_t modus) {
    return ::fchmod(fd, modus);
}
ssize_t Systemaufrufe::write(int fd, const void* daten, std::size_t anzahl) {
    return ::write(fd, daten, anzahl);
}
int Systemaufrufe::fsync(int fd) {
    return ::fsync(fd);
}
int Systemaufrufe::close(int fd) {
    return ::close(fd);
}
int Systemaufrufe::rename(const char* alt, const char* neu) {
    return ::rename(alt, neu);
}
int Systemaufrufe::unlink(const char* pfad) {
    return ::unlink(pfad);
}

Systemaufrufe& echteSystemaufrufe() {
    static Systemaufrufe system;
    return system;
}

SichereDatei::SichereDatei(std::filesystem::path ziel, Systemaufrufe& system)
    : name_(ziel), ziel_(std::move(ziel)), system_(system) {}

SichereDatei::~SichereDatei() {
    aufraeumen();
}

std::string SichereDatei::fehlertext(std::string_view grund) const {
    std::string text =
        "Die Datei \u201E" + name_.string() + "\u201C kann nicht geschrieben werden: ";
    text += grund;
    text += '.';
    if (zielVorhanden_) text += " Die vorhandene Datei bleibt unverändert.";
    return text;
}

bool SichereDatei::datentraegerVoll() const {
    struct statvfs platz {};
    return ::statvfs(ordnerVon(ziel_).c_str(), &platz) == 0 && platz.f_bavail == 0;
}

bool SichereDatei::scheitern(int nummer, std::string& fehler) {
    fehler = fehlertext(systemfehlerText(nummer));
    aufraeumen();
    return false;
}

void SichereDatei::aufraeumen() {
    if (fd_ >= 0) system_.close(fd_);
    fd_ = -1;
    if (!temporaer_.empty()) system_.unlink(temporaer_.c_str());
    temporaer_.clear();
}

bool SichereDatei::pruefen(std::string& fehler) {
    aufraeumen();
    ziel_ = name_;
    // A link is followed, also one whose file does not exist yet, so that the file it points to
    // is written and the link stays.
    if (!verknuepfungFolgen(ziel_)) return scheitern(ELOOP, fehler);
    struct stat& alt = alt_;
    zielVorhanden_ = ::stat(ziel_.c_str(), &alt) == 0;
    if (zielVorhanden_) {
        if (S_ISDIR(alt.st_mode)) {
            zielVorhanden_ = false;
            return scheitern(EISDIR, fehler);
        }
        if (!S_ISREG(alt.st_mode)) {
            fehler = "\u201E" + name_.string() +
                     "\u201C ist keine gewöhnliche Datei und wird nicht ersetzt.";
            return false;
        }
        // Write permission is looked at, not tried: the owner's missing write bit is the user's
        // wish even where root could write anyway.
        if (!(alt.st_mode & S_IWUSR)) {
            fehler = "Die Datei \u201E" + name_.string() +
                     "\u201C ist schreibgeschützt und wird nicht ersetzt.";
            return false;
        }
        if (::faccessat(AT_FDCWD, ziel_.c_str(), W_OK, AT_EACCESS) != 0)
            return scheitern(errno, fehler);
    } else if (ziel_.filename().empty()) {
        return scheitern(EISDIR, fehler);
    }
    return true;
}

bool SichereDatei::anlegen(std::string& fehler) {
    if (!pruefen(fehler)) return false;
    const struct stat& alt = alt_;
    const mode_t modus = zielVorhanden_ ? alt.st_mode & 07777 : neuerModus();
    altesAufraeumen(ziel_);
    std::string muster = (ziel_.parent_path() / temporaerPraefix(ziel_)).string() + "XXXXXX";
    fd_ = system_.mkstemp(muster.data());
    if (fd_ < 0) return scheitern(errno, fehler);
    temporaer_ = muster;
    if (system_.fchmod(fd_, modus) != 0) return scheitern(errno, fehler);
    // Root replacing someone else's file gives it back to its owner; elsewhere this may fail.
    if (zielVorhanden_ && (alt.st_uid != ::geteuid() || alt.st_gid != ::getegid()))
        (void)::fchown(fd_, alt.st_uid, alt.st_gid);
    return true;
}

std::filesystem::path SichereDatei::erzeugername() const {
    if (fd_ < 0) return temporaer_;
    const std::filesystem::path offen = "/proc/self/fd/" + std::to_string(fd_);
    struct stat ueberName {};
    struct stat offenerName {};
    // The same file, not merely some name there: /proc may be missing or another one.
    if (::stat(offen.c_str(), &ueberName) == 0 && ::fstat(fd_, &offenerName) == 0 &&
        ueberName.st_ino == offenerName.st_ino && ueberName.st_dev == offenerName.st_dev)
        return offen;
    return temporaer_;
}

bool SichereDatei::schreiben(std::string_view bytes, std::string& fehler) {
    if (fd_ < 0) return scheitern(EBADF, fehler);
    while (!bytes.empty()) {
        const ssize_t geschrieben = system_.write(fd_, bytes.data(), bytes.size());
        if (geschrieben < 0 && errno == EINTR) continue;
        // A write that takes nothing and names no reason happens on a full disk.
        if (geschrieben <= 0) return scheitern(geschrieben == 0 ? ENOSPC : errno, fehler);
        bytes.remove_prefix(static_cast<std::size_t>(geschrieben));
    }
    return true;
}

bool SichereDatei::uebernehmen(std::string& fehler) {
    if (fd_ < 0) return scheitern(EBADF, fehler);
    // The descriptor from mkstemp still refers to the file a producer wrote by name, so this also
    // brings the producer's bytes to the disk.
    if (system_.fsync(fd_) != 0) return scheitern(errno, fehler);
    const int fd = fd_;
    fd_ = -1;
    if (system_.close(fd) != 0) return scheitern(errno, fehler);
    if (system_.rename(temporaer_.c_str(), ziel_.c_str()) != 0) return scheitern(errno, fehler);
    temporaer_.clear();
    // The new name survives a crash only once the folder is on the disk as well. Its failure is
    // not reported: the file has already replaced the old one, so "not written" would be untrue.
    const int ordnerFd = ::open(ordnerVon(ziel_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (ordnerFd >= 0) {
        (void)system_.fsync(ordnerFd);
        ::close(ordnerFd);
    }
    return true;
}

std::vector<UnfertigeSpeicherung> unfertigeSpeicherungen(const std::filesystem::path& ziel) {
    std::filesystem::path echt = ziel;
    if (!verknuepfungFolgen(echt)) return {};
    std::error_code fehlercode;
    const auto zielZeit = std::filesystem::last_write_time(echt, fehlercode);
    const bool zielVorhanden = !fehlercode;
    std::vector<std::pair<std::filesystem::file_time_type, std::filesystem::path>> gefunden;
    const std::string praefix = temporaerPraefix(echt);
    const auto vonZiel = [&praefix](const std::string& name) {
        return name.size() == praefix.size() + temporaerZufall &&
               name.compare(0, praefix.size(), praefix) == 0;
    };
    temporaereDateien(echt, vonZiel, [&](const std::filesystem::path& datei, auto zeit) {
        if (!zielVorhanden || zeit > zielZeit) gefunden.emplace_back(zeit, datei);
    });
    std::sort(gefunden.begin(), gefunden.end(), std::greater<>());
    std::vector<UnfertigeSpeicherung> liste;
    for (const auto& [zeit, datei] : gefunden) {
        struct stat info {};
        liste.push_back({datei, ::stat(datei.c_str(), &info) == 0 ? info.st_mtime : 0});
    }
    return liste;
}

bool dateiSchreiben(const std::filesystem::path& ziel, std::string_view inhalt, std::string& fehler,
                    Systemaufrufe& system) {
    SichereDatei datei(ziel, system);
    return datei.anlegen(fehler) && datei.schreiben(inhalt, fehler) && datei.uebernehmen(fehler);
}

}  // namespace korvalt
