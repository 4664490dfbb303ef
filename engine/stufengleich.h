// The entry step of a promotion under the step-keeping rule of the tables from 2024
// ("stufengleiche Höhergruppierung").
#pragma once

#include <cstdint>
#include <optional>

#include "tariftabellen.h"

namespace korvalt {

// The step a promotion enters: the step held, at least step 2. From the first group of the table
// the pay decides instead (`bisherCentAusErsterGruppe`, the pay of the step held there): the lowest
// step from 2 on whose pay is at least that pay, or the group's highest step when none reaches it.
// A step the new group lacks is passed over to the next one it has.
int eintrittsstufe(int gehalten, std::optional<std::int64_t> bisherCentAusErsterGruppe,
                   const Gruppenentgelte& neu);

}  // namespace korvalt
