// What a killed save of a case left behind: offered in the status line when the case is opened.
#pragma once

#include <filesystem>

namespace korvalt {

class Hauptfenster;

// When a save of `datei` did not end and left a usable case newer than the file, the status line
// says so and offers to open it; opened, it is the case shown, changed against `datei`, which the
// next save replaces. Nothing when there is none.
void unfertigesSpeichernAnbieten(Hauptfenster& fenster, const std::filesystem::path& datei);

}  // namespace korvalt
