// Fuzz target: any bytes as a case file -> read -> opened in the case that stays open -> a full
// recalculation, whose totals must agree with sums made apart from the program's.
#include "falldatei.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    korvalt::fuzz::fallVorbereiten();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    korvalt::fuzz::rechnungPruefen(korvalt::fuzz::fallRechnen(daten, groesse));
    korvalt::fuzz::fallordnerPruefen(daten, groesse);
    return 0;
}
