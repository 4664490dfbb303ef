// The message boxes the program needs, as a small interface: the window shows them, the command
// line prints them.
#pragma once

#include <cstdint>
#include <string_view>

namespace korvalt {

class Meldungen {
  public:
    virtual ~Meldungen() = default;
    virtual void warnen(std::string_view titel, std::string_view text) = 0;
    // A warning after which the work goes on as usual: the window shows it as any warning, the
    // command line prints it and still writes its output.
    virtual void hinweisen(std::string_view titel, std::string_view text) { warnen(titel, text); }
    // A modal question with OK and Abbrechen: 1 for OK, 2 for Abbrechen (closing the box counts as
    // Abbrechen).
    virtual std::int16_t okAbbrechen(std::string_view titel, std::string_view text) = 0;
    // A modal question answered Ja or Nein: true for Ja (closing the box counts as Nein). Where no
    // one can be asked it is answered as the OK/Abbrechen question is.
    virtual bool jaNein(std::string_view titel, std::string_view text) {
        return okAbbrechen(titel, text) == 1;
    }
};

}  // namespace korvalt
