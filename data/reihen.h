// Fixed-size arrays (rows, tables, blocks) with the index ranges of the data model, 1-based where
// it is 1-based, checked in debug builds.
#pragma once

#include <array>
#include <cassert>
#include <cstddef>

namespace korvalt {

template <typename T, int Von, int Bis>
class Reihe {
    static_assert(Bis >= Von);

  public:
    static constexpr int von = Von;
    static constexpr int bis = Bis;

    T& operator()(int i) { return werte_[stelle(i)]; }
    const T& operator()(int i) const { return werte_[stelle(i)]; }
    void fuellen(const T& wert) { werte_.fill(wert); }
    bool operator==(const Reihe&) const = default;

  private:
    static std::size_t stelle(int i) {
        assert(i >= Von && i <= Bis && "Index außerhalb des Bereichs");
        return static_cast<std::size_t>(i - Von);
    }
    std::array<T, Bis - Von + 1> werte_{};
};

template <typename T, int V1, int B1, int V2, int B2>
class Reihe2 {
  public:
    T& operator()(int i, int j) { return werte_[stelle(i, j)]; }
    const T& operator()(int i, int j) const { return werte_[stelle(i, j)]; }
    void fuellen(const T& wert) { werte_.fill(wert); }
    bool operator==(const Reihe2&) const = default;

  private:
    static constexpr int breite2 = B2 - V2 + 1;
    static std::size_t stelle(int i, int j) {
        assert(i >= V1 && i <= B1 && j >= V2 && j <= B2 && "Index außerhalb des Bereichs");
        return static_cast<std::size_t>((i - V1) * breite2 + (j - V2));
    }
    std::array<T, (B1 - V1 + 1) * breite2> werte_{};
};

template <typename T, int V1, int B1, int V2, int B2, int V3, int B3>
class Reihe3 {
  public:
    T& operator()(int i, int j, int k) { return werte_[stelle(i, j, k)]; }
    const T& operator()(int i, int j, int k) const { return werte_[stelle(i, j, k)]; }
    void fuellen(const T& wert) { werte_.fill(wert); }
    bool operator==(const Reihe3&) const = default;

  private:
    static constexpr int breite3 = B3 - V3 + 1;
    static constexpr int breite2 = (B2 - V2 + 1) * breite3;
    static std::size_t stelle(int i, int j, int k) {
        assert(i >= V1 && i <= B1 && j >= V2 && j <= B2 && k >= V3 && k <= B3 &&
               "Index außerhalb des Bereichs");
        return static_cast<std::size_t>((i - V1) * breite2 + (j - V2) * breite3 + (k - V3));
    }
    std::array<T, (B1 - V1 + 1) * breite2> werte_{};
};

}  // namespace korvalt
