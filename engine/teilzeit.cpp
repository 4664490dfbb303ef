// Part-time pay, exactly in cents.
#include "teilzeit.h"

#include "bruchrundung.h"
#include "kalenderangaben.h"

namespace korvalt {

std::int32_t teilzeitCent(std::int32_t tabellencent, int anteil) {
    return static_cast<std::int32_t>(
        geteiltGerundet(std::int64_t{tabellencent} * anteil, vollzeitAnteil));
}

}  // namespace korvalt
