// A text of exactly N characters: shorter texts are padded with blanks, longer ones cut (UTF-8
// aware).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace korvalt {

// Pads or cuts a UTF-8 text to exactly `zeichen` characters.
std::string aufLaengeGebracht(std::string_view text, std::size_t zeichen);

// Removes leading and trailing blanks.
std::string_view getrimmt(std::string_view text);

// How much of a text the user gave a message quotes.
inline constexpr std::size_t zitatLaenge = 40;
// The text in German quotes for a message: „2026-13“; one longer than `zitatLaenge` characters is
// cut there and ends in "…", so that an argument of any length leaves the message readable.
std::string zitat(std::string_view text);

template <std::size_t N>
class FesterText {
  public:
    FesterText() : text_(N, ' ') {}
    FesterText& operator=(std::string_view text) {
        text_ = aufLaengeGebracht(text, N);
        return *this;
    }
    const std::string& text() const { return text_; }
    std::string_view getrimmt() const { return korvalt::getrimmt(text_); }

  private:
    std::string text_;
};

}  // namespace korvalt
