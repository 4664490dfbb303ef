// Reading and replacing the settings file.
#include "einstellungsdatei.h"

#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace korvalt {

std::optional<Einstellungssatz> einstellungsdateiLesen(const std::filesystem::path& pfad,
                                                       int satznummer) {
    if (satznummer < 1) return std::nullopt;
    std::FILE* datei = std::fopen(pfad.string().c_str(), "rb");
    if (!datei) return std::nullopt;
    Einstellungssatz satz;
    std::size_t gelesen = 0;
    if (std::fseek(datei, long(satznummer - 1) * long(satz.size()), SEEK_SET) == 0)
        gelesen = std::fread(satz.data(), 1, satz.size(), datei);
    std::fclose(datei);
    if (gelesen != satz.size()) return std::nullopt;
    return satz;
}

bool einstellungsdateiSchreiben(const std::filesystem::path& pfad,
                                const std::vector<Einstellungssatz>& saetze, std::string& fehler) {
    const std::filesystem::path temporaer = pfad.string() + ".neu";
    auto grund = [] { return std::string(std::strerror(errno)); };
    std::FILE* datei = std::fopen(temporaer.string().c_str(), "wb");
    if (!datei) {
        fehler = "Die Datei \u201E" + temporaer.string() +
                 "\u201C kann nicht angelegt werden: " + grund();
        return false;
    }
    bool gut = true;
    for (const auto& satz : saetze)
        gut = gut && std::fwrite(satz.data(), 1, satz.size(), datei) == satz.size();
    gut = std::fflush(datei) == 0 && gut;
    gut = ::fsync(fileno(datei)) == 0 && gut;
    if (!gut) fehler = "Die Einstellungen konnten nicht geschrieben werden: " + grund();
    if (std::fclose(datei) != 0 && gut) {
        gut = false;
        fehler = "Die Einstellungen konnten nicht geschrieben werden: " + grund();
    }
    if (gut && std::rename(temporaer.string().c_str(), pfad.string().c_str()) != 0) {
        gut = false;
        fehler =
            "Die Datei \u201E" + pfad.string() + "\u201C kann nicht ersetzt werden: " + grund();
    }
    if (!gut) std::remove(temporaer.string().c_str());
    return gut;
}

}  // namespace korvalt
