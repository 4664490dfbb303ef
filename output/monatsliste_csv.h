// The month list of a case as CSV (UTF-8, ";" separated): one line per month and the totals; in the
// tables from 2024 with group labels and amounts to the cent.
#pragma once

#include <string>

#include "falltabellen.h"
#include "tarifdaten.h"

namespace korvalt {

std::string monatslisteCsv(const TarifDaten& daten, const Falltabellen& t);

}  // namespace korvalt
