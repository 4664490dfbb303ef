// The reasons the system gives for a failed file operation, in German words for the user.
#pragma once

#include <string>

namespace korvalt {

// The reason behind an errno value, as a sentence without a full stop ("Auf dem Datenträger ist
// kein Platz mehr frei"); values without a text of their own keep their number.
std::string systemfehlerText(int nummer);

}  // namespace korvalt
