// Fuzz target: any bytes as a case file -> the calculated case -> its month list as CSV, whose
// lines and totals must agree with the case. Apart from the calculation's target because
// formatting 600 lines takes most of each run.
#include "falldatei.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    korvalt::fuzz::fallVorbereiten();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    korvalt::fuzz::monatslistePruefen(korvalt::fuzz::fallRechnen(daten, groesse));
    korvalt::fuzz::fallordnerPruefen(daten, groesse);
    return 0;
}
