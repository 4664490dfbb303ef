// The pictures of the arrow buttons nachoben and nachunten, drawn in code so they stay sharp at
// every size.
#pragma once

#include <QIcon>

namespace korvalt {

QIcon pfeilbild(bool aufwaerts);

}  // namespace korvalt
