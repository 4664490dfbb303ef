// Years of net pay already computed, kept by everything they were computed from: a change to a
// case leaves most of its years, and the other case's, as they were.
#pragma once

#include <cstddef>
#include <unordered_map>

#include "nettolohn.h"

namespace korvalt {

class Nettojahrspeicher {
  public:
    // The year as nettojahrRechnen gives it; valid until the next call.
    const Nettojahr& jahr(const Nettojahreseingaben& eingaben);

    std::size_t groesse() const { return jahre_.size(); }

  private:
    struct Streuung {
        std::size_t operator()(const Nettojahreseingaben& e) const;
    };
    std::unordered_map<Nettojahreseingaben, Nettojahr, Streuung> jahre_;
};

}  // namespace korvalt
