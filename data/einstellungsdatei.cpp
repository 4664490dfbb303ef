// Reading and replacing the settings file.
#include "einstellungsdatei.h"

#include <cstdio>
#include <string_view>

#include "sicheredatei.h"

namespace korvalt {

std::optional<Einstellungssatz> einstellungsdateiLesen(const std::filesystem::path& pfad) {
    std::FILE* datei = std::fopen(pfad.string().c_str(), "rb");
    if (!datei) return std::nullopt;
    Einstellungssatz satz;
    const std::size_t gelesen = std::fread(satz.data(), 1, satz.size(), datei);
    std::fclose(datei);
    if (gelesen != satz.size()) return std::nullopt;
    return satz;
}

bool einstellungsdateiSchreiben(const std::filesystem::path& pfad, const Einstellungssatz& satz,
                                std::string& fehler) {
    const std::string_view bytes(reinterpret_cast<const char*>(satz.data()), satz.size());
    return dateiSchreiben(pfad, bytes, fehler);
}

}  // namespace korvalt
