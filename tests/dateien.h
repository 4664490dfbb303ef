// What the tests read back from the files the program wrote.
#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace korvalt::test {

inline std::string dateiinhalt(const std::filesystem::path& pfad) {
    std::ifstream datei(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(datei), {}};
}

// The names in a folder, sorted.
inline std::vector<std::string> dateinamen(const std::filesystem::path& ordner) {
    std::vector<std::string> liste;
    for (const auto& eintrag : std::filesystem::directory_iterator(ordner))
        liste.push_back(eintrag.path().filename().string());
    std::sort(liste.begin(), liste.end());
    return liste;
}

}  // namespace korvalt::test
