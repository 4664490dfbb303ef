// The settings file "korvalt-einstellungen.dat": 75-byte records; the first holds the saved case,
// further ones name its table and hold its calendar settings, its tax and insurance settings and
// its person (docs/einstellungsdatei.md).
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "fallnamen.h"
#include "personenangaben.h"
#include "steuerangaben.h"
#include "tarifdaten.h"
#include "zeitraeume.h"

namespace korvalt {

inline constexpr const char* einstellungsdateiName = "korvalt-einstellungen.dat";

// What reading the settings file found.
struct Einstellungslesung {
    enum class Ergebnis { fehlt, gelesen, unbrauchbar };
    Ergebnis ergebnis = Ergebnis::fehlt;
    Einstellungssatz satz{};  // the first record, when read
    // The record naming the case's table, when the file has one.
    std::optional<Einstellungssatz> tabellensatz;
    // The record of the case's calendar settings ("kz"): the first sound one, else the first
    // damaged one, which the case keeps to write it back as it is.
    std::optional<Einstellungssatz> kalendersatz;
    // The names of both cases, from the file's sound "fn" records; the default ones without.
    Fallnamen fallnamen;
    // The tax and insurance settings of the file's first sound "sv" record, and that record (else
    // the first damaged one, which the case keeps to write it back as it is).
    std::optional<Steuerangaben> steuer;
    std::optional<Einstellungssatz> steuersatz;
    // The periods of the file's sound "zr" records, in their order; a damaged one is kept unread.
    Zeitraeume zeitraeume;
    // The person, from the file's sound "pe" records.
    Personenangaben person;
    // The records this version cannot read, each after as many of the case's own records as it
    // followed: the case writes them back as they were (`Falltabellen::behalten`).
    std::vector<BehaltenerSatz> behalten;
    // German notice for a usable file with records passed over, of a later version or damaged:
    // the case is opened from the others, the file stays as it is, and saving keeps them.
    std::string hinweis;
    // German message for a file that is there but cannot be used ("... Sie wurde nicht verwendet
    // und bleibt unverändert."), and for a missing one that was asked for by name.
    std::string fehler;
};

// A usable file is one or more whole 75-byte records whose first begins with "st". Of the further
// ones the first "tb", the first sound "kz" (else the first damaged one), the first sound "fn" of
// each case, the first sound "sv" (else the first damaged one) and the first sound "pe" of each
// field and every sound "zr" are taken, a further "st", "tb", "kz", "fn", "sv" or "pe" of a case
// or field already read is passed over silently, and any other is named in `hinweis` and kept in
// `behalten`.
Einstellungslesung einstellungsdateiLesen(const std::filesystem::path& pfad);

// Writes the records as the file's whole content, whole or not at all. On failure returns false
// and a German reason; the old file is then unchanged.
bool einstellungsdateiSchreiben(const std::filesystem::path& pfad,
                                const std::vector<Einstellungssatz>& saetze, std::string& fehler);
inline bool einstellungsdateiSchreiben(const std::filesystem::path& pfad,
                                       const Einstellungssatz& satz, std::string& fehler) {
    return einstellungsdateiSchreiben(pfad, std::vector<Einstellungssatz>{satz}, fehler);
}

}  // namespace korvalt
