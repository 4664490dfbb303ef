// Test helper: a message interface that records what the program would have shown.
#pragma once

#include <string>
#include <vector>

#include "meldungen.h"

namespace korvalt::test {

class Meldungsprotokoll : public Meldungen {
  public:
    void warnen(std::string_view titel, std::string_view text) override {
        warnungen.push_back(std::string(titel) + ": " + std::string(text));
    }
    std::int16_t okAbbrechen(std::string_view titel, std::string_view text) override {
        fragen.push_back(std::string(titel) + ": " + std::string(text));
        return antwort;
    }
    std::vector<std::string> warnungen;
    std::vector<std::string> fragen;
    std::int16_t antwort = 2;
};

}  // namespace korvalt::test
