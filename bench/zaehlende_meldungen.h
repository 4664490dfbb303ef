// Benchmark helper: a message interface that only counts warnings, so a missing tariff file can be
// reported.
#pragma once

#include "meldungen.h"

namespace korvalt::bench {

class ZaehlendeMeldungen : public Meldungen {
  public:
    void warnen(std::string_view, std::string_view) override { ++warnungen; }
    std::int16_t okAbbrechen(std::string_view, std::string_view) override { return 2; }
    int warnungen = 0;
};

}  // namespace korvalt::bench
