// Reading, checking and replacing the settings file.
#include "einstellungsdatei.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <array>
#include <cerrno>
#include <string_view>

#include "kalendersatz.h"
#include "sicheredatei.h"
#include "svsatz.h"
#include "systemfehler.h"
#include "textsatz.h"
#include "zeitraumsatz.h"

namespace korvalt {

namespace {

constexpr std::size_t satzlaenge = einstellungssatzLaenge;
// Far more records than the program ever writes; a larger file is not one of its files.
constexpr off_t groessteDatei = 1 << 20;

// The full name, so that the user finds the file whatever the working directory was.
std::string anzeigename(const std::filesystem::path& pfad) {
    return vollerPfad(pfad).string();
}

std::string unbrauchbar(const std::filesystem::path& pfad, const std::string& grund) {
    return "Die Einstellungsdatei \u201E" + anzeigename(pfad) + "\u201C " + grund +
           ". Sie wurde nicht verwendet und bleibt unverändert.";
}

std::string keinSatz(const std::filesystem::path& pfad, const std::string& warum) {
    return unbrauchbar(pfad, "ist kein gültiger Einstellungssatz (" + warum + ")");
}

bool beginntMit(std::string_view satz, std::string_view kennung) {
    return satz.substr(0, kennung.size()) == kennung;
}

// Why the bytes are no settings file of this program, or "" when they are one.
std::string inhaltPruefen(std::string_view inhalt) {
    if (inhalt.size() < satzlaenge || inhalt.size() % satzlaenge != 0)
        return std::to_string(inhalt.size()) + " Bytes statt 75";
    if (!beginntMit(inhalt, "st")) return "beginnt nicht mit \u201Est\u201C";
    return "";
}

// Takes the table, calendar, name, tax and person records after the first; names every record
// passed over, and keeps those that are not a second one of a record taken.
void weitereSaetzeLesen(std::string_view inhalt, const std::filesystem::path& pfad,
                        Einstellungslesung& lesung) {
    // What becomes of each record: the case's own, passed over silently, or kept unread.
    enum class Verbleib { eigener, doppelt, behalten };
    std::vector<Einstellungssatz> saetze;
    std::vector<Verbleib> verbleib;
    std::string gruende;
    // The person's fields read so far: of each field the first sound record counts.
    std::array<bool, personenfelder.size()> personGelesen{};
    std::array<bool, fallnamenfelder.size()> nameGelesen{};
    // The damaged "kz" and "sv" records the case keeps until a sound one comes.
    std::optional<std::size_t> kalenderBeschaedigt;
    std::optional<std::size_t> steuerBeschaedigt;
    bool kalenderGesund = false;
    // Of a record the case takes when sound, or keeps as its own while none is.
    auto einzeln = [&](bool gesund, bool& gesundGelesen, std::optional<std::size_t>& beschaedigt,
                       std::optional<Einstellungssatz>& ziel) {
        const std::size_t i = saetze.size() - 1;
        if (gesundGelesen) return Verbleib::doppelt;
        if (gesund) {
            if (beschaedigt) verbleib[*beschaedigt] = Verbleib::behalten;
            gesundGelesen = true;
            ziel = saetze.back();
            return Verbleib::eigener;
        }
        if (beschaedigt) return Verbleib::behalten;
        beschaedigt = i;
        ziel = saetze.back();
        return Verbleib::eigener;
    };
    for (std::size_t stelle = satzlaenge; stelle < inhalt.size(); stelle += satzlaenge) {
        Einstellungssatz satz;
        std::copy_n(inhalt.begin() + stelle, satzlaenge, satz.begin());
        saetze.push_back(satz);
        verbleib.push_back(Verbleib::behalten);
        Verbleib& hier = verbleib.back();
        const int nummer = static_cast<int>(stelle / satzlaenge) + 1;
        std::string grund;
        switch (satzartVon(satz)) {
            case Satzart::fall:
                hier = Verbleib::doppelt;
                break;
            case Satzart::tabelle:
                hier = lesung.tabellensatz ? Verbleib::doppelt : Verbleib::eigener;
                if (!lesung.tabellensatz) lesung.tabellensatz = satz;
                break;
            case Satzart::kalender: {
                const bool gesund = kalenderGesund || kalendersatzLesen(satz, grund).has_value();
                hier = einzeln(gesund, kalenderGesund, kalenderBeschaedigt, lesung.kalendersatz);
                if (gesund) grund.clear();
                break;
            }
            case Satzart::fallnamen:
                if (const auto angabe = fallnamensatzLesen(satz, grund)) {
                    grund.clear();
                    const auto fall = std::size_t(angabe->feld - fallnamenfelder.data());
                    hier = nameGelesen[fall] ? Verbleib::doppelt : Verbleib::eigener;
                    if (nameGelesen[fall]) break;
                    nameGelesen[fall] = true;
                    lesung.fallnamen.*angabe->feld->text = angabe->text;
                }
                break;
            case Satzart::steuer: {
                bool steuerGesund = lesung.steuer.has_value();
                std::optional<Steuerangaben> angaben;
                if (!steuerGesund) angaben = svSatzLesen(satz, grund);
                hier = einzeln(steuerGesund || angaben, steuerGesund, steuerBeschaedigt,
                               lesung.steuersatz);
                if (angaben) lesung.steuer = angaben;
                if (steuerGesund) grund.clear();
                break;
            }
            case Satzart::person:
                if (const auto angabe = personensatzLesen(satz, grund)) {
                    grund.clear();
                    const auto feld = std::size_t(angabe->feld - personenfelder.data());
                    hier = personGelesen[feld] ? Verbleib::doppelt : Verbleib::eigener;
                    if (personGelesen[feld]) break;
                    personGelesen[feld] = true;
                    lesung.person.*angabe->feld->text = angabe->text;
                }
                break;
            case Satzart::zeitraum:
                if (auto zeitraum = zeitraumsatzLesen(satz, grund)) {
                    lesung.zeitraeume.push_back(std::move(*zeitraum));
                    hier = Verbleib::eigener;
                }
                break;
            case Satzart::unbekannt:
                grund = unbekannterSatzGrund(nummer, satz);
                break;
        }
        if (grund.empty()) continue;
        if (satzartVon(satz) != Satzart::unbekannt) {
            grund = "der " + std::to_string(nummer) + ". Satz: " + grund;
            grund.pop_back();  // the full stop; the reasons are joined into one sentence
        }
        gruende += (gruende.empty() ? "" : "; ") + grund;
    }
    // The first record is the case's own.
    std::size_t eigene = 1;
    for (std::size_t i = 0; i < saetze.size(); ++i) {
        if (verbleib[i] == Verbleib::eigener) ++eigene;
        if (verbleib[i] == Verbleib::behalten) lesung.behalten.push_back({saetze[i], eigene});
    }
    if (gruende.empty()) return;
    lesung.hinweis = "Die Einstellungsdatei \u201E" + anzeigename(pfad) +
                     "\u201C wird ohne einen Teil ihrer Angaben geöffnet: " + gruende +
                     ". Die Datei bleibt unverändert";
    if (!lesung.behalten.empty())
        lesung.hinweis +=
            "; Sätze, die diese Version nicht lesen kann, bleiben auch beim "
            "Speichern unverändert in der Datei";
    lesung.hinweis += '.';
    if (lesung.kalendersatz && !kalenderGesund)
        lesung.hinweis +=
            " Der beschädigte Kalendersatz bleibt beim Speichern erhalten, bis Sie unter Fall "
            "\u203A Beginn, Stufe und Teilzeit neue Angaben machen.";
    if (lesung.steuersatz && !lesung.steuer)
        lesung.hinweis +=
            " Der beschädigte Steuer- und Sozialversicherungssatz bleibt beim Speichern erhalten, "
            "bis Sie unter Fall \u203A Steuer und Sozialversicherung neue Angaben machen.";
}

// The records of a settings file, read from its bytes; `pfad` names it in the messages.
Einstellungslesung inhaltLesen(std::string_view inhalt, const std::filesystem::path& pfad) {
    Einstellungslesung lesung;
    const std::string warum = inhaltPruefen(inhalt);
    if (!warum.empty()) {
        lesung.ergebnis = Einstellungslesung::Ergebnis::unbrauchbar;
        lesung.fehler = keinSatz(pfad, warum);
        return lesung;
    }
    lesung.ergebnis = Einstellungslesung::Ergebnis::gelesen;
    std::copy_n(inhalt.begin(), satzlaenge, lesung.satz.begin());
    weitereSaetzeLesen(inhalt, pfad, lesung);
    return lesung;
}

}  // namespace

Einstellungslesung einstellungsdateiLesen(const std::filesystem::path& pfad) {
    Einstellungslesung lesung;
    const auto nichtLesbar = [&](int nummer) {
        lesung.ergebnis = Einstellungslesung::Ergebnis::unbrauchbar;
        lesung.fehler =
            unbrauchbar(pfad, "kann nicht gelesen werden (" + systemfehlerText(nummer) + ")");
        return lesung;
    };
    // Without O_NONBLOCK, opening a FIFO would wait for a writer that never comes.
    const int fd = ::open(pfad.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        if (errno != ENOENT) return nichtLesbar(errno);
        lesung.fehler = "Die Einstellungsdatei \u201E" + anzeigename(pfad) + "\u201C fehlt.";
        return lesung;
    }
    struct stat info {};
    std::string inhalt;
    int nummer = 0;
    if (::fstat(fd, &info) != 0) {
        nummer = errno;
    } else if (S_ISDIR(info.st_mode)) {
        nummer = EISDIR;
    } else if (!S_ISREG(info.st_mode)) {
        // A FIFO or a device would be read for ever or block; it cannot hold a saved case anyway.
        ::close(fd);
        lesung.ergebnis = Einstellungslesung::Ergebnis::unbrauchbar;
        lesung.fehler = unbrauchbar(pfad, "ist keine gewöhnliche Datei");
        return lesung;
    } else if (info.st_size > groessteDatei) {
        ::close(fd);
        lesung.ergebnis = Einstellungslesung::Ergebnis::unbrauchbar;
        lesung.fehler = keinSatz(pfad, std::to_string(info.st_size) + " Bytes statt 75");
        return lesung;
    } else {
        char puffer[4096];
        for (;;) {
            const ssize_t gelesen = ::read(fd, puffer, sizeof puffer);
            if (gelesen < 0 && errno == EINTR) continue;
            if (gelesen < 0) nummer = errno;
            if (gelesen <= 0) break;
            inhalt.append(puffer, static_cast<std::size_t>(gelesen));
            if (inhalt.size() > std::size_t{groessteDatei}) break;
        }
    }
    ::close(fd);
    if (nummer != 0) return nichtLesbar(nummer);
    return inhaltLesen(inhalt, pfad);
}

bool einstellungsdateiSchreiben(const std::filesystem::path& pfad,
                                const std::vector<Einstellungssatz>& saetze, std::string& fehler) {
    std::string bytes;
    for (const auto& satz : saetze) bytes.append(satz.begin(), satz.end());
    return dateiSchreiben(pfad, bytes, fehler);
}

}  // namespace korvalt
