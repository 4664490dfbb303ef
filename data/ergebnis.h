// A value or the German reason it could not be had: what a change of a case returns.
#pragma once

#include <string>
#include <utility>
#include <variant>

namespace korvalt {

// Why a change is refused, as the user reads it.
struct Grund {
    std::string text;
};

template <typename T>
class Ergebnis {
  public:
    Ergebnis(T wert) : inhalt_(std::move(wert)) {}
    Ergebnis(Grund grund) : inhalt_(std::move(grund)) {}

    bool ok() const { return std::holds_alternative<T>(inhalt_); }
    explicit operator bool() const { return ok(); }
    const T& operator*() const& { return std::get<T>(inhalt_); }
    T&& operator*() && { return std::get<T>(std::move(inhalt_)); }
    const T* operator->() const { return &std::get<T>(inhalt_); }
    // The reason; "" for a value.
    const std::string& grund() const {
        static const std::string keiner;
        return ok() ? keiner : std::get<Grund>(inhalt_).text;
    }

  private:
    std::variant<T, Grund> inhalt_;
};

}  // namespace korvalt
