// When each step of a case begins, and how much later than without its interruptions: „Stufe 4
// ab 07/2030 (Elternzeit: 12 Monate später)“, the answer to "when do I reach the next step?".
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "falltabellen.h"
#include "kalendermonat.h"
#include "tariftabellen.h"

namespace korvalt {

struct Stufendatum {
    int gruppe = 0;  // the group number in the case's table
    int stufe = 0;
    KalenderMonat ab{2024, 3};
    // The months it comes later than in the same case without its interruptions.
    int spaeter = 0;
    bool operator==(const Stufendatum&) const = default;
};

// Every change of group or step of one case after its first month, as the calculation `mit` left
// it; `ohne` is the same case calculated without its interruptions (null: no delays).
std::vector<Stufendatum> stufendaten(const Falltabellen& mit, const Falltabellen* ohne,
                                     Seite seite);

// „Stufe 4 ab 07/2030“, with „EGr. 9b “ before it where the group changes, and „ (Elternzeit: 12
// Monate später)“ after it for a delay, named by the kind of the case's interruptions before it
// („Unterbrechungen“ for several kinds).
std::vector<std::string> stufendatenZeilen(const std::vector<Stufendatum>& daten,
                                           const Fallangaben& fall, Seite seite,
                                           const Tariftabelle& tabelle);

class Sitzung;
// For a case with interruptions, per case a line „Stufen Normalfall:“ and its step dates below it,
// each indented; nothing for a case without interruptions, whose outputs stay as they were.
std::vector<std::string> stufendatenDesFalls(const Sitzung& sitzung);

}  // namespace korvalt
