// File names between the system's bytes and Qt's text. A name that is not UTF-8 (a Latin-1
// "café.korvalt") Qt can only show with replacement characters and cannot encode back, so a name
// the user picked in a dialog is looked up among the files of its folder.
#pragma once

#include <QString>
#include <filesystem>

namespace korvalt {

// The name as Qt shows it.
QString dateinameAlsText(const std::filesystem::path& datei);
// The name of the file on the system that Qt shows as `datei`; a new file's name as Qt encodes it.
std::filesystem::path dateinameDesSystems(const QString& datei);

}  // namespace korvalt
