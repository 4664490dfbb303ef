// The calendar settings of a case in one line, as the status line shows them.
#pragma once

#include <string>

#include "kalenderangaben.h"

namespace korvalt {

// "Beginn 07/2026 bis 06/2046 · Stufe 3 seit 04/2024 · Teilzeit 100 % / 75 % · angenommene
// Erhöhung 2,5 % jährlich ab 04/2027": only what is set, the shares only when one is below 100 %;
// "" for none.
std::string kalenderangabenText(const Kalenderangaben& angaben);

}  // namespace korvalt
