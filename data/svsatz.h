// The settings record "sv": the tax and insurance settings of a case.
#pragma once

#include <optional>
#include <string>

#include "steuerangaben.h"
#include "tarifdaten.h"

namespace korvalt {

// "sv", then tax class, child allowances, church tax, children, Saxony, the additional rate, the
// private premium, the supplementary pension's share, its fund and the employer's levy as digits;
// blanks for what is not set. The layout
// is in docs/einstellungsdatei.md. The positions after the last one this version writes are blank,
// or those of `gelesen`, the record the case was read with, so that a later version's settings
// survive a save.
Einstellungssatz svSatzBilden(const Steuerangaben& angaben,
                              const Einstellungssatz* gelesen = nullptr);

// The settings of an "sv" record. Nothing, and a German reason, for a record that is not one or
// whose values are damaged, outside their limits or do not go together.
std::optional<Steuerangaben> svSatzLesen(const Einstellungssatz& satz, std::string& fehler);

}  // namespace korvalt
