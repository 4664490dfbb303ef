// The promotion rule of the tables from 2024 ("stufengleiche Höhergruppierung"): which step a case
// holds when a column ends, and which step it enters in the next group.
#pragma once

#include "felder.h"
#include "tariftabellen.h"

namespace korvalt {

using Stufendauern = Feld<int, 1, tarifStufen>;

// The step held at the end of a column that the case entered in step `eintritt` and spent
// `gruppendauer` months in: the last step that got months, where a step passed with a duration of 0
// counts as held, but only when every step before it was passed too. A step the group lacks gets
// no months and is not held. A column without months keeps `bisher`, the step held before it (1
// before any month).
int gehalteneStufe(int eintritt, int bisher, int gruppendauer, const Stufendauern& dauer,
                   const Gruppenentgelte& entgelte);

// The step a promotion enters: the step held, at least step 2. From the first group of the table
// the pay decides instead: the lowest step from 2 on whose pay is at least the pay so far (the pay
// of the step held; none counts as 0), or the group's highest step when none reaches it. A step the
// new group lacks is passed over to the next one it has.
int eintrittsstufe(int gehalten, bool ausErsterGruppe, const Gruppenentgelte& bisher,
                   const Gruppenentgelte& neu);

}  // namespace korvalt
