// The month pay of a part-time case.
#pragma once

#include <cstdint>

namespace korvalt {

// The table pay times the working-time share (hundredths of a percent, 100..10000), rounded to the
// cent, a half up: 535950 at 7500 -> 401963.
std::int32_t teilzeitCent(std::int32_t tabellencent, int anteil);

}  // namespace korvalt
